// The main window with a simulated tablet, the no-device dialog, a question in the program's
// message box and a tip, in English and in the longest languages.
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/TabletLanguage.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "ui/dialogs/VMsgboxDlg.h"
#include "ui/dialogs/VNotDetectedDlg.h"
#include "ui/dialogs/VTipMsgboxDlg.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 4;
constexpr int kRussian = 8;

// The look of the whole program, as the program's start applies it, in the given language.
void prepare(int language)
{
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (!sheet.isEmpty())
        qApp->setStyleSheet(sheet);
    TabletLanguage::instance().setLanguage(language);
}

// One pen tablet on a simulated bus that lives as long as the window.
SimulatedHidDevice penTablet()
{
    SimulatedHidDevice device;
    device.path = "\\\\?\\hid#vid_5a4c&pid_0064&mi_02#8&1111&0&0000";
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
    return device;
}

QWidget *mainWindow(int language)
{
    prepare(language);
    static std::shared_ptr<SimulatedHidBus> bus;
    bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(penTablet());
    EnginePlatform platform;
    platform.hid = bus;
    auto *window = new MainWindow(std::move(platform));
    // The window takes the saved language first; a change afterwards re-translates it.
    TabletLanguage::instance().setLanguage(language);
    return window;
}

QWidget *noDevice(int language)
{
    prepare(language);
    return new VNotDetectedDlg();
}

QWidget *resetQuestion()
{
    prepare(kEnglish);
    auto *box = new VMsgboxDlg();
    box->setWindowTitle(QStringLiteral("Settings"));
    box->setIconPixmap(QIcon(QStringLiteral(":/res/image/comm/32x32/settings_32x32.png")).pixmap(32, 32));
    box->setText(QStringLiteral("This will reset all Settings to default, are you sure?"));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box;
}

QWidget *tip()
{
    prepare(kEnglish);
    VTipMsgboxDlg::createInstance();
    VTipMsgboxDlg *dialog = VTipMsgboxDlg::instance();
    dialog->slotShowMessage(QStringLiteral("Configuration saved"));
    return dialog;
}

} // namespace

QZ_SCREENSHOT_SCENE(mainWindow, "main-window", [] { return mainWindow(kEnglish); })
QZ_SCREENSHOT_SCENE(mainWindowRussian, "main-window-ru", [] { return mainWindow(kRussian); })
QZ_SCREENSHOT_SCENE(noDevice, "no-device", [] { return noDevice(kEnglish); })
QZ_SCREENSHOT_SCENE(noDeviceGerman, "no-device-de", [] { return noDevice(kGerman); })
QZ_SCREENSHOT_SCENE(resetQuestion, "message-box-question", resetQuestion)
QZ_SCREENSHOT_SCENE(tip, "tip", tip)
