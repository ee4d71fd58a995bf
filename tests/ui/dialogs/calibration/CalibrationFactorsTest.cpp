#include "ui/dialogs/calibration/CalibrationFactors.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const QSize kOverlay(1000, 500);
// Marks at (100, 50), (100, 450), (900, 50), (900, 450) and (500, 250): touches 1.2 times as wide
// apart and 0.9 times as high, the centre touched at (550, 240).
const CalibrationFactors::Points kOffTouches = {QPoint(20, 70), QPoint(20, 430), QPoint(980, 70),
                                                QPoint(980, 430), QPoint(550, 240)};

void expectFactors(const CalibrationFactors &factors, double kx, double ky, double kcx, double kcy)
{
    EXPECT_DOUBLE_EQ(factors.kx, kx);
    EXPECT_DOUBLE_EQ(factors.ky, ky);
    EXPECT_DOUBLE_EQ(factors.kcx, kcx);
    EXPECT_DOUBLE_EQ(factors.kcy, kcy);
}

} // namespace

TEST(CalibrationFactors, TheMarksLieATenthInFromTheEdgesAndAtTheCentre)
{
    const CalibrationFactors::Points marks = CalibrationFactors::targets(QSize(1161, 524));
    const CalibrationFactors::Points expected = {QPoint(116, 52), QPoint(116, 471), QPoint(1044, 52),
                                                 QPoint(1044, 471), QPoint(580, 262)};
    EXPECT_EQ(marks, expected);
}

TEST(CalibrationFactors, EachRotationTurnsTheFactors)
{
    const struct {
        int rotation;
        double kx, ky, kcx, kcy;
    } rows[] = {
        {0, 1.2, 0.9, 1.1, 0.96}, {1, 0.9, 0.8, 0.96, 0.9}, {2, 0.8, 1.1, 0.9, 1.04},
        {3, 1.1, 1.2, 1.04, 1.1}, {7, 1.2, 0.9, 1.1, 0.96}, {-1, 1.2, 0.9, 1.1, 0.96},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.rotation);
        expectFactors(CalibrationFactors::fromPoints(kOffTouches, kOverlay, row.rotation), row.kx, row.ky,
                      row.kcx, row.kcy);
        expectFactors(CalibrationFactors::fromPoints(CalibrationFactors::targets(kOverlay), kOverlay, row.rotation),
                      1.0, 1.0, 1.0, 1.0);
    }
}

TEST(CalibrationFactors, FactorsThatCannotBeStoredAreNotUsable)
{
    const CalibrationFactors::Points atOrigin = {QPoint(), QPoint(), QPoint(), QPoint(), QPoint()};
    CalibrationFactors::Points leftAndRightSwapped = CalibrationFactors::targets(kOverlay);
    std::swap(leftAndRightSwapped[0], leftAndRightSwapped[2]);
    std::swap(leftAndRightSwapped[1], leftAndRightSwapped[3]);
    CalibrationFactors::Points centreOnTheEdge = CalibrationFactors::targets(kOverlay);
    centreOnTheEdge[4].setX(0);
    const CalibrationFactors::Points nearlyTogether = {QPoint(500, 250), QPoint(501, 251), QPoint(502, 250),
                                                       QPoint(503, 251), QPoint(500, 250)};
    const struct {
        const char *what;
        CalibrationFactors factors;
        bool usable;
    } rows[] = {
        {"touches off their marks", CalibrationFactors::fromPoints(kOffTouches, kOverlay, 2), true},
        {"an overlay too small for marks apart", CalibrationFactors::fromPoints(atOrigin, QSize(1, 1), 0), false},
        {"left and right swapped", CalibrationFactors::fromPoints(leftAndRightSwapped, kOverlay, 0), false},
        {"left and right swapped, turned over", CalibrationFactors::fromPoints(leftAndRightSwapped, kOverlay, 2), false},
        {"the centre on the left edge", CalibrationFactors::fromPoints(centreOnTheEdge, kOverlay, 0), false},
        {"the centre on the left edge, turned", CalibrationFactors::fromPoints(centreOnTheEdge, kOverlay, 3), false},
        {"touches that nearly fall together", CalibrationFactors::fromPoints(nearlyTogether, kOverlay, 0), false},
        {"touches that nearly fall together, turned over", CalibrationFactors::fromPoints(nearlyTogether, kOverlay, 2),
         false},
        {"the edges of the band", {0.8, 1.2, 0.8, 1.2}, true},
        {"just below the band", {1.0, 1.0, 0.79, 1.0}, false},
        {"just above the band", {1.0, 1.21, 1.0, 1.0}, false},
        {"infinite", {std::numeric_limits<double>::infinity(), 1.0, 1.0, 1.0}, false},
        {"not a number", {1.0, 1.0, 1.0, std::nan("")}, false},
        {"zero", {1.0, 0.0, 1.0, 1.0}, false},
    };
    for (const auto &row : rows) {
        EXPECT_EQ(row.factors.usable(), row.usable) << row.what;
        EXPECT_EQ(CalibrationFactors::usable(row.factors.kx, row.factors.ky, row.factors.kcx, row.factors.kcy),
                  row.usable)
                << row.what;
    }
}

TEST(CalibrationFactors, StoredFactorsStayInsideTheFilesRangeAndRefusedOnesAreNeutral)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    const struct {
        const char *what;
        CalibrationFactors factors;
        bool stored;
        double kx, ky, kcx, kcy;
    } rows[] = {
        {"inside the range", {1.05, 0.95, 1.0, 0.9}, true, 1.05, 0.95, 1.0, 0.9},
        {"beyond the band", {1.5, 0.95, 2.0, 1.0}, false, 1.0, 1.0, 1.0, 1.0},
        {"nearly nothing", {0.002, 0.95, 1.0, 1.0}, false, 1.0, 1.0, 1.0, 1.0},
        {"not a number", {1.1, nan, 1.0, 1.0}, false, 1.0, 1.0, 1.0, 1.0},
        {"infinite", {1.1, 1.0, infinity, 1.0}, false, 1.0, 1.0, 1.0, 1.0},
        {"zero", {1.1, 1.0, 1.0, 0.0}, false, 1.0, 1.0, 1.0, 1.0},
        {"negative", {-0.2, 1.0, 1.0, 1.0}, false, 1.0, 1.0, 1.0, 1.0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        MappingConfigure mapping;
        mapping.kx = mapping.ky = mapping.kcx = mapping.kcy = 0.5;
        EXPECT_EQ(row.factors.storeInto(mapping), row.stored);
        expectFactors({mapping.kx, mapping.ky, mapping.kcx, mapping.kcy}, row.kx, row.ky, row.kcx, row.kcy);
        for (const double factor : {mapping.kx, mapping.ky, mapping.kcx, mapping.kcy})
            EXPECT_EQ(factor, MappingConfigure::clampScale(factor)) << "what a reloaded file keeps";
    }
}
