#include "config/layout/TabletLayoutDial.h"

TabletLayoutDial::TabletLayoutDial()
    : TabletLayoutComponent(Dial)
{
}
