#include "engine/actions/ActionRunner.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"
#include "config/packets/PointerEvent.h"
#include "engine/actions/BindingChoice.h"
#include "engine/actions/MediaKey.h"
#include "engine/actions/ShortcutText.h"
#include "engine/actions/ToolShortcuts.h"
#include "engine/apps/AppProfileChoice.h"
#include "engine/apps/ApplicationCodes.h"
#include "engine/core/YieldDelay.h"
#include "engine/pen/CursorNormalization.h"

#include <QFileInfo>
#include <QLoggingCategory>

namespace {

// One line per action run, off unless the logging rules turn "qz.actions.info" on.
Q_LOGGING_CATEGORY(actionLog, "qz.actions", QtWarningMsg)

constexpr std::uint16_t kPenButtonCount = 2;

bool isGameMode(const TabletConfigure &configure)
{
    return configure.pen.relative && configure.pen.gameSupport;
}

} // namespace

ActionRunner::ActionRunner(ActionServices services, IActionHost &host)
    : services(std::move(services)), host(host)
{
}

// ---- bindings

std::shared_ptr<const AppProfile> ActionRunner::foregroundProfile(bool wanted) const
{
    if (!wanted || !services.foreground || !services.appProfiles)
        return {};
    ProcessEntry foreground;
    if (!services.foreground->foregroundProcess(foreground))
        return {};
    return currentAppProfile(foreground, services.appProfiles());
}

void ActionRunner::handlePenButtons(bool button2, bool button1, const TabletConfigure &configure)
{
    const std::array<bool, kPenButtonCount> down = {button2, button1};
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        if (down == penButtonDown)
            return;
    }
    const std::shared_ptr<const AppProfile> profile = foregroundProfile(configure.pen.appHotkeys);
    const BindingChoice choice(configure, profile.get());
    ActionRuns runs;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        // Releases first, so that a button that lets go never outlasts one that goes down.
        for (const bool pressing : {false, true}) {
            for (std::uint16_t i = 0; i < kPenButtonCount; ++i) {
                if (down[i] == penButtonDown[i] || down[i] != pressing)
                    continue;
                penButtonDown[i] = down[i];
                const std::uint16_t number = std::uint16_t(i + 1);
                const TabletActionPtr bound = BindingChoice::find(choice.penButtons(), number);
                runs.add(pressing ? press(penButtonHeld[i], number, bound, choice.penButton(number))
                                  : release(penButtonHeld[i], bound));
            }
        }
    }
    runAll(runs, configure);
}

// A release report names no key (index 0): it releases what the key's press ran, whatever
// binding applies by now. A press of another key first releases the one held.
void ActionRunner::handleKey(const TabletKeyPacket &packet, const TabletConfigure &configure)
{
    const std::size_t group = packet.isVirtual ? 1 : 0;
    const bool pressing = packet.pressed && packet.key != TabletKeyPacket::kNoKey;
    if (!pressing) {
        ActionRun held;
        if (takeHeldKey(group, held)) {
            runAction(held.action, held.pressed, configure, held.binding);
            return;
        }
        if (packet.key == TabletKeyPacket::kNoKey)
            return;
    }
    const std::shared_ptr<const AppProfile> profile = foregroundProfile(configure.hotkey.appHotkeys);
    const BindingChoice choice(configure, profile.get());
    const bool isVirtual = packet.isVirtual != 0;
    const TabletActionPtr bound = BindingChoice::find(choice.keys(isVirtual), packet.key);
    if (!pressing) {
        runAction(bound, false, configure, choice.key(isVirtual, packet.key));
        return;
    }
    ActionRuns runs;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        HeldControl &held = heldKey[group];
        if (held.action && held.number != packet.key)
            runs.add(release(held, nullptr));
        runs.add(press(held, packet.key, bound, choice.key(isVirtual, packet.key)));
    }
    runAll(runs, configure);
}

bool ActionRunner::takeHeldKey(std::size_t group, ActionRun &run)
{
    std::lock_guard<std::mutex> lock(stateMutex);
    if (!heldKey[group].action)
        return false;
    run = release(heldKey[group], nullptr);
    return true;
}

ActionRunner::ActionRun ActionRunner::press(HeldControl &held, std::uint16_t number, const TabletActionPtr &action,
                                            const ControlBinding &binding)
{
    held.number = number;
    held.action = action;
    return {action, true, binding};
}

ActionRunner::ActionRun ActionRunner::release(HeldControl &held, const TabletActionPtr &unheld)
{
    const TabletActionPtr action = held.action ? held.action : unheld;
    held = HeldControl();
    return {action, false, ControlBinding()};
}

void ActionRunner::runAll(const ActionRuns &runs, const TabletConfigure &configure)
{
    for (std::size_t i = 0; i < runs.count; ++i) {
        const ActionRun &run = runs.runs[i];
        runAction(run.action, run.pressed, configure, run.binding);
    }
}

void ActionRunner::handleDial(const TabletDialPacket &packet, const TabletConfigure &configure)
{
    if (configure.hotkey.dialSensitivity && packet.direction != 0) {
        const std::uint64_t time = now();
        std::lock_guard<std::mutex> lock(stateMutex);
        if (!dialSteps.accept(packet.direction, time))
            return;
    }
    const std::shared_ptr<const AppProfile> profile = foregroundProfile(configure.hotkey.appHotkeys);
    const BindingChoice choice(configure, profile.get());
    const auto entry = choice.dials().find(packet.index);
    if (entry == choice.dials().end())
        return;
    if (packet.direction == 0) {
        host.requestDialActionSwitch(packet.index);
        return;
    }
    const DialConfigure &dial = entry->second;
    if (dial.index >= dial.pairs.size())
        return;
    const ActionPair &pair = dial.pairs[dial.index];
    const ControlBinding binding = choice.dialStep(packet.index, std::uint32_t(dial.index), packet.direction);
    if (packet.direction == 1)
        tap(pair.first, kDialHoldMilliseconds, configure, binding);
    else if (packet.direction == 2)
        tap(pair.second, kDialHoldMilliseconds, configure, binding);
}

void ActionRunner::handleTouch(const TabletTouchPacket &packet, const TabletConfigure &configure)
{
    const std::shared_ptr<const AppProfile> profile = foregroundProfile(configure.hotkey.appHotkeys);
    const BindingChoice choice(configure, profile.get());
    const auto position = std::uint16_t(packet.position);
    tap(BindingChoice::find(choice.touches(), position), kTouchHoldMilliseconds, configure,
        choice.touch(position));
}

void ActionRunner::tap(const TabletActionPtr &action, int holdMilliseconds, const TabletConfigure &configure,
                       const ControlBinding &binding)
{
    if (!action)
        return;
    runAction(action, true, configure, binding);
    wait(holdMilliseconds);
    runAction(action, false, configure, binding);
}

// ---- actions

bool ActionRunner::runAction(const TabletActionPtr &action, bool pressed, const TabletConfigure &configure,
                             const ControlBinding &binding)
{
    if (!action)
        return false;
    qCInfo(actionLog).nospace().noquote() << action->typeName << " action \"" << action->tip << "\" ("
                                          << action->displayText() << ") " << (pressed ? "pressed" : "released");
    const auto *misc = dynamic_cast<const TabletMiscAction *>(action.get());
    if (action->type == TabletAction::Misc && misc && misc->event == TabletMiscAction::CustomTool) {
        // Its tip names the text it sends, which is taken from the round with the press.
        if (pressed)
            runShortcutCycle(*misc, configure, binding);
        return true;
    }
    if (pressed)
        showActionTip(*action, configure);
    switch (action->type) {
    case TabletAction::Keyboard:
        if (const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(action.get()))
            sendShortcut(*keyboard, pressed, configure);
        return true;
    case TabletAction::Mouse:
        if (const auto *mouse = dynamic_cast<const TabletMouseAction *>(action.get()))
            runMouseAction(*mouse, pressed, configure);
        return true;
    case TabletAction::Misc:
        if (misc && pressed)
            runMisc(*misc, configure);
        return true;
    case TabletAction::Exec:
        if (const auto *exec = dynamic_cast<const TabletExecAction *>(action.get()); exec && pressed)
            runExec(*exec);
        return true;
    case TabletAction::Media:
        if (const auto *media = dynamic_cast<const TabletMediaAction *>(action.get()); media && pressed)
            runMedia(*media);
        return true;
    default:
        return false;
    }
}

void ActionRunner::showActionTip(const TabletAction &action, const TabletConfigure &configure)
{
    if (configure.common.message && services.showTip)
        showTip(tipText(action), configure);
}

void ActionRunner::showTip(const QString &text, const TabletConfigure &configure)
{
    if (configure.common.message && services.showTip && !text.isEmpty())
        services.showTip(text);
}

QString ActionRunner::tipText(const TabletAction &action) const
{
    switch (action.type) {
    case TabletAction::Keyboard:
        return translated(action.tip);
    case TabletAction::Exec:
        return action.tip;
    case TabletAction::Mouse:
    case TabletAction::Media:
        return action.displayText();
    case TabletAction::Misc:
        break;
    default:
        return QString();
    }
    const auto *misc = dynamic_cast<const TabletMiscAction *>(&action);
    if (!misc)
        return QString();
    switch (misc->event) {
    case TabletMiscAction::SwitchMonitor:
    case TabletMiscAction::ChangeDialAction:
        return misc->displayText();
    case TabletMiscAction::PenEraser:
        // Names the tool that the switch is about to choose.
        return translated(host.eraserMode() ? QStringLiteral("Pen") : QStringLiteral("Eraser"));
    case TabletMiscAction::CustomTool: {
        std::lock_guard<std::mutex> lock(stateMutex);
        return shortcutCycle.current(ControlBinding(), misc->tools);
    }
    default:
        return QString();
    }
}

void ActionRunner::sendShortcut(const TabletKeyboardAction &action, bool pressed, const TabletConfigure &configure)
{
    if (!services.keyboard)
        return;
    if (action.typesText()) {
        if (pressed)
            host.requestPaste(action.text);
        return;
    }
    sendKeyStrokes(action.text, pressed, configure);
}

void ActionRunner::sendKeyStrokes(const QString &hotkeyText, bool pressed, const TabletConfigure &configure)
{
    if (!services.keyboard)
        return;
    const std::shared_ptr<const ShortcutStrokes::Strokes> strokes =
            shortcutStrokes.strokes(hotkeyText, pressed, configure.common.hotkeySync);
    for (const KeyboardEvent &stroke : *strokes)
        sendKey(stroke, ShortcutText::StrokeDelayMilliseconds);
}

void ActionRunner::runMisc(const TabletMiscAction &action, const TabletConfigure &configure)
{
    switch (action.event) {
    case TabletMiscAction::SwitchMonitor:
        host.requestScreenSwitch();
        break;
    case TabletMiscAction::PenEraser:
        switchPenTool(configure);
        break;
    case TabletMiscAction::ChangeDialAction:
        if (host.dialKeyCount() > 0)
            host.requestDialActionSwitch(1);
        break;
    default:
        break;
    }
}

void ActionRunner::switchPenTool(const TabletConfigure &configure)
{
    const bool eraser = host.switchPenTool();
    ToolShortcuts shortcuts;
    ProcessEntry foreground;
    if (services.foreground && services.foreground->foregroundProcess(foreground)) {
        if (ToolShortcuts::sendsNothingTo(applicationCodeOf(foreground), configure.pen.ink))
            return;
        ShortcutEntries entries;
        if (services.toolShortcuts)
            services.toolShortcuts(foreground, entries);
        shortcuts = ToolShortcuts::fromEntries(entries);
    }
    tapShortcutText(eraser ? shortcuts.eraser : shortcuts.pen, configure);
}

void ActionRunner::runShortcutCycle(const TabletMiscAction &action, const TabletConfigure &configure,
                                    const ControlBinding &binding)
{
    QString text;
    {
        std::lock_guard<std::mutex> lock(stateMutex);
        text = shortcutCycle.take(binding, action.tools);
    }
    if (text.isEmpty())
        return;
    showTip(text, configure);
    tapShortcutText(text, configure);
}

void ActionRunner::tapShortcutText(const QString &text, const TabletConfigure &configure)
{
    sendKeyStrokes(text, true, configure);
    wait(kToolShortcutHoldMilliseconds);
    sendKeyStrokes(text, false, configure);
}

void ActionRunner::runMedia(const TabletMediaAction &action)
{
    MediaKey key;
    if (!services.keyboard || !MediaKey::ofEvent(action.event, key))
        return;
    int code = KeyboardEvent::NoKey;
    if (!services.keyboard->keyNameToVirtualKey(key.name, code, key.table))
        return;
    const KeyboardEvent press(key.modifiers, code, KeyboardEvent::NoKey, true);
    sendKey(press, ShortcutText::StrokeDelayMilliseconds);
    sendKey(press.released(), ShortcutText::StrokeDelayMilliseconds);
}

void ActionRunner::runExec(const TabletExecAction &action)
{
    if (services.startProgram && QFileInfo(action.path).isFile())
        services.startProgram(action.path);
}

// ---- mouse

void ActionRunner::runMouseAction(const TabletMouseAction &action, bool pressed, const TabletConfigure &configure)
{
    const bool gameMode = isGameMode(configure);
    QPoint last;
    const bool pointerSent = host.lastPointerPosition(last);
    switch (action.event) {
    case TabletMouseAction::LeftClick:
        holdButton(MousePointerEvent::Left, pressed, gameMode || pointerSent);
        break;
    case TabletMouseAction::MiddleClick:
        clickMiddle(pressed, gameMode, configure.pen.ink, pointerSent);
        break;
    case TabletMouseAction::RightClick:
        holdButton(MousePointerEvent::Right, pressed, gameMode || pointerSent);
        break;
    case TabletMouseAction::LeftDoubleClick:
        if (pressed)
            doubleClick(gameMode);
        break;
    case TabletMouseAction::WheelUp:
        if (pressed)
            turnWheel(MousePointerEvent::WheelUp, gameMode);
        break;
    case TabletMouseAction::WheelDown:
        if (pressed)
            turnWheel(MousePointerEvent::WheelDown, gameMode);
        break;
    case TabletMouseAction::CtrlWheelUp:
        if (pressed)
            zoom(MousePointerEvent::WheelUp, gameMode);
        break;
    case TabletMouseAction::CtrlWheelDown:
        if (pressed)
            zoom(MousePointerEvent::WheelDown, gameMode);
        break;
    default:
        break;
    }
}

// The pointer driver puts a held button into the reports that follow.
void ActionRunner::holdButton(int mode, bool pressed, bool allowed)
{
    if (allowed && services.pointer)
        services.pointer->setMode(pressed ? mode : 0);
}

// Under Windows Ink the pen reports carry no middle button: a mouse report of its own says it.
void ActionRunner::clickMiddle(bool pressed, bool gameMode, bool ink, bool pointerSent)
{
    if (gameMode || !ink) {
        holdButton(MousePointerEvent::Middle, pressed, gameMode || pointerSent);
        return;
    }
    wait(kMouseDelayMilliseconds);
    sendPointer(PointerEvent::RelativeMouse, QPoint(), pressed ? std::uint32_t(MousePointerEvent::Middle) : 0u, pressed);
}

void ActionRunner::doubleClick(bool gameMode)
{
    QPoint position;
    if (!gameMode && !host.lastPointerPosition(position))
        return;
    const std::uint32_t kind = gameMode ? PointerEvent::RelativeMouse : PointerEvent::AbsoluteMouse;
    for (int click = 0; click < 2; ++click) {
        for (const bool pressed : {true, false}) {
            sendPointer(kind, position, MousePointerEvent::Left, pressed);
            wait(kMouseDelayMilliseconds);
        }
    }
}

void ActionRunner::turnWheel(std::uint32_t button, bool gameMode)
{
    if (gameMode) {
        sendPointer(PointerEvent::RelativeMouse, QPoint(), button, true);
        return;
    }
    const QPoint cursor = host.cursorToNormalized();
    if (cursor == CursorNormalization::kNoMonitors)
        return;
    sendPointer(PointerEvent::AbsoluteMouse, cursor, button, true);
}

void ActionRunner::zoom(std::uint32_t button, bool gameMode)
{
    const KeyboardEvent ctrl(KeyboardEvent::Ctrl, KeyboardEvent::NoKey, KeyboardEvent::NoKey, true);
    sendKey(ctrl, kMouseDelayMilliseconds);
    turnWheel(button, gameMode);
    sendKey(ctrl.released(), kMouseDelayMilliseconds);
}

void ActionRunner::sendPointer(std::uint32_t kind, const QPoint &position, std::uint32_t button, bool pressed)
{
    if (!services.pointer)
        return;
    MousePointerEvent made(kind, std::uint32_t(position.x()), std::uint32_t(position.y()), button,
                           std::uint8_t(pressed ? 1 : 0));
    made.timestamp = now();
    std::shared_ptr<PointerEvent> event;
    {
        std::lock_guard<std::mutex> lock(eventMutex);
        event = mouseEvents.next(made);
    }
    services.pointer->sendPointerEvent(event);
    letGo(event);
}

void ActionRunner::sendKey(const KeyboardEvent &event, int delayMilliseconds)
{
    if (!services.keyboard)
        return;
    std::shared_ptr<KeyboardEvent> recycled;
    {
        std::lock_guard<std::mutex> lock(eventMutex);
        recycled = keyEvents.next(event);
    }
    services.keyboard->sendKey(recycled, delayMilliseconds);
    letGo(recycled);
}

// The GUI thread and the worker both send: letting go of an event under the lock that the next
// taker holds orders this thread's reads of it before that thread's rewrite, for the thread
// sanitizer too (the counts' own ordering does as much, but the sanitizer missed it under load).
template<typename Event>
void ActionRunner::letGo(std::shared_ptr<Event> &event)
{
    std::lock_guard<std::mutex> lock(eventMutex);
    event.reset();
}

// ---- services

QString ActionRunner::translated(const QString &word) const
{
    return services.translateWord ? services.translateWord(word) : word;
}

void ActionRunner::wait(int milliseconds) const
{
    if (services.wait)
        services.wait(milliseconds);
    else
        yieldDelay(milliseconds);
}

std::uint64_t ActionRunner::now() const
{
    return services.clock ? services.clock() : PointerEvent::steadyMilliseconds();
}
