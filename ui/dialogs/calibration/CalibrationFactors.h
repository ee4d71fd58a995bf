#pragma once

#include "config/configure/TabletConfigure.h"

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

    // How far a real calibration moves a factor from 1.0. The pen tip of a pen display lands a
    // few millimetres from the pointer drawn under it (the glass between them, the user's aim),
    // so real factors lie within a few hundredths of 1.0. A factor 0.2 away means touches some
    // 8 % of the display's width off their marks on each side (over two centimetres on a
    // 13-inch display): only touches that miss the marks or fall together give that. 1.2 is also
    // the largest factor the configuration file keeps, and half a turn makes a factor k into
    // 2 - k, so the band is the same on both sides of 1.0.
    static constexpr double kLargestCorrection = MappingConfigure::kMaxScale - 1.0;

    // Whether factors can be stored: each within kLargestCorrection of 1.0. Touches far off their
    // marks, in the wrong order, on the overlay's edge or nearly on one spot give factors that
    // are not.
    static bool usable(double kx, double ky, double kcx, double kcy);
    bool usable() const { return usable(kx, ky, kcx, kcy); }

    // Stores the factors as the mapping's kx, ky, kcx and kcy; usable ones lie inside the range
    // that the configuration file's reader accepts, so the running engine and a reloaded file
    // agree. Factors that are not usable are refused: the mapping gets the neutral 1.0 and false
    // comes back.
    bool storeInto(MappingConfigure &mapping) const;

    double kx = 1.0;
    double ky = 1.0;
    double kcx = 1.0;
    double kcy = 1.0;
};
