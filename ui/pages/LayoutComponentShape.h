#pragma once

#include "config/layout/TabletLayoutDial.h"
#include "config/layout/TabletLayoutKey.h"

#include <QPainterPath>

// The outlines of the express keys and dials on the tablet picture of the express-key page.
namespace LayoutComponentShape {

// A rounded rectangle with the key's x and y radius, square at every corner whose own radius
// value is 0.
QPainterPath key(const TabletLayoutKey &key);
// The dial's ring: its ellipse without the circle of radius `r` at its centre.
QPainterPath dialRing(const TabletLayoutDial &dial);

} // namespace LayoutComponentShape
