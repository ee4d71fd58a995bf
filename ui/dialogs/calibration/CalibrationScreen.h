#pragma once

#include <QRect>

// The display a calibration runs on, as the mapping page hands it over.
struct CalibrationScreen
{
    QRect monitorRect;
    // The tablet's maximum coordinates; -1 when not known.
    int maxX = -1;
    int maxY = -1;
    // The mapping's rotation, 0..3 quarter turns.
    int rotation = 0;
};
