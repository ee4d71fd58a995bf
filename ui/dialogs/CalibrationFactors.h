#pragma once

#include "config/TabletConfigure.h"

#include <QPoint>
#include <QSize>

#include <array>

// The four correction factors of a pen display's calibration (the mapping's kx, ky, kcx, kcy),
// from the five points the pen tip touched on an overlay that covers the display.
class CalibrationFactors
{
public:
    static constexpr int kPointCount = 5;
    using Points = std::array<QPoint, kPointCount>;

    // The marks in the order they are touched: top left, bottom left, top right, bottom right,
    // centre, a tenth of the overlay in from its edges.
    static Points targets(const QSize &overlay);

    // The factors for touched `points` at the mapping's rotation (quarter turns; a value outside
    // 1..3 counts as none). Marks that fall together on a tiny overlay give NaN.
    static CalibrationFactors fromPoints(const Points &points, const QSize &overlay, int rotation);

    // Whether factors can be stored: each finite and above 0. Touches far off their marks, in
    // the wrong order or on the overlay's edge give factors that are not.
    static bool usable(double kx, double ky, double kcx, double kcy);
    bool usable() const { return usable(kx, ky, kcx, kcy); }

    // Stores the factors as the mapping's kx, ky, kcx and kcy, each kept inside the range that the
    // configuration file's reader accepts, so that the running engine and a reloaded file agree.
    // Factors that are not usable are refused: the mapping gets the neutral 1.0 and false comes
    // back.
    bool storeInto(MappingConfigure &mapping) const;

    double kx = 1.0;
    double ky = 1.0;
    double kcx = 1.0;
    double kcy = 1.0;
};
