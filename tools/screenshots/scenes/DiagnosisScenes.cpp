// The diagnosis dialog over the settings window's engine on a simulated pen tablet, while a pen
// stroke plays, in English, in the longest language and in a CJK one.
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/TabletLanguage.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "ui/dialogs/VDiagnoseDlg.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QTimer>

#ifdef Q_OS_WIN
#include "engine/display/DisplayManager_Win32.h"
#include "ui/dialogs/SystemLibraryFolders_Win32.h"
#endif

#include <memory>

namespace {

constexpr int kEnglish = 0;
constexpr int kChinese = 1;
constexpr int kRussian = 8;
const char kTabletPath[] = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&2222&0&0000";
constexpr int kReportInterval = 8;

SimulatedHidDevice penTablet()
{
    SimulatedHidDevice device;
    device.path = kTabletPath;
    device.hardwareIds = {"HID\\VID_5A4C&PID_0064&MI_02"};
    device.vendorId = 0x5A4C;
    device.productId = 0x0064;
    device.usagePage = 0xFF0A;
    device.inputReportLength = 13;
    device.outputReportLength = 13;
    device.indexedStrings[2] = SimulatedHidDescription::utf16String(QStringLiteral("QZ-Pen 6"));
    device.indexedStrings[3] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6_V1.02"));
    std::vector<std::uint8_t> block = {0x10, 0x77, 0x60, 0x4f, 0xff, 0x1f, 0xd8, 0x13, 0x02, 6, 0, 0, 0};
    block.resize(64, 0);
    device.indexedStrings[20] = block;
    device.indexedStrings[22] = {0x02, 0x00, 0x00, 0x00};
    device.indexedStrings[23] = SimulatedHidDescription::utf16String(QStringLiteral("QZP6-A"));
    return device;
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
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (!sheet.isEmpty())
        qApp->setStyleSheet(sheet);
    auto bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(penTablet());
    EnginePlatform platform;
    platform.hid = bus;
#ifdef Q_OS_WIN
    platform.displays = DisplayManager_Win32::instance();
    VDiagnoseDlg::setLibraryFolders(systemWintabLibraryFolders);
#endif
    auto *window = new MainWindow(std::move(platform));
    TabletLanguage::instance().setLanguage(language);

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
QZ_SCREENSHOT_SCENE(diagnosisChinese, "diagnosis-zh_CN", [] { return diagnosis(kChinese); })
