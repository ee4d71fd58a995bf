// The diagnosis dialog over the settings window's engine on a simulated pen tablet, while a pen
// stroke plays, in English, in the longest language and in a CJK one.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/support/SimulatedTablet.h"
#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"

#include <QTimer>

#ifdef Q_OS_WIN
#include "engine/display/DisplayManager_Win32.h"
#include "ui/dialogs/diagnosis/SystemLibraryFolders_Win32.h"
#endif

#include <memory>

namespace {

const char kTabletPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&2222&0&0000";
constexpr int kReportInterval = 8;

SimulatedHidDevice penTablet()
{
    return simulatedTablet(kTabletPath, "QZ-Pen 6");
}

// Step n of a stroke to the lower right with the pen tip down and the pressure rising.
std::vector<std::uint8_t> strokeReport(int step)
{
    const int x = 12000 + step * 60;
    const int y = 8000 + step * 25;
    const int pressure = qMin(600 + step * 40, 8191);
    return {0x09, 0x41, 0xa1, std::uint8_t(x), std::uint8_t(x >> 8), std::uint8_t(y), std::uint8_t(y >> 8),
            std::uint8_t(pressure), std::uint8_t(pressure >> 8), 0, 0, 0x0a, 0xfb};
}

QWidget *diagnosis(int language)
{
    prepareScene(language);
    ScreenStatusListen *displays = nullptr;
#ifdef Q_OS_WIN
    displays = DisplayManager_Win32::instance();
    VDiagnoseDlg::setLibraryFolders(systemWintabLibraryFolders);
#endif
    MainWindow *window = sceneMainWindow({penTablet()}, language, displays);
    const std::shared_ptr<SimulatedHidBus> bus = sceneHidBus();

    auto *dialog = new VDiagnoseDlg();
    QObject::connect(dialog, &QObject::destroyed, window, [window] { delete window; });
    dialog->updateInformation();
    auto *stroke = new QTimer(dialog);
    QObject::connect(stroke, &QTimer::timeout, dialog, [bus, step = 0]() mutable {
        bus->feedReport(kTabletPath, strokeReport(step++));
    });
    stroke->start(kReportInterval);
    return dialog;
}

} // namespace

QZ_SCREENSHOT_SCENE(diagnosis, "diagnosis", [] { return diagnosis(kEnglish); })
QZ_SCREENSHOT_SCENE(diagnosisRussian, "diagnosis-ru", [] { return diagnosis(kRussian); })
QZ_SCREENSHOT_SCENE(diagnosisChinese, "diagnosis-zh_CN", [] { return diagnosis(kSimplifiedChinese); })
