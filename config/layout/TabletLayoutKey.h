#pragma once

#include "config/layout/TabletLayoutComponent.h"

#include <array>

class TabletLayoutKey : public TabletLayoutComponent
{
public:
    enum Radius : std::size_t {
        TopLeft = 0,
        TopRight = 1,
        BottomRight = 2,
        BottomLeft = 3,
        X = 4,
        Y = 5,
    };

    TabletLayoutKey();

    // A corner whose value is 0 is drawn square; the rounded ones use the x and y radius.
    std::array<double, 6> radius{};
    // The key belongs to the virtual-key group.
    bool isVirtual = false;
};
