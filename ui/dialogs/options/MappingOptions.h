#pragma once

#include <QRect>

#include <cstdint>

class VScreenCalibrateDlg;

// The mapping page's options as its options dialog carries them: the dialog shows the rows that
// the mapped monitor allows and hands the rest back unchanged.
struct MappingOptions
{
    std::int32_t rotation = 0;
    // Index of the mapped monitor in the monitor list.
    std::uint32_t monitorIndex = 0;
    // The connected model is a pen display.
    bool penDisplay = false;
    // The mapped monitor is a pen display whose picture can be controlled over DDC/CI.
    bool colorSupported = false;
    double kx = 1.0;
    double ky = 1.0;
    double kcx = 1.0;
    double kcy = 1.0;
    // Null when the model is not a pen display.
    QRect monitorRect;
    // -1 when not known.
    std::int32_t deviceMaximumX = -1;
    std::int32_t deviceMaximumY = -1;
    // The mapping page's calibration overlay, or null.
    VScreenCalibrateDlg *calibrationDialog = nullptr;
};
