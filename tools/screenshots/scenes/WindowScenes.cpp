// The main window with a simulated tablet and with one of a model that it does not know, the
// no-device dialog, a question in the program's message box and a tip, in English and in the
// longest languages.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "ui/dialogs/messages/VMsgboxDlg.h"
#include "ui/dialogs/messages/VNotDetectedDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"

#include <QApplication>
#include <QIcon>

#include <memory>

namespace {

QWidget *mainWindow(int language)
{
    prepareScene(language);
    return sceneMainWindow({simulatedPenTablet()}, language);
}

// A tablet that reports a model name the driver has no configuration for.
QWidget *unknownModel(int language)
{
    prepareScene(language);
    return sceneMainWindow(describedTablet("QZ-Pen 99", "0999", "10 77 60 4f ff 1f d8 13 02 06 00 00 00"), language);
}

QWidget *noDevice(int language)
{
    prepareScene(language);
    return new VNotDetectedDlg();
}

QWidget *resetQuestion()
{
    prepareScene(kEnglish);
    auto *box = new VMsgboxDlg();
    box->setWindowTitle(QStringLiteral("Settings"));
    box->setIconPixmap(QIcon(QStringLiteral(":/res/image/comm/32x32/settings_32x32.png")).pixmap(32, 32));
    box->setText(QStringLiteral("This will reset all Settings to default, are you sure?"));
    box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box->setDefaultButton(QMessageBox::No);
    return box;
}

QWidget *tip(int language, const char *context, const char *text)
{
    prepareScene(language);
    VTipMsgboxDlg::createInstance();
    VTipMsgboxDlg *dialog = VTipMsgboxDlg::instance();
    dialog->slotShowMessage(QApplication::translate(context, text));
    return dialog;
}

} // namespace

QZ_SCREENSHOT_SCENE(mainWindow, "main-window", [] { return mainWindow(kEnglish); })
QZ_SCREENSHOT_SCENE(mainWindowRussian, "main-window-ru", [] { return mainWindow(kRussian); })
QZ_SCREENSHOT_SCENE(unknownModel, "main-window-unknown-model", [] { return unknownModel(kEnglish); })
QZ_SCREENSHOT_SCENE(unknownModelGerman, "main-window-unknown-model-de", [] { return unknownModel(kGerman); })
QZ_SCREENSHOT_SCENE(noDevice, "no-device", [] { return noDevice(kEnglish); })
QZ_SCREENSHOT_SCENE(noDeviceGerman, "no-device-de", [] { return noDevice(kGerman); })
QZ_SCREENSHOT_SCENE(resetQuestion, "message-box-question", resetQuestion)
QZ_SCREENSHOT_SCENE(tip, "tip", [] { return tip(kEnglish, "VPenPanel", "Configuration saved"); })
// The longest of the failure tips.
QZ_SCREENSHOT_SCENE(tipNotSavedFrench, "tip-not-saved-fr",
                    [] { return tip(kFrench, "ConfigurationSave", "Application settings not saved"); })
