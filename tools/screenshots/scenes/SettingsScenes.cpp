// The settings page in the main window on a simulated tablet, scrolled to its top and to its
// bottom, in English and in languages of other scripts and lengths; and the message an import
// of a broken package ends with.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/configure/CommonSettings.h"
#include "ui/dialogs/messages/VMsgboxDlg.h"

#include <QApplication>
#include <QIcon>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>

#include <memory>

namespace {

enum class Scroll { Top, Bottom };

// The window as it opens when the language was chosen before: the language row names the
// languages in the language the program started with.
QWidget *settingsPage(int language, Scroll scroll)
{
    prepareScene(language);
    CommonConfigure stored;
    stored.language = std::uint32_t(language);
    saveCommonSettings(stored);
    MainWindow *window = sceneMainWindow({simulatedPenTablet()}, language);
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

QWidget *importMessage(int language, const QString &text)
{
    prepareScene(language);
    auto *box = new VMsgboxDlg();
    box->setWindowTitle(QApplication::translate("VSettingsPanel", "Import Settings"));
    box->setIconPixmap(QIcon(QStringLiteral(":/res/image/comm/32x32/settings_32x32.png")).pixmap(32, 32));
    box->setText(text);
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
QZ_SCREENSHOT_SCENE(importAbortGerman, "settings-import-abort-de", [] {
    return importMessage(kGerman, QApplication::translate("VSettingsPanel", "Settings import abort"));
})
// An import that wrote some of its files, in the language with the longest words.
QZ_SCREENSHOT_SCENE(importPartlyGerman, "settings-import-partly-de", [] {
    return importMessage(kGerman, QApplication::translate("VSettingsPanel", "Settings partly imported") + QLatin1Char('\n')
                                          + QApplication::translate("VSettingsPanel", "Could not be written: %1")
                                                    .arg(QStringLiteral("QZ-Pen 6.xml, Krita.xml, comm.xml")));
})
