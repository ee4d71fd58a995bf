#include "config/TabletLayoutDial.h"

TabletLayoutDial::TabletLayoutDial()
    : TabletLayoutComponent(Dial)
{
}
