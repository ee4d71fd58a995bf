// The pen display's dialogs: the picture settings on a simulated monitor (with the user preset,
// and on a monitor that does not answer for its brightness), the calibration overlay and a
// monitor's number, in English and in the longest languages.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "engine/ddc/MccsCodes.h"
#include "engine/ddc/SimulatedDDCInterface.h"
#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"
#include "ui/dialogs/display/VDDCControlDlg.h"
#include "ui/dialogs/display/VScreenDetectDlg.h"


#include <chrono>
#include <memory>

namespace {

QWidget *pictureSettings(int language, bool answersBrightness)
{
    prepareScene(language);
    auto monitor = std::make_shared<SimulatedDdcMonitor>();
    monitor->setValue(MccsCodes::kSelectColorPreset, MccsCodes::kPresetUser1, MccsCodes::kPresetUser1);
    monitor->setValue(MccsCodes::kBrightness, 72, 100);
    monitor->setValue(MccsCodes::kRedGain, 64, 100);
    monitor->setFailingCode(MccsCodes::kBrightness, !answersBrightness);
    DdcMonitorAccess access;
    access.createInterface = [monitor] {
        return std::make_shared<SimulatedDDCInterface>(std::vector<std::shared_ptr<SimulatedDdcMonitor>>{monitor},
                                                       [](std::chrono::milliseconds) {});
    };
    VDDCControlDlg::setMonitorAccess(access);
    auto *dialog = new VDDCControlDlg();
    dialog->bindMonitor(0);
    return dialog;
}

QWidget *calibration(int language)
{
    prepareScene(language);
    auto *dialog = new VScreenCalibrateDlg();
    dialog->showOnScreen({QRect(0, 0, 1280, 720), 4095, 4095, 0});
    return dialog;
}

QWidget *screenNumber()
{
    prepareScene(kEnglish);
    auto *dialog = new VScreenDetectDlg();
    dialog->showOnScreen(2, QRect(0, 0, 1280, 720));
    return dialog;
}

} // namespace

QZ_SCREENSHOT_SCENE(ddcControl, "ddc-control", [] { return pictureSettings(kEnglish, true); })
QZ_SCREENSHOT_SCENE(ddcControlGerman, "ddc-control-de", [] { return pictureSettings(kGerman, true); })
QZ_SCREENSHOT_SCENE(ddcControlRussian, "ddc-control-ru", [] { return pictureSettings(kRussian, true); })
QZ_SCREENSHOT_SCENE(ddcControlJapanese, "ddc-control-ja", [] { return pictureSettings(kJapanese, true); })
QZ_SCREENSHOT_SCENE(ddcControlUnsupported, "ddc-control-unsupported", [] { return pictureSettings(kEnglish, false); })
QZ_SCREENSHOT_SCENE(calibration, "calibrate", [] { return calibration(kEnglish); })
QZ_SCREENSHOT_SCENE(calibrationGerman, "calibrate-de", [] { return calibration(kGerman); })
QZ_SCREENSHOT_SCENE(calibrationJapanese, "calibrate-ja", [] { return calibration(kJapanese); })
QZ_SCREENSHOT_SCENE(screenNumber, "screen-number", screenNumber)
