// The pen page on a pen tablet and on a pen display, the action selection dialog on each of its
// pages, and the three option dialogs.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "ui/dialogs/actions/VActionSelectDlg.h"
#include "ui/dialogs/options/VHotkeyOptionDlg.h"
#include "ui/dialogs/options/VMappingOptionDlg.h"
#include "ui/dialogs/options/VPenOptionDlg.h"
#include "ui/pages/VPenPanel.h"


#include <memory>

namespace {


// The main window on a simulated tablet, showing the pen page with its curve and application
// chooser.
QWidget *penPage(const std::vector<SimulatedHidDevice> &tablet, int language)
{
    prepareScene(language);
    MainWindow *window = sceneMainWindow(tablet, language);
    if (const TabletConfigurePtr configure = currentConfigure()) {
        configure->pen.curveEnabled = true;
        configure->pen.appHotkeys = true;
        configure->pen.curve.middle = QPointF(0.62, 0.7);
    }
    if (auto *page = window->findChild<VPenPanel *>(QStringLiteral("penPanel")))
        page->updateFromConfigure();
    return window;
}

QWidget *penTabletPage(int language)
{
    return penPage(describedTablet("QZ-Pen 6", "0064", "10 77 60 4f ff 1f d8 13 02 06 00 00 00"), language);
}

QWidget *penDisplayPage(int language)
{
    return penPage(describedTablet("QZ-Canvas 16", "1601", "d2 14 01 c6 9b 00 ff 3f d8 13 02 08 00 02 00"),
                   language);
}

QWidget *actionDialog(int language, TabletActionPtr action, bool dialSwitchAllowed = true)
{
    prepareScene(language);
    ActionSelection selection;
    selection.text = VPenPanel::tr("[ Upper Button ]");
    selection.action = std::move(action);
    selection.dialSwitchAllowed = dialSwitchAllowed;
    return new VActionSelectDlg(selection);
}

QWidget *penOptions(int language, bool relative)
{
    prepareScene(language);
    return new VPenOptionDlg(PenOptions{true, true, relative, false});
}

QWidget *hotkeyOptions(int language)
{
    prepareScene(language);
    HotkeyOptions options;
    options.appHotkeys = true;
    options.modelHasKeys = true;
    options.hasKeys = true;
    options.modelHasDial = true;
    options.hasDial = true;
    options.dialSensitivity = true;
    options.modelHasTouch = false;
    return new VHotkeyOptionDlg(options);
}

QWidget *mappingOptions(int language, bool colorSupported)
{
    prepareScene(language);
    MappingOptions options;
    options.penDisplay = true;
    options.colorSupported = colorSupported;
    return new VMappingOptionDlg(options);
}

} // namespace

QZ_SCREENSHOT_SCENE(penPageTablet, "pen-page-tablet", [] { return penTabletPage(kEnglish); })
QZ_SCREENSHOT_SCENE(penPageTabletGerman, "pen-page-tablet-de", [] { return penTabletPage(kGerman); })
QZ_SCREENSHOT_SCENE(penPageDisplay, "pen-page-display", [] { return penDisplayPage(kEnglish); })
QZ_SCREENSHOT_SCENE(penPageDisplayRussian, "pen-page-display-ru", [] { return penDisplayPage(kRussian); })
QZ_SCREENSHOT_SCENE(actionShortcuts, "action-keyboard", [] {
    return actionDialog(kEnglish, std::make_shared<TabletKeyboardAction>("", "Ctrl+Z;Ctrl+Shift+Z;B", 0));
})
QZ_SCREENSHOT_SCENE(actionText, "action-keyboard-text-de", [] {
    return actionDialog(kGerman, std::make_shared<TabletKeyboardAction>("", QString::fromUtf8("Grüße aus Berlin"), 1));
})
QZ_SCREENSHOT_SCENE(actionMouse, "action-mouse", [] {
    return actionDialog(kEnglish, std::make_shared<TabletMouseAction>("", TabletMouseAction::CtrlWheelUp));
})
QZ_SCREENSHOT_SCENE(actionSwitch, "action-switch-custom-tool-ru", [] {
    return actionDialog(kRussian, std::make_shared<TabletMiscAction>("", TabletMiscAction::CustomTool,
                                                                     QStringList{"B", "Ctrl+E"}));
})
QZ_SCREENSHOT_SCENE(actionDialRefused, "action-switch-dial-refused", [] {
    return actionDialog(kEnglish, std::make_shared<TabletMiscAction>("", TabletMiscAction::ChangeDialAction), false);
})
QZ_SCREENSHOT_SCENE(actionProgram, "action-application", [] {
    return actionDialog(kEnglish, std::make_shared<TabletExecAction>("", "C:/Program Files/Krita/bin/krita.exe"));
})
QZ_SCREENSHOT_SCENE(actionMedia, "action-media-ja", [] {
    return actionDialog(kJapanese, std::make_shared<TabletMediaAction>("", TabletMediaAction::PlayPause));
})
QZ_SCREENSHOT_SCENE(actionNothing, "action-nothing", [] { return actionDialog(kEnglish, nullptr); })
QZ_SCREENSHOT_SCENE(penOptions, "pen-options", [] { return penOptions(kEnglish, false); })
QZ_SCREENSHOT_SCENE(penOptionsGerman, "pen-options-de", [] { return penOptions(kGerman, true); })
QZ_SCREENSHOT_SCENE(hotkeyOptions, "hotkey-options-ru", [] { return hotkeyOptions(kRussian); })
QZ_SCREENSHOT_SCENE(mappingOptions, "mapping-options", [] { return mappingOptions(kEnglish, true); })
QZ_SCREENSHOT_SCENE(mappingOptionsUnsupported, "mapping-options-unsupported-de",
                    [] { return mappingOptions(kGerman, false); })
