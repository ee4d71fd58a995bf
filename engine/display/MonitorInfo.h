#pragma once

#include <QRect>
#include <QtGlobal>

#include <memory>
#include <string>

QT_FORWARD_DECLARE_CLASS(QPixmap)

// One monitor of the desktop as the display manager lists it. Every rectangle has inclusive
// right and bottom edges (right = left + width - 1) and is null until the enumeration fills it.
// The engine builds without Qt Gui, so the screenshot is held through a shared pointer: copies
// of a record share one picture, and only the code that makes a screenshot needs QPixmap.
struct MonitorInfo
{
    // Position in the monitor enumeration, 0-based.
    int index = 0;
    // The display device name of Windows, used to change its settings.
    std::string deviceName;
    // EDID manufacturer and product code of the monitor.
    std::string identifier;

    // 1: the display's position and size from its current settings, in device pixels, moved
    // with the desktop rectangle so that the desktop starts at (0, 0).
    QRect monitorRect;
    // 2: the monitor rectangle as the system reports it, in logical pixels.
    QRect systemMonitorRect;
    // 3: the bounding box of (0, 0) and all displays, moved to start at (0, 0); the same in
    // every record.
    QRect desktopRect;
    // 4: the system monitor rectangle moved by the distance of the virtual screen from (0, 0).
    QRect logicalMonitorRect;
    // 5: the virtual screen of the system, in logical pixels.
    QRect virtualScreenRect;

    // Device width in pixels divided by the width of the system monitor rectangle.
    double scale = 1.0;
    // Display orientation in quarter turns, 0..3.
    int rotation = 0;
    // Empty unless a screenshot was requested.
    std::shared_ptr<const QPixmap> screenshot;
    // The identifier is one of the pen-display codes.
    bool penDisplay = false;
    bool primary = false;
    // Always set together with penDisplay.
    bool penDisplaySecondFlag = false;
};
