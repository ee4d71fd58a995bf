#pragma once

#include "engine/display/MonitorInfo.h"

#include <QRect>

// One display as the display mapping widgets draw it: the monitor and where its thumbnail and
// the whole desktop are drawn, in the display panel's coordinates and in the coordinates of the
// container that holds the display panel, the tablet picture and the connector over both.
struct DisplayMappingInfo
{
    MonitorInfo monitor;
    QRect thumbnailRect;
    QRect desktopDrawnRect;
    QRect containerThumbnailRect;
    QRect containerDesktopRect;
};
