#include "config/configure/ConfigureCopy.h"

#include "config/actions/TabletExecAction.h"
#include "config/actions/TabletKeyboardAction.h"
#include "config/actions/TabletMediaAction.h"
#include "config/actions/TabletMiscAction.h"
#include "config/actions/TabletMouseAction.h"

namespace {

// An action whose type code does not match its class is not copied.
template <class Action>
TabletActionPtr copyAs(const TabletAction &action)
{
    const auto *concrete = dynamic_cast<const Action *>(&action);
    if (!concrete)
        return {};
    return std::make_shared<Action>(*concrete);
}

ActionMap cloneActions(const ActionMap &source)
{
    ActionMap clones;
    for (const auto &[key, action] : source) {
        if (TabletActionPtr clone = cloneAction(action))
            clones.emplace(key, std::move(clone));
    }
    return clones;
}

DialConfigure cloneDial(const DialConfigure &source)
{
    DialConfigure dial;
    dial.index = source.index;
    for (const ActionPair &pair : source.pairs) {
        TabletActionPtr first = cloneAction(pair.first);
        TabletActionPtr second = cloneAction(pair.second);
        if (first || second)
            dial.pairs.emplace_back(std::move(first), std::move(second));
    }
    return dial;
}

using DialMap = std::map<std::uint16_t, DialConfigure>;

DialMap cloneDials(const DialMap &source)
{
    DialMap clones;
    for (const auto &[key, dial] : source)
        clones.emplace(key, cloneDial(dial));
    return clones;
}

} // namespace

TabletActionPtr cloneAction(const TabletActionPtr &action)
{
    if (!action)
        return {};
    switch (action->type) {
    case TabletAction::Keyboard:
        return copyAs<TabletKeyboardAction>(*action);
    case TabletAction::Mouse:
        return copyAs<TabletMouseAction>(*action);
    case TabletAction::Misc:
        return copyAs<TabletMiscAction>(*action);
    case TabletAction::Exec:
        return copyAs<TabletExecAction>(*action);
    case TabletAction::Media:
        return copyAs<TabletMediaAction>(*action);
    default:
        return {};
    }
}

TabletActionPtr cloneActionWithTip(const TabletAction &action, const QString &tip)
{
    switch (action.type) {
    case TabletAction::Keyboard:
        if (const auto *keyboard = dynamic_cast<const TabletKeyboardAction *>(&action))
            return std::make_shared<TabletKeyboardAction>(tip, keyboard->text, keyboard->mode);
        break;
    case TabletAction::Mouse:
        if (const auto *mouse = dynamic_cast<const TabletMouseAction *>(&action))
            return std::make_shared<TabletMouseAction>(tip, mouse->event);
        break;
    case TabletAction::Misc:
        if (const auto *misc = dynamic_cast<const TabletMiscAction *>(&action))
            return std::make_shared<TabletMiscAction>(tip, misc->event, misc->tools);
        break;
    case TabletAction::Exec:
        if (const auto *exec = dynamic_cast<const TabletExecAction *>(&action))
            return std::make_shared<TabletExecAction>(tip, exec->path);
        break;
    case TabletAction::Media:
        if (const auto *media = dynamic_cast<const TabletMediaAction *>(&action))
            return std::make_shared<TabletMediaAction>(tip, media->event);
        break;
    default:
        break;
    }
    return {};
}

TabletConfigurePtr copyDeviceConfigure(const TabletConfigure &source)
{
    auto copy = std::make_shared<TabletConfigure>(source);
    copy->pen.buttons = cloneActions(source.pen.buttons);
    copy->hotkey.keys = cloneActions(source.hotkey.keys);
    copy->hotkey.virtualKeys = cloneActions(source.hotkey.virtualKeys);
    copy->hotkey.dials = cloneDials(source.hotkey.dials);
    copy->hotkey.touches = cloneActions(source.hotkey.touches);
    return copy;
}
