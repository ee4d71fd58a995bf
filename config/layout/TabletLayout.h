#pragma once

#include "config/layout/TabletLayoutPenPart.h"
#include "config/layout/TabletLayoutTabletPart.h"

#include <memory>

// Where a model's work area, keys, dials and touch control lie on its picture, and which pen
// comes with it.
struct TabletLayout
{
    TabletLayoutTabletPart tablet;
    TabletLayoutPenPart pen;
};

using TabletLayoutPtr = std::shared_ptr<TabletLayout>;
