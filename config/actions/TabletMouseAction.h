#pragma once

#include "config/actions/TabletAction.h"

#include <cstdint>

// A mouse click or wheel step; event 1..8, 0 when undefined.
class TabletMouseAction : public TabletAction
{
    Q_DECLARE_TR_FUNCTIONS(TabletMouseAction)

public:
    enum Event : std::uint32_t {
        Undefined = 0,
        LeftClick = 1,
        MiddleClick = 2,
        RightClick = 3,
        LeftDoubleClick = 4,
        WheelUp = 5,
        WheelDown = 6,
        CtrlWheelUp = 7,
        CtrlWheelDown = 8,
    };
    static constexpr std::uint32_t kLastEvent = CtrlWheelDown;

    TabletMouseAction(QString tip, std::uint32_t event);

    QString displayText() const override;

    const std::uint32_t event;
};
