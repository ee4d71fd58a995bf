#include "config/TabletLayoutTouch.h"

TabletLayoutTouch::TabletLayoutTouch()
    : TabletLayoutComponent(Touch)
{
}
