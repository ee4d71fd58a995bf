#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/layout/TabletLayoutPenPart.h"
#include "engine/device/TabletDeviceInfo.h"
#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"
#include "ui/dialogs/actions/ActionSelection.h"
#include "ui/pages/PressureReadout.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class DialogTarget;
class QComboBox;
class QVariant;
class VRichButton;

namespace Ui {
class VPenPanel;
}

// The pen page: the actions of the pen's two buttons (for all applications or for one
// application profile), the pressure curve and its presets, the pressure mode, Windows Ink,
// mouse mode and its speed, and the pen options. Every edit goes into the current configuration
// and on to the engine at once; Save writes the files.
class VPenPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    static constexpr std::uint16_t kLowerButton = 1;
    static constexpr std::uint16_t kUpperButton = 2;

    // The tablet the engine has selected, when there is one.
    using DeviceSource = std::function<std::optional<TabletDeviceInfo>()>;

    explicit VPenPanel(QWidget *parent = nullptr);
    ~VPenPanel() override;

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    void setDeviceSource(DeviceSource source);
    QComboBox *applicationCombo() const;
    void fillApplicationCombo();
    // Shows the live pressure of a pen packet (a TabletPenPacketWrapper).
    void updatePenData(const QVariant &wrapper);

    void chooseButtonAction(VRichButton *row, std::uint16_t id);
    void refreshButtonRow(VRichButton *row, std::uint16_t id);
    void setPenLayout(const TabletLayoutPenPart &pen);

public slots:
    void slotParamChanged();
    void slotButtonUpClickButton();
    void slotButtonDownClickButton();
    void slotRBTitleTextFinished(const QString &text);

private slots:
    void on_btnMoreOptions_clicked();
    void on_btnRestoreDefault_clicked();
    void on_checkMouseMode_stateChanged(int state);
    void on_checkWindowsInk_stateChanged(int state);
    void on_sliderRelative_valueChanged(int value);
    void on_btnOK_clicked();
    void on_btnRestore_clicked();
    void on_comboSpecApp_currentIndexChanged(int index);
    void on_btnS2_clicked();
    void on_btnS1_clicked();
    void on_btnM0_clicked();
    void on_btnH1_clicked();
    void on_btnH2_clicked();
    void on_comboPenCapacity_currentIndexChanged(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // The button map that the rows show and edit, and whether it is an application profile's.
    struct ButtonMap
    {
        ActionMap *map = nullptr;
        bool profile = false;
    };

    void fillCapacityCombo();
    void applyPreset(double middle);
    void refreshButtonRows();
    ButtonMap buttonMapInUse() const;
    // Writes a changed map where the engine reads it: a profile through a new snapshot of the
    // profile list, the configuration through applyConfigure.
    void publishButtonMap(const ButtonMap &used);
    int profileIndexInUse() const;
    ActionSelection buttonSelection(std::uint16_t id) const;
    bool stillEdits(const DialogTarget &target);
    void connectIndicator(const QRect &button, VRichButton *row, bool first);
    std::uint16_t idOfRow(const QObject *row) const;

    std::unique_ptr<Ui::VPenPanel> ui;
    TabletDeviceInfo deviceInfo;
    DeviceSource deviceSource;
    PressureReadout pressureReadout;
};
