#pragma once

#include "engine/display/MonitorInfo.h"

#include <QPoint>

#include <vector>

// The cursor position in the 0..32767 range of absolute pointer reports.
class CursorNormalization
{
public:
    static constexpr double kRange = 32767.0;
    // Without monitors.
    static constexpr QPoint kNoMonitors{-1, -1};

    // (-1, -1) without monitors, (0, 0) when no monitor holds the cursor.
    static QPoint toNormalized(const std::vector<MonitorInfo> &monitors, const QPoint &cursor);
};
