#pragma once

#include "config/layout/TabletLayoutComponent.h"

class TabletLayoutDial : public TabletLayoutComponent
{
public:
    TabletLayoutDial();

    // Radius of the dial's centre, which is not part of its ring.
    std::int32_t r = 0;
};
