#include "config/layout/TabletLayoutKey.h"

TabletLayoutKey::TabletLayoutKey()
    : TabletLayoutComponent(Key)
{
}
