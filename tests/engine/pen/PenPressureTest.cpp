#include "engine/pen/PenPressure.h"

#include "engine/pen/PressureTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kTip = TabletPenPacket::TipDown;
constexpr std::uint32_t kHover = TabletPenPacket::Hovering;
constexpr std::uint32_t kOut = TabletPenPacket::OutOfRange;

// Stand-in tables whose effect is easy to follow: the base table halves, the configured one
// adds 3, so the order of the two shows in the result.
std::uint32_t halve(std::uint32_t pressure)
{
    return pressure / 2;
}

std::uint32_t addThree(std::uint32_t pressure)
{
    return pressure + 3;
}

std::uint32_t unchanged(std::uint32_t pressure)
{
    return pressure;
}

TabletPenPacket penPacket(std::uint32_t status, std::uint16_t pressure, std::int8_t tiltX = 0,
                          std::int8_t tiltY = 0, std::uint32_t x = 100, std::uint32_t y = 200)
{
    return TabletPenPacket(status, x, y, pressure, tiltX, tiltY, 0, 0, 0);
}

PenDeviceLimits tablet(std::uint16_t maximumPressure)
{
    PenDeviceLimits device;
    device.maximumX = 10000;
    device.maximumY = 6000;
    device.maximumPressure = maximumPressure;
    return device;
}

PenPressureSettings settingsWith(std::uint32_t capacity, double threshold = 0.0)
{
    PenPressureSettings settings;
    settings.capacity = capacity;
    settings.activationThreshold = threshold;
    return settings;
}

struct PressureCase
{
    const char *name;
    std::uint32_t capacity;
    double threshold;
    std::uint16_t maximumPressure;
    std::uint32_t status;
    std::uint16_t pressure;
    std::uint16_t expectedPressure;
    std::uint32_t expectedStatus;
};

const PressureCase kPressureCases[] = {
    {"a measured pressure passes the base table, then the configured one", 0, 0.0, 8191, kTip,
     4000, 2003, kTip},
    {"no pressure skips the tables", 0, 0.0, 8191, kHover, 0, 0, kHover},
    {"a 16383-level pressure is halved before the tables", 0, 0.0, 16383, kTip, 16382, 4098,
     kTip},
    {"full pressure on contact gives the device maximum", 1, 0.0, 8191, kTip, 10, 8191, kTip},
    {"full pressure on contact gives 16383 on a 16383-level pen", 1, 0.0, 16383, kTip, 10,
     16383, kTip},
    {"full pressure on contact leaves a lifted pen unchanged", 1, 0.0, 8191, kHover, 0, 0,
     kHover},
    {"full pressure on contact turns a pressing hover into tip down", 1, 0.0, 8191, kHover, 5,
     8191, kTip},
    {"full pressure on contact ignores the threshold", 1, 0.9, 8191, kTip, 10, 8191, kTip},
    {"no pressure drops the pressure and lifts the tip", 2, 0.0, 8191, kTip, 4000, 0, kHover},
    {"no pressure keeps a pen out of range out of range", 2, 0.0, 8191, kOut, 0, 0, kOut},
    {"a pressure below the threshold counts as hovering", 0, 0.1, 8191, kTip, 1600, 0, kHover},
    {"a pressure above the threshold is kept", 0, 0.1, 8191, kTip, 1640, 823, kTip},
    {"a 16383-level pressure above half of 8191 passes a threshold of one half", 0, 0.5, 16383,
     kTip, 16382, 4098, kTip},
    {"a 16383-level pressure below half of 8191 fails a threshold of one half", 0, 0.5, 16383,
     kTip, 16000, 0, kHover},
    {"a device without a maximum pressure has no threshold", 0, 0.5, 0, kTip, 100, 53, kTip},
};

TEST(PenPressure, CapacityModesTablesAndThresholdShapeThePressure)
{
    for (const PressureCase &c : kPressureCases) {
        SCOPED_TRACE(c.name);
        TabletPenPacket packet = penPacket(c.status, c.pressure);
        PenPressure::processPenPressure(packet, settingsWith(c.capacity, c.threshold),
                                        tablet(c.maximumPressure), halve, addThree);
        EXPECT_EQ(packet.pressure, c.expectedPressure);
        EXPECT_EQ(packet.status, c.expectedStatus);
    }
}

TEST(PenPressure, ThresholdOnA16383LevelPenComparesAgainstTheScaleOf8191)
{
    // 12000 is halved to 6000, which is 73 percent of 8191 (only 37 percent of 16383).
    TabletPenPacket kept = penPacket(kTip, 12000);
    PenPressure::processPenPressure(kept, settingsWith(0, 0.5), tablet(16383), unchanged,
                                    unchanged);
    EXPECT_EQ(kept.pressure, 6000);
    EXPECT_EQ(kept.status, kTip);

    TabletPenPacket dropped = penPacket(kTip, 6000);
    PenPressure::processPenPressure(dropped, settingsWith(0, 0.5), tablet(16383), unchanged,
                                    unchanged);
    EXPECT_EQ(dropped.pressure, 0);
    EXPECT_EQ(dropped.status, kHover);
}

TEST(PenPressure, ThresholdOfOneTenthDropsPressuresBelowTenPercentOfTheMaximum)
{
    const std::uint16_t pressures[] = {1, 500, 819};
    for (std::uint16_t pressure : pressures) {
        SCOPED_TRACE(pressure);
        TabletPenPacket packet = penPacket(kTip, pressure);
        PenPressure::processPenPressure(packet, settingsWith(0, 0.1), tablet(8191), unchanged,
                                        unchanged);
        EXPECT_EQ(packet.pressure, 0);
        EXPECT_EQ(packet.status, kHover);
    }
    TabletPenPacket atTenPercent = penPacket(kTip, 820);
    PenPressure::processPenPressure(atTenPercent, settingsWith(0, 0.1), tablet(8191), unchanged,
                                    unchanged);
    EXPECT_EQ(atTenPercent.pressure, 820);
}

TEST(PenPressure, RawPressure16382OfA16383LevelPenLooksUpIndex8191)
{
    std::vector<std::uint32_t> looked;
    const auto recordingBase = [&looked](std::uint32_t pressure) {
        looked.push_back(pressure);
        return pressure;
    };
    TabletPenPacket packet = penPacket(kTip, 16382);
    PenPressure::processPenPressure(packet, settingsWith(0), tablet(16383), recordingBase,
                                    unchanged);
    EXPECT_EQ(looked, std::vector<std::uint32_t>{8191});
}

TEST(PenPressure, BaseTableGivingZeroLeavesThePenHoveringWithoutTheConfiguredTable)
{
    bool configuredAsked = false;
    const auto configured = [&configuredAsked](std::uint32_t pressure) {
        configuredAsked = true;
        return pressure;
    };
    TabletPenPacket packet = penPacket(kTip, 100);
    PenPressure::processPenPressure(
            packet, settingsWith(0), tablet(8191), [](std::uint32_t) { return 0u; }, configured);
    EXPECT_EQ(packet.pressure, 0);
    EXPECT_EQ(packet.status, kHover);
    EXPECT_FALSE(configuredAsked);
}

TEST(PenPressure, RealTablesApplyTheBaseCurveThenTheConfiguredCurve)
{
    const PressureTable base = basePressureTable();
    PressureTable squared;
    pressureCurveTable(QPointF(0.0, 1.0), QPointF(1.0, 1.0), squared);
    TabletPenPacket packet = penPacket(kTip, 4095);
    PenPressure::processPenPressure(
            packet, settingsWith(0), tablet(8191),
            [&base](std::uint32_t p) { return lookupPressure(base, p, 8191); },
            [&squared](std::uint32_t p) { return lookupPressure(squared, p, 8191); });
    // 4095 -> 3275 on the base curve -> 3275^2 / 8191 = 1309.4 on the square curve.
    EXPECT_EQ(packet.pressure, 1309);
}

TEST(PenPressure, TiltOffReportsTiltAsZero)
{
    TabletPenPacket packet = penPacket(kHover, 0, 30, -20);
    PenPressureSettings settings;
    settings.tilt = false;
    PenPressure::processPenPressure(packet, settings, tablet(8191), unchanged, unchanged);
    EXPECT_EQ(packet.tiltX, 0);
    EXPECT_EQ(packet.tiltY, 0);
}

TEST(PenPressure, TiltOnKeepsTheTilt)
{
    TabletPenPacket packet = penPacket(kHover, 0, 30, -20);
    PenPressure::processPenPressure(packet, PenPressureSettings(), tablet(8191), unchanged,
                                    unchanged);
    EXPECT_EQ(packet.tiltX, 30);
    EXPECT_EQ(packet.tiltY, -20);
}

TEST(PenPressure, EdgeCorrectionAppliesOnPenDisplaysOnly)
{
    PenPressureSettings settings;
    settings.edgeFactors.kx = 0.5;
    PenDeviceLimits device = tablet(8191);

    TabletPenPacket onTablet = penPacket(kHover, 0, 0, 0, 6000, 3000);
    PenPressure::processPenPressure(onTablet, settings, device, unchanged, unchanged);
    EXPECT_EQ(onTablet.x, 6000u);

    device.penDisplay = true;
    TabletPenPacket onDisplay = penPacket(kHover, 0, 0, 0, 6000, 3000);
    PenPressure::processPenPressure(onDisplay, settings, device, unchanged, unchanged);
    // (6000 - 5000) / 0.5 + 5000
    EXPECT_EQ(onDisplay.x, 7000u);
    EXPECT_EQ(onDisplay.y, 3000u);
}

TEST(PenPressure, SettingsComeFromThePenCurveCommonTiltAndMappingFactors)
{
    TabletConfigure configure;
    configure.pen.capacity = 1;
    configure.pen.curve.start = QPointF(0.25, 0.0);
    configure.common.tilt = false;
    configure.mapping.kx = 0.9;
    configure.mapping.ky = 1.1;
    configure.mapping.kcx = 0.95;
    configure.mapping.kcy = 1.05;

    const PenPressureSettings settings = PenPressureSettings::fromConfigure(configure);
    EXPECT_EQ(settings.capacity, 1u);
    EXPECT_DOUBLE_EQ(settings.activationThreshold, 0.25);
    EXPECT_FALSE(settings.tilt);
    EXPECT_DOUBLE_EQ(settings.edgeFactors.kx, 0.9);
    EXPECT_DOUBLE_EQ(settings.edgeFactors.ky, 1.1);
    EXPECT_DOUBLE_EQ(settings.edgeFactors.kcx, 0.95);
    EXPECT_DOUBLE_EQ(settings.edgeFactors.kcy, 1.05);
}

TEST(PenPressure, PressureScaleIsHalvedOnlyFor16383Levels)
{
    EXPECT_EQ(PenPressure::pressureScale(16383), 8191u);
    EXPECT_EQ(PenPressure::pressureScale(8191), 8191u);
    EXPECT_EQ(PenPressure::pressureScale(2047), 2047u);
    EXPECT_EQ(PenPressure::pressureScale(0), 0u);
}

} // namespace
