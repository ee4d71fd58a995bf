#pragma once

#include "engine/device/TabletDeviceInfo.h"
#include "ui/UIConfigure.h"
#include "ui/UILanguage.h"

#include <QPointer>
#include <QRect>
#include <QWidget>

#include <memory>
#include <optional>

namespace Ui {
class VMappingPanel;
}

class AppLogic;
class DialogTarget;
class ScreenStatusListen;
struct DisplayMappingInfo;
struct TabletConfigure;
class VMappingConnector;
class VScreenCalibrateDlg;
class VUnitEdit;

// The mapping page: which screen the tablet drives (one display or all of them), the screen area
// in pixels, the tablet area in percent, the rotation and, on a pen display, its calibration.
// Every change reaches the current configuration and the engine at once; Save writes the files.
class VMappingPanel : public QWidget, public UIConfigure, public UILanguage
{
    Q_OBJECT

public:
    explicit VMappingPanel(QWidget *parent = nullptr);
    ~VMappingPanel() override;

    // The displays the page maps to and follows (the display manager in the program); not owned.
    void setDisplays(ScreenStatusListen *displays);
    // The engine whose current tablet the page edits and whose screen switch it follows.
    void setEngine(AppLogic *engine);

    void updateFromConfigure() override;
    void applyConfigure() override;
    void retranslate() override;

    // Follows a rotation of the mapped display after Windows reported a change of its settings.
    void checkScreenRotation();

    bool eventFilter(QObject *watched, QEvent *event) override;

    // The overlay that calibrates a pen display; made with the page, without a parent.
    VScreenCalibrateDlg *calibrationDialog() const { return calibrateDialog.get(); }

public slots:
    void on_btnMoreOptions_clicked();
    void on_btnRestoreDefault_clicked();
    void on_btnAspectRatio_clicked();
    void on_comboScreens_currentIndexChanged(int index);
    void on_btnFullScreen_clicked();
    void on_btnFullTablet_clicked();
    void on_btnOK_clicked();
    void on_comboRotation_currentIndexChanged(int index);
    void on_btnCalibrate_clicked();
    void on_comboRotation_activated(int index);
    // The engine's screen switch: the next single display.
    void slotSwitchScreen();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void setUpFields();
    void fitTextButton();
    void keepPartner(VUnitEdit *changed, VUnitEdit *partner, int extent);
    void pushScreenArea();
    void pushTabletArea();
    void onDisplayChanged();
    void followDisplayRotation();
    void fillScreenList();
    void storeScreenPart();
    void storeTabletArea();
    void updateCalibrateButton(bool allScreens, bool penDisplayScreen);
    void setAreaEditing(bool editable);
    void setScreenFields(const QRect &area);
    void setTabletFields(const QRect &area);
    void turnDisplay(int quarterTurns);
    void storeCalibration(double kx, double ky, double kcx, double kcy);
    bool stillEdits(const DialogTarget &target);
    bool mappedDisplay(DisplayMappingInfo &record) const;
    QRect screenFields() const;
    QRect tabletFields() const;
    VMappingConnector *connector() const;
    std::optional<TabletDeviceInfo> connectedDevice() const;

    Ui::VMappingPanel *ui;
    int screenWidth = -1;
    int screenHeight = -1;
    int tabletWidth = 100;
    int tabletHeight = 100;
    QPointer<ScreenStatusListen> displays;
    QPointer<AppLogic> engine;
    std::unique_ptr<VScreenCalibrateDlg> calibrateDialog;
    // The configuration the running calibration measures for.
    std::weak_ptr<TabletConfigure> calibrated;
};
