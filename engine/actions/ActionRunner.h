#pragma once

#include "config/configure/TabletConfigure.h"
#include "config/packets/PointerEvent.h"
#include "config/packets/TabletPacket.h"
#include "config/profiles/AppProfile.h"
#include "engine/actions/ActionServices.h"
#include "engine/actions/ControlBinding.h"
#include "engine/actions/DialStepFilter.h"
#include "engine/actions/ShortcutCycle.h"
#include "engine/actions/ShortcutStrokes.h"
#include "engine/core/IActionHost.h"
#include "engine/core/RecycledEvents.h"
#include "engine/output/KeyboardEvent.h"

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class BindingChoice;
class TabletExecAction;
class TabletKeyboardAction;
class TabletMediaAction;
class TabletMiscAction;
class TabletMouseAction;

// Runs the actions bound to pen buttons, express and virtual keys, dials and the touch control,
// choosing the bindings of the application in the foreground. The engine's worker runs the
// controls' actions; the GUI thread may run actions, shortcuts and tips at the same time (a
// paste, a settings page trying an action). The state kept between calls (held controls, the
// dial's last step, the custom tools' rounds) is guarded by one mutex that is held only to read
// or change it: never while an action runs, waits or calls out, so no other lock is ever taken
// under it and a caller never waits for another caller's action.
class ActionRunner
{
public:
    ActionRunner(ActionServices services, IActionHost &host);

    // Runs one action as the control that fires it is pressed or released; false for no
    // action or one of an unknown kind. `binding` says which control ran it (none when the
    // action is run directly), for the actions that keep state between presses.
    bool runAction(const TabletActionPtr &action, bool pressed, const TabletConfigure &configure,
                   const ControlBinding &binding = {});
    void showActionTip(const TabletAction &action, const TabletConfigure &configure);
    void sendShortcut(const TabletKeyboardAction &action, bool pressed, const TabletConfigure &configure);
    void runMouseAction(const TabletMouseAction &action, bool pressed, const TabletConfigure &configure);

    // button2 is the flag of pen button 1, button1 of pen button 2 (as the tablet reports them).
    void handlePenButtons(bool button2, bool button1, const TabletConfigure &configure);
    void handleKey(const TabletKeyPacket &packet, const TabletConfigure &configure);
    void handleDial(const TabletDialPacket &packet, const TabletConfigure &configure);
    void handleTouch(const TabletTouchPacket &packet, const TabletConfigure &configure);

    static constexpr int kToolShortcutHoldMilliseconds = 10;
    static constexpr int kDialHoldMilliseconds = 1;
    static constexpr int kTouchHoldMilliseconds = 2;
    static constexpr int kMouseDelayMilliseconds = 5;

private:
    // A control that was pressed and the action its press ran.
    struct HeldControl
    {
        std::uint16_t number = 0;
        TabletActionPtr action;
    };
    // One run of an action, decided under the state mutex and made after it is released.
    struct ActionRun
    {
        TabletActionPtr action;
        bool pressed = false;
        ControlBinding binding;
    };
    // The runs that one packet makes: at most one release and one press, or one per pen button.
    struct ActionRuns
    {
        std::array<ActionRun, 2> runs;
        std::size_t count = 0;

        void add(ActionRun run) { runs[count++] = std::move(run); }
    };

    std::shared_ptr<const AppProfile> foregroundProfile(bool wanted) const;
    // Both change `held`; the caller holds the state mutex.
    static ActionRun press(HeldControl &held, std::uint16_t number, const TabletActionPtr &action,
                           const ControlBinding &binding);
    static ActionRun release(HeldControl &held, const TabletActionPtr &unheld);
    bool takeHeldKey(std::size_t group, ActionRun &run);
    void runAll(const ActionRuns &runs, const TabletConfigure &configure);
    void tap(const TabletActionPtr &action, int holdMilliseconds, const TabletConfigure &configure,
             const ControlBinding &binding);

    void showTip(const QString &text, const TabletConfigure &configure);
    void runMisc(const TabletMiscAction &action, const TabletConfigure &configure);
    void switchPenTool(const TabletConfigure &configure);
    void runShortcutCycle(const TabletMiscAction &action, const TabletConfigure &configure,
                          const ControlBinding &binding);
    void tapShortcutText(const QString &text, const TabletConfigure &configure);
    void sendKeyStrokes(const QString &hotkeyText, bool pressed, const TabletConfigure &configure);
    void runMedia(const TabletMediaAction &action);
    void runExec(const TabletExecAction &action);
    QString tipText(const TabletAction &action) const;

    void holdButton(int mode, bool pressed, bool allowed);
    void clickMiddle(bool pressed, bool gameMode, bool ink, bool pointerSent);
    void doubleClick(bool gameMode);
    void turnWheel(std::uint32_t button, bool gameMode);
    void zoom(std::uint32_t button, bool gameMode);
    void sendPointer(std::uint32_t kind, const QPoint &position, std::uint32_t button, bool pressed);
    void sendKey(const KeyboardEvent &event, int delayMilliseconds);

    QString translated(const QString &word) const;
    void wait(int milliseconds) const;
    std::uint64_t now() const;

    const ActionServices services;
    IActionHost &host;

    mutable std::mutex stateMutex; // guards the members below
    std::array<bool, 2> penButtonDown{};
    std::array<HeldControl, 2> penButtonHeld;
    // Express keys and virtual keys.
    std::array<HeldControl, 2> heldKey;
    DialStepFilter dialSteps;
    ShortcutCycle shortcutCycle;

    // The events handed to the drivers, reused once the drivers let go of them.
    template<typename Event>
    void letGo(std::shared_ptr<Event> &event);
    std::mutex eventMutex; // guards the two below
    RecycledEvents<MousePointerEvent> mouseEvents;
    RecycledEvents<KeyboardEvent> keyEvents;
    ShortcutStrokes shortcutStrokes;
};
