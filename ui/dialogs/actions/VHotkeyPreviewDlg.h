#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/profiles/AppProfile.h"
#include "ui/UILanguage.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

namespace Ui {
class VHotkeyPreviewDlg;
}

// Lists every binding of the express keys, dials and touch control, of the configuration or of
// one application profile, as plain text on three pages of a tool box. The express-key page keeps
// it and fills it again whenever what it shows changes; it can be pinned above other windows.
class VHotkeyPreviewDlg : public QDialog, public UILanguage
{
    Q_OBJECT

public:
    using DialMap = std::map<std::uint16_t, DialConfigure>;

    enum Page {
        KeyPage = 0,
        DialPage = 1,
        TouchPage = 2,
        PageCount = 3,
    };

    // A run of lines, under a heading when it has one.
    struct LineGroup
    {
        QString heading;
        QStringList lines;
    };
    struct PageText
    {
        QString title;
        std::vector<LineGroup> groups;
    };

    explicit VHotkeyPreviewDlg(QWidget *parent = nullptr);
    ~VHotkeyPreviewDlg() override;

    // Titles the window after `name` and, while it is shown, selects `page` or, with `rebuild`,
    // lists the bindings anew first. A page that does not exist selects the first.
    void setPreviewSource(const HotkeyConfigure &bindings, int page, bool rebuild, const QString &name);
    void setPreviewProfile(const AppProfile &profile, int page, bool rebuild, const QString &name);
    void retranslate() override;

    // The three pages' titles and lines for these bindings.
    static std::vector<PageText> pageTexts(const ActionMap &keys, const ActionMap &virtualKeys,
                                           const DialMap &dials, const ActionMap &touches);

public slots:
    void on_toolBox_currentChanged(int index);
    void on_btnClose_clicked();

private:
    void preview(const ActionMap &keys, const ActionMap &virtualKeys, const DialMap &dials,
                 const ActionMap &touches, int page, bool rebuild, const QString &name);
    void rebuildPages(const std::vector<PageText> &texts);

    std::unique_ptr<Ui::VHotkeyPreviewDlg> ui;
    std::vector<QWidget *> pages;
    QString sourceName;
};
