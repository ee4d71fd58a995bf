// The express-key page on a tablet with keys and dials and on a pen display with a touch control,
// and its dialogs: the dial's actions, the preview of every binding and the application list.
#include "SceneSupport.h"
#include "ScreenshotScene.h"

#include "app/MainWindow.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/layout/ModelTables.h"
#include "ui/dialogs/actions/VAppSelectDlg.h"
#include "ui/dialogs/actions/VDialActionDlg.h"
#include "ui/dialogs/actions/VHotkeyPreviewDlg.h"
#include "ui/pages/VHotkeyLayoutPanel.h"
#include "ui/pages/VHotkeyPanel.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMouseEvent>

#include <memory>

namespace {

constexpr int kHotkeyPage = 1;


// Clicks the first component of that kind in the tablet picture, as the user would.
void selectComponent(QWidget *window, TabletLayoutComponent::Type type)
{
    auto *panel = window->findChild<VHotkeyLayoutPanel *>();
    const TabletConfigurePtr configure = currentConfigure();
    const TabletLayoutPtr layout = configure ? layoutForModel(configure->model) : nullptr;
    if (!panel || !layout)
        return;
    for (const TabletLayoutComponentPtr &component : layout->tablet.components) {
        if (component->type != type)
            continue;
        const QPoint centre = component->rect.center();
        QMouseEvent press(QEvent::MouseButtonPress, centre, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QMouseEvent release(QEvent::MouseButtonRelease, centre, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(panel, &press);
        QApplication::sendEvent(panel, &release);
        return;
    }
}

// The main window on a simulated tablet, on the express-key page with the applications shown.
QWidget *hotkeyPage(const std::vector<SimulatedHidDevice> &tablet, TabletLayoutComponent::Type selected, int language)
{
    prepareScene(language);
    MainWindow *window = sceneMainWindow(tablet, language);
    if (const TabletConfigurePtr configure = currentConfigure())
        configure->hotkey.appHotkeys = true;
    window->findChild<QListWidget *>(QStringLiteral("menuMain"))->setCurrentRow(kHotkeyPage);
    if (auto *page = window->findChild<VHotkeyPanel *>(QStringLiteral("hotkeyPanel")))
        page->updateFromConfigure();
    selectComponent(window, selected);
    return window;
}

QWidget *dialTabletPage(int language)
{
    return hotkeyPage(describedTablet("QZ-Pen 8 Dial", "0069", "c0 9e 38 63 ff 1f d8 13 02 08 00 02 00"),
                      TabletLayoutComponent::Dial, language);
}

QWidget *touchDisplayPage(int language)
{
    return hotkeyPage(describedTablet("QZ-Canvas 13 Touch", "1302", "30 e6 7b 81 ff 1f d8 13 02 04 02 00 00"),
                      TabletLayoutComponent::Touch, language);
}

TabletActionPtr shortcut(const char *tip, const char *keys)
{
    return std::make_shared<TabletKeyboardAction>(QString::fromLatin1(tip), QString::fromLatin1(keys), 0);
}

// Three dial functions: brush size, zoom, and a one-sided volume step.
QWidget *dialActions(int language)
{
    prepareScene(language);
    DialActionSelection selection;
    selection.name = QStringLiteral("[ D-1 ]  ");
    selection.number = 1;
    selection.entries.push_back({shortcut("Brush -", "["), shortcut("Brush +", "]")});
    selection.entries.push_back({shortcut("Zoom Out", "Ctrl+-"), shortcut("Zoom In", "Ctrl+=")});
    selection.entries.push_back({nullptr, std::make_shared<TabletMediaAction>(QStringLiteral("Volume +"), 10)});
    return new VDialActionDlg(selection);
}

QWidget *preview(int language)
{
    prepareScene(language);
    HotkeyConfigure bindings;
    bindings.keys[1] = shortcut("Undo", "Ctrl+Z");
    bindings.keys[2] = shortcut("Redo", "Ctrl+Shift+Z");
    bindings.keys[3] = shortcut("Brush", "B");
    bindings.keys[4] = std::make_shared<TabletMouseAction>(QStringLiteral("Right Click"), 3);
    bindings.keys[5] = nullptr;
    DialConfigure dial;
    dial.pairs.emplace_back(shortcut("Brush -", "["), shortcut("Brush +", "]"));
    dial.pairs.emplace_back(shortcut("Zoom Out", "Ctrl+-"), shortcut("Zoom In", "Ctrl+="));
    dial.index = 1;
    bindings.dials[1] = dial;
    bindings.dials[2] = DialConfigure();
    bindings.touches[1] = std::make_shared<TabletMouseAction>(QStringLiteral("Wheel Up"), 5);
    bindings.touches[2] = std::make_shared<TabletMouseAction>(QStringLiteral("Wheel Down"), 6);
    auto *dialog = new VHotkeyPreviewDlg();
    dialog->show(); // a hidden preview only takes its title
    dialog->setPreviewSource(bindings, VHotkeyPreviewDlg::DialPage, true, VHotkeyPanel::tr("All Applications"));
    return dialog;
}

ProcessEntry program(const char *name, const char *path)
{
    ProcessEntry entry;
    entry.name = QString::fromLatin1(name);
    entry.path = QString::fromLatin1(path);
    entry.icon = QIcon(QStringLiteral(":/res/image/comm/32x32/application_32x32.png"));
    return entry;
}

// Two profiled applications and the running programs, one of them chosen.
QWidget *applications(int language)
{
    prepareScene(language);
    AppProfile krita;
    krita.name = QStringLiteral("krita");
    krita.path = QStringLiteral("C:\\Program Files\\Krita (x64)\\bin\\krita.exe");
    krita.icon = QIcon(QStringLiteral(":/res/image/comm/32x32/application_32x32.png"));
    AppProfile sai = krita;
    sai.name = QStringLiteral("sai2");
    sai.path = QStringLiteral("C:\\PaintTool SAI 2\\sai2.exe");
    setAppProfiles({krita, sai});
    auto *dialog = new VAppSelectDlg({program("krita", "C:\\Program Files\\Krita (x64)\\bin\\krita.exe"),
                                      program("sai2", "C:\\PaintTool SAI 2\\sai2.exe"),
                                      program("CLIPStudioPaint", "C:\\Program Files\\CELSYS\\CLIPStudioPaint.exe"),
                                      program("notepad", "C:\\Windows\\notepad.exe"),
                                      program("Photoshop", "C:\\Program Files\\Adobe\\Photoshop.exe")});
    if (auto *table = dialog->findChild<QWidget *>(QStringLiteral("asdTableProcess")))
        QMetaObject::invokeMethod(table, "selectRow", Q_ARG(int, 0));
    return dialog;
}

} // namespace

QZ_SCREENSHOT_SCENE(hotkeyPageDial, "hotkey-page-dial", [] { return dialTabletPage(kEnglish); })
QZ_SCREENSHOT_SCENE(hotkeyPageDialRussian, "hotkey-page-dial-ru", [] { return dialTabletPage(kRussian); })
QZ_SCREENSHOT_SCENE(hotkeyPageTouch, "hotkey-page-touch", [] { return touchDisplayPage(kEnglish); })
QZ_SCREENSHOT_SCENE(hotkeyPageTouchGerman, "hotkey-page-touch-de", [] { return touchDisplayPage(kGerman); })
QZ_SCREENSHOT_SCENE(dialActionsScene, "dial-actions", [] { return dialActions(kEnglish); })
QZ_SCREENSHOT_SCENE(dialActionsGerman, "dial-actions-de", [] { return dialActions(kGerman); })
QZ_SCREENSHOT_SCENE(previewScene, "hotkey-preview", [] { return preview(kEnglish); })
QZ_SCREENSHOT_SCENE(previewChinese, "hotkey-preview-zh_CN", [] { return preview(kSimplifiedChinese); })
QZ_SCREENSHOT_SCENE(applicationsScene, "applications", [] { return applications(kEnglish); })
QZ_SCREENSHOT_SCENE(applicationsRussian, "applications-ru", [] { return applications(kRussian); })
