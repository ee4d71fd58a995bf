#pragma once

#include <QRect>

#include <vector>

// What loading a configuration needs to know of one monitor of the desktop. The program fills
// the list from its display manager; rectangles have inclusive corners as QRect does.
struct ConfigureMonitor
{
    // Position in the display manager's list.
    int index = 0;
    // The monitor's position and size on the desktop, in device pixels.
    QRect monitorRect;
    // The bounding box of all monitors, moved to start at (0, 0); the same in every record.
    QRect desktopRect;
    bool penDisplay = false;
    bool primary = false;
    // 0..3 for 0, 90, 180 and 270 degrees.
    int rotation = 0;
};

using ConfigureMonitorList = std::vector<ConfigureMonitor>;
