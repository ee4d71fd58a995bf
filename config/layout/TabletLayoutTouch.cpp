#include "config/layout/TabletLayoutTouch.h"

TabletLayoutTouch::TabletLayoutTouch()
    : TabletLayoutComponent(Touch)
{
}
