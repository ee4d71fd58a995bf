#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/profiles/AppProfile.h"
#include "engine/apps/ProcessEntry.h"
#include "engine/device/TabletDeviceInfo.h"
#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"
#include "ui/dialogs/actions/ActionChooser.h"
#include "ui/dialogs/actions/DialActionSelection.h"
#include "ui/dialogs/options/HotkeyOptions.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class DialogTarget;
class QComboBox;
class QVariant;
class TabletLayoutComponent;
class VHotkeyPreviewDlg;

namespace Ui {
class VHotkeyPanel;
}

// The express-key page: the tablet's keys, dials and touch segments on its picture, and the
// binding of the one the user clicked, for all applications or for the application chosen in the
// page's combo while the keys follow the applications. Every edit goes into the current
// configuration or the chosen profile and on to the engine at once; Save writes the files.
class VHotkeyPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    // The tablet the engine has selected, when there is one.
    using DeviceSource = std::function<std::optional<TabletDeviceInfo>()>;
    // The program in the foreground; false when it cannot be told.
    using ForegroundSource = std::function<bool(ProcessEntry &process)>;
    // How the page asks the user: the dialogs, unless a test answers in the user's place. Each
    // answers true when the user confirmed, with the answer in its argument.
    struct Dialogs
    {
        ActionChooser action = chooseActionInDialog;
        std::function<bool(QWidget *parent, DialActionSelection &selection)> dialActions;
        std::function<bool(QWidget *parent, HotkeyOptions &options)> options;
    };

    explicit VHotkeyPanel(QWidget *parent = nullptr);
    ~VHotkeyPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    void setDeviceSource(DeviceSource source) { deviceSource = std::move(source); }
    void setForegroundSource(ForegroundSource source) { foregroundSource = std::move(source); }
    void setDialogs(Dialogs dialogs) { asked = std::move(dialogs); }

    QComboBox *applicationCombo() const;
    void fillApplicationCombo();
    // Lights the key, dial or touch segment of a TabletComponentPacketWrapper.
    void updateComponentData(const QVariant &wrapper);

public slots:
    void on_btnMoreOptions_clicked();
    void on_btnRestoreDefault_clicked();
    void slotComponentSelected();
    void slotRBClickButton();
    void slotRBTitleTextFinished(const QString &text);
    void on_btnOK_clicked();
    void on_comboSpecApp_currentIndexChanged(int index);
    // The tablet asked to move `dial` on to its next action pair.
    void slotSwitchDialAction(int dial);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The bindings the page shows and edits: the chosen application profile's while the keys
    // follow the applications, else the configuration's.
    struct Bindings
    {
        ActionMap *keys = nullptr;
        ActionMap *virtualKeys = nullptr;
        std::map<std::uint16_t, DialConfigure> *dials = nullptr;
        ActionMap *touches = nullptr;
        AppProfile *profile = nullptr;
    };

    Bindings bindingsInUse() const;
    int profileIndexInUse() const;
    void refreshRow(bool refreshPreview);
    void previewBindings(const Bindings &bindings, int page, bool rebuild, const QString &context);
    // Hands a change of the bindings to the engine: a profile through a new snapshot of the
    // profile list, the configuration through applyConfigure.
    void publish(const Bindings &bindings);
    void chooseKeyAction(const TabletLayoutComponent &component, const QString &title, bool dialSwitchAllowed);
    void chooseDialActions(std::uint16_t number);
    bool stillEdits(const DialogTarget &target);
    void showPreview();
    static ActionMap &mapOf(const Bindings &bindings, const TabletLayoutComponent &component);

    std::unique_ptr<Ui::VHotkeyPanel> ui;
    std::unique_ptr<VHotkeyPreviewDlg> preview;
    TabletDeviceInfo deviceInfo;
    DeviceSource deviceSource;
    ForegroundSource foregroundSource;
    Dialogs asked;
};
