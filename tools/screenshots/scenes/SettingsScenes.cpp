// The settings page in the main window on a simulated tablet, scrolled to its top and to its
// bottom, in English and in languages of other scripts and lengths; and the message an import
// of a broken package ends with.
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/CommonSettings.h"
#include "config/TabletLanguage.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "ui/dialogs/VMsgboxDlg.h"
#include "ui/widgets/WindowHelpers.h"

#include <QApplication>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <memory>

namespace {

constexpr int kEnglish = 0;
constexpr int kSimplifiedChinese = 1;
constexpr int kTraditionalChinese = 2;
constexpr int kFrench = 3;
constexpr int kGerman = 4;
constexpr int kItalian = 5;
constexpr int kJapanese = 6;
constexpr int kKorean = 7;
constexpr int kRussian = 8;
constexpr int kSpanish = 9;
constexpr int kPortuguese = 10;

void prepare(int language)
{
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (!sheet.isEmpty())
        qApp->setStyleSheet(sheet);
    TabletLanguage::instance().setLanguage(language);
}

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

enum class Scroll { Top, Bottom };

// The window as it opens when the language was chosen before: the language row names the
// languages in the language the program started with.
QWidget *settingsPage(int language, Scroll scroll)
{
    prepare(language);
    CommonConfigure stored;
    stored.language = std::uint32_t(language);
    saveCommonSettings(stored);
    static std::shared_ptr<SimulatedHidBus> bus;
    bus = std::make_shared<SimulatedHidBus>();
    bus->addDevice(penTablet());
    EnginePlatform platform;
    platform.hid = bus;
    auto *window = new MainWindow(std::move(platform));
    auto *menu = window->findChild<QListWidget *>(QStringLiteral("menuSettings"));
    menu->setCurrentRow(0);
    if (scroll == Scroll::Bottom) {
        // Once the window is shown, its scroll area knows how far it scrolls.
        QTimer::singleShot(100, window, [window] {
            QScrollBar *bar = window->findChild<QScrollArea *>(QStringLiteral("spScrollArea"))->verticalScrollBar();
            bar->setValue(bar->maximum());
        });
    }
    return window;
}

QWidget *importAbort(int language)
{
    prepare(language);
    auto *box = new VMsgboxDlg();
    box->setWindowTitle(QApplication::translate("VSettingsPanel", "Import Settings"));
    box->setIconPixmap(QIcon(QStringLiteral(":/res/image/comm/32x32/settings_32x32.png")).pixmap(32, 32));
    box->setText(QApplication::translate("VSettingsPanel", "Settings import abort"));
    box->setStandardButtons(QMessageBox::Ok);
    box->button(QMessageBox::Ok)->setText(QApplication::translate("VSettingsPanel", "OK"));
    return box;
}

} // namespace

QZ_SCREENSHOT_SCENE(settingsTop, "settings-page", [] { return settingsPage(kEnglish, Scroll::Top); })
QZ_SCREENSHOT_SCENE(settingsBottom, "settings-page-bottom", [] { return settingsPage(kEnglish, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsGerman, "settings-page-de", [] { return settingsPage(kGerman, Scroll::Top); })
QZ_SCREENSHOT_SCENE(settingsGermanBottom, "settings-page-de-bottom", [] { return settingsPage(kGerman, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsChinese, "settings-page-zh_CN", [] { return settingsPage(kSimplifiedChinese, Scroll::Top); })
QZ_SCREENSHOT_SCENE(settingsChineseBottom, "settings-page-zh_CN-bottom",
                    [] { return settingsPage(kSimplifiedChinese, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsRussian, "settings-page-ru", [] { return settingsPage(kRussian, Scroll::Top); })
QZ_SCREENSHOT_SCENE(settingsJapanese, "settings-page-ja", [] { return settingsPage(kJapanese, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsRussianBottom, "settings-page-ru-bottom", [] { return settingsPage(kRussian, Scroll::Bottom); })
// The other languages, where the longest texts are: the menu beside the page and the captions.
QZ_SCREENSHOT_SCENE(settingsTraditionalChinese, "settings-page-zh_TW-bottom",
                    [] { return settingsPage(kTraditionalChinese, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsFrench, "settings-page-fr-bottom", [] { return settingsPage(kFrench, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsItalian, "settings-page-it-bottom", [] { return settingsPage(kItalian, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsKorean, "settings-page-ko-bottom", [] { return settingsPage(kKorean, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsSpanish, "settings-page-es-bottom", [] { return settingsPage(kSpanish, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(settingsPortuguese, "settings-page-pt-bottom",
                    [] { return settingsPage(kPortuguese, Scroll::Bottom); })
QZ_SCREENSHOT_SCENE(importAbortGerman, "settings-import-abort-de", [] { return importAbort(kGerman); })
