#pragma once

#include "ui/dialogs/actions/ActionSelection.h"

#include <QDialog>
#include <QString>

#include <memory>

class QListWidgetItem;

namespace Ui {
class VActionSelectDlg;
}

// The modal dialog in which the user chooses what a pen button, an express key or a dial
// direction does: a shortcut or a text to type, a mouse event, a switch, a program to start, a
// media key, or nothing. It opens on the page of the given action and, once accepted, hands back
// a new action; it never writes the configuration.
class VActionSelectDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kMaximumShortcuts = 8;
    static constexpr int kMaximumTextLength = 255;

    VActionSelectDlg(const ActionSelection &current, QWidget *parent = nullptr);
    ~VActionSelectDlg() override;

    // What the caller reads after exec() returned Accepted.
    ActionSelection selection() const;

private slots:
    void on_btnCancel_clicked();
    void on_btnOK_clicked();
    void on_asdMenu_currentItemChanged(QListWidgetItem *current, QListWidgetItem *previous);
    void on_btnClear_clicked();
    void on_btnSub_clicked();
    void on_btnAdd_clicked();
    void on_btnBrowse_clicked();
    void on_asdMenu_itemClicked(QListWidgetItem *item);
    void on_checkWin_stateChanged(int state);
    void on_comboMisc_currentIndexChanged(int index);
    void on_checkTextMode_stateChanged(int state);
    void on_asdTextEdit_textChanged();

private:
    enum Row { KeyboardRow, MouseRow, SwitchRow, ApplicationRow, MediaRow, NothingRow };

    void fillPages();
    void setUpShortcutTable();
    void fillMenu();
    void fillCombos();
    void showSelection();
    void showAction(const TabletAction &action);
    void showKeyboardAction(const TabletAction &action);
    void showMiscAction(const TabletAction &action);
    bool isTextMode() const;
    void appendShortcut(const QString &keys);
    QString shortcutList() const;
    QStringList customTools() const;
    // The action of the chosen page, or empty when a page's input is missing (its edit then has
    // the focus) or the "Nothing" page is chosen; `complete` tells the two apart.
    TabletActionPtr buildAction(bool &complete);
    TabletActionPtr buildTextAction(bool &complete);
    TabletActionPtr buildShortcutAction(bool &complete);
    QString finalTip(const TabletAction &action) const;

    std::unique_ptr<Ui::VActionSelectDlg> ui;
    ActionSelection current;
    QString originalDisplayText;
    QString originalTip;
};
