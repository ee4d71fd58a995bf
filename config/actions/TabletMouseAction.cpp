#include "config/actions/TabletMouseAction.h"

#include <utility>

TabletMouseAction::TabletMouseAction(QString tip, std::uint32_t event)
    : TabletAction(Mouse, QStringLiteral("mouse"), std::move(tip))
    , event(event)
{
}

QString TabletMouseAction::displayText() const
{
    switch (event) {
    case LeftClick:
        return tr("Left Click");
    case MiddleClick:
        return tr("Middle Click");
    case RightClick:
        return tr("Right Click");
    case LeftDoubleClick:
        return tr("Left Double Click");
    case WheelUp:
        return tr("Wheel Up");
    case WheelDown:
        return tr("Wheel Down");
    case CtrlWheelUp:
        return tr("Ctrl + Wheel Up");
    case CtrlWheelDown:
        return tr("Ctrl + Wheel Down");
    default:
        return tr("Undefined");
    }
}
