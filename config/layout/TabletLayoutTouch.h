#pragma once

#include "config/layout/TabletLayoutComponent.h"

// One segment of the touch control.
class TabletLayoutTouch : public TabletLayoutComponent
{
public:
    TabletLayoutTouch();

    // The touched position that the segment reports, 1 to 8.
    std::int32_t event = 0;
};
