#include "config/TabletLayoutKey.h"

TabletLayoutKey::TabletLayoutKey()
    : TabletLayoutComponent(Key)
{
}
