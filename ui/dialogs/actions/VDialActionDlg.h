#pragma once

#include "ui/dialogs/actions/ActionChooser.h"
#include "ui/dialogs/actions/DialActionSelection.h"

#include <QDialog>

#include <array>
#include <memory>

namespace Ui {
class VDialActionDlg;
}

class QCheckBox;
class VRichButton;

// Edits what one dial does: up to four functions, each with an action for a turn to the left and
// one for a turn to the right, each chosen in the action selection dialog. It works on copies of
// the given actions, so the caller's stay as they were until it takes the result after OK.
class VDialActionDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFunctions = 4;

    explicit VDialActionDlg(const DialActionSelection &current, QWidget *parent = nullptr);
    ~VDialActionDlg() override;

    // The checked functions that hold an action, under the given name and number; read after OK.
    DialActionSelection selection() const { return chosen; }
    void setActionChooser(ActionChooser chooser) { chooseAction = std::move(chooser); }

public slots:
    void on_btnOK_clicked();
    void on_btnCancel_clicked();
    void slotRBClickButton();
    void slotRBTitleTextFinished(const QString &text);

private:
    struct Row
    {
        int function = -1;
        bool left = true;
    };

    Row rowOf(QObject *button) const;
    TabletActionPtr &actionOf(const Row &row);
    VRichButton *buttonOf(const Row &row) const;
    void showGivenAction(const Row &row);
    void showChosenAction(const Row &row);

    std::unique_ptr<Ui::VDialActionDlg> ui;
    const DialActionSelection given;
    DialActionSelection chosen;
    std::array<DialActionEntry, kFunctions> functions;
    std::array<VRichButton *, kFunctions> leftRows{};
    std::array<VRichButton *, kFunctions> rightRows{};
    std::array<QCheckBox *, kFunctions> checks{};
    ActionChooser chooseAction = chooseActionInDialog;
};
