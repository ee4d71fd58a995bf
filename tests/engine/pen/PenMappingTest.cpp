#include "engine/pen/PenMapping.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <utility>

namespace {

using XY = std::pair<int, int>;

constexpr std::uint32_t kTip = TabletPenPacket::TipDown;
constexpr std::uint32_t kHover = TabletPenPacket::Hovering;
constexpr std::uint32_t kOut = TabletPenPacket::OutOfRange;

std::optional<XY> xy(const std::optional<MappedPen> &mapped)
{
    if (!mapped)
        return std::nullopt;
    return XY(mapped->normalised.x(), mapped->normalised.y());
}

// A tablet of 15200 x 9500 units.
PenDeviceLimits tablet()
{
    PenDeviceLimits device;
    device.maximumX = 15200;
    device.maximumY = 9500;
    device.maximumPressure = 8191;
    return device;
}

// The whole tablet onto the whole of one 1920 x 1080 screen that is the whole desktop.
MappingConfigure oneScreen()
{
    MappingConfigure mapping;
    mapping.desktopSize = QSize(1920, 1080);
    mapping.absRect = QRect(0, 0, 1920, 1080);
    mapping.part = QRect(0, 0, 1920, 1080);
    mapping.workArea = QRect(0, 0, 100, 100);
    mapping.rotation = 0;
    return mapping;
}

MappingConfigure withPart(QRect part)
{
    MappingConfigure mapping = oneScreen();
    mapping.part = part;
    return mapping;
}

MappingConfigure withWorkArea(QRect workArea)
{
    MappingConfigure mapping = oneScreen();
    mapping.workArea = workArea;
    return mapping;
}

MappingConfigure withRotation(std::int32_t rotation)
{
    MappingConfigure mapping = oneScreen();
    mapping.rotation = rotation;
    return mapping;
}

// A desktop of several screens; the whole of the screen at absRect is mapped.
MappingConfigure onDesktop(QSize desktop, QRect absRect)
{
    MappingConfigure mapping;
    mapping.desktopSize = desktop;
    mapping.absRect = absRect;
    mapping.part = QRect(QPoint(0, 0), absRect.size());
    return mapping;
}

// Two screens side by side: 1920 x 1080 at the origin and 2560 x 1440 right of it.
const QSize kSideBySide(4480, 1440);
// Two 1920 x 1080 screens, one above the other.
const QSize kStacked(1920, 2160);

struct MappingCase
{
    const char *name;
    MappingConfigure mapping;
    std::uint32_t status;
    std::uint32_t x;
    std::uint32_t y;
    std::optional<XY> expected;
};

const MappingCase kMappingCases[] = {
    // One screen; expected = desktop pixel x 32767 / desktop size, truncated.
    {"the tablet origin maps onto the desktop origin", oneScreen(), kTip, 0, 0, XY(0, 0)},
    {"the tablet maximum maps onto 32767 when the desktop starts at 0", oneScreen(), kTip, 15200,
     9500, XY(32767, 32767)},
    {"the tablet centre maps onto the truncated centre", oneScreen(), kTip, 7600, 4750,
     XY(16383, 16383)},
    {"a quarter of the tablet maps onto pixel 480 and 270", oneScreen(), kTip, 3800, 2375,
     XY(8191, 8191)},

    // Screen part (480, 270, 960 x 540).
    {"the tablet origin maps onto the corner of the screen part",
     withPart(QRect(480, 270, 960, 540)), kTip, 0, 0, XY(8191, 8191)},
    {"the tablet maximum maps onto the far corner of the screen part",
     withPart(QRect(480, 270, 960, 540)), kTip, 15200, 9500, XY(24575, 24575)},

    // Work area: x from 25 to 75 percent, 3800 to 11400 units.
    {"the left edge of the work area maps onto the left of the screen",
     withWorkArea(QRect(25, 0, 50, 100)), kTip, 3800, 0, XY(0, 0)},
    {"the right edge of the work area maps onto the right of the screen",
     withWorkArea(QRect(25, 0, 50, 100)), kTip, 11400, 9500, XY(32767, 32767)},
    {"the middle of the work area maps onto the middle of the screen",
     withWorkArea(QRect(25, 0, 50, 100)), kTip, 7600, 4750, XY(16383, 16383)},
    {"a hovering point left of the work area gives no output",
     withWorkArea(QRect(25, 0, 50, 100)), kHover, 3000, 4750, std::nullopt},
    {"a touching point right of the work area gives no output",
     withWorkArea(QRect(25, 0, 50, 100)), kTip, 11401, 4750, std::nullopt},
    {"a leaving point left of the work area is held at 0 rather than wrapping",
     withWorkArea(QRect(25, 0, 50, 100)), kOut, 3000, 4750, XY(0, 16383)},
    {"a leaving point right of the work area is held at 32767",
     withWorkArea(QRect(25, 0, 50, 100)), kOut, 15200, 4750, XY(32767, 16383)},

    // Several screens.
    {"the right of two screens starts at its place on the desktop",
     onDesktop(kSideBySide, QRect(1920, 0, 2560, 1440)), kTip, 0, 0, XY(14043, 0)},
    {"the right of two screens ends at the desktop's far corner",
     onDesktop(kSideBySide, QRect(1920, 0, 2560, 1440)), kTip, 15200, 9500, XY(32767, 32767)},
    {"the centre of the right screen lies at pixel 3200 and 720",
     onDesktop(kSideBySide, QRect(1920, 0, 2560, 1440)), kTip, 7600, 4750, XY(23405, 16383)},
    {"the smaller left screen ends at its own corner",
     onDesktop(kSideBySide, QRect(0, 0, 1920, 1080)), kTip, 15200, 9500, XY(14043, 24575)},
    {"all screens map as one desktop", onDesktop(kSideBySide, QRect(0, 0, 4480, 1440)), kTip,
     7600, 4750, XY(16383, 16383)},
    {"the lower of two stacked screens starts halfway down",
     onDesktop(kStacked, QRect(0, 1080, 1920, 1080)), kTip, 0, 0, XY(0, 16383)},
    {"the lower of two stacked screens ends at the bottom",
     onDesktop(kStacked, QRect(0, 1080, 1920, 1080)), kTip, 15200, 9500, XY(32767, 32767)},
    {"a desktop rectangle stored left of 0 that spans the desktop starts at the origin",
     onDesktop(QSize(3840, 1080), QRect(-1920, 0, 3840, 1080)), kTip, 0, 0, XY(0, 0)},
    {"a screen stored left of the desktop is held at its left edge",
     onDesktop(QSize(3840, 1080), QRect(-1920, 0, 1920, 1080)), kTip, 7600, 4750, XY(0, 16383)},
    {"a screen stored above the desktop is held at its top edge",
     onDesktop(kStacked, QRect(0, -1080, 1920, 1080)), kTip, 7600, 4750, XY(16383, 0)},

    // Rotation, on the whole tablet and screen.
    {"rotation 1 maps the tablet origin onto the top right", withRotation(1), kTip, 0, 0,
     XY(32767, 0)},
    {"rotation 1 maps the tablet maximum onto the bottom left", withRotation(1), kTip, 15200,
     9500, XY(0, 32767)},
    {"rotation 1 turns a quarter point to pixel 1440 and 270", withRotation(1), kTip, 3800, 2375,
     XY(24575, 8191)},
    {"rotation 2 maps the tablet origin onto the bottom right", withRotation(2), kTip, 0, 0,
     XY(32767, 32767)},
    {"rotation 2 turns a quarter point to three quarters", withRotation(2), kTip, 3800, 2375,
     XY(24575, 24575)},
    {"rotation 3 maps the tablet origin onto the bottom left", withRotation(3), kTip, 0, 0,
     XY(0, 32767)},
    {"rotation 3 turns a quarter point to pixel 480 and 810", withRotation(3), kTip, 3800, 2375,
     XY(8191, 24575)},
    {"an unknown rotation maps as rotation 0", withRotation(5), kTip, 3800, 2375,
     XY(8191, 8191)},
};

TEST(PenMapping, MapsTabletPointsOntoNormalisedDesktopPositions)
{
    for (const MappingCase &c : kMappingCases) {
        SCOPED_TRACE(c.name);
        const TabletPenPacket packet(c.status, c.x, c.y, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(xy(PenMapping::mapPen(packet, c.mapping, tablet(), false)), c.expected);
    }
}

TEST(PenMapping, WorkAreaIsChosenOnTheRotatedTablet)
{
    MappingConfigure mapping = withRotation(1);
    mapping.workArea = QRect(0, 0, 50, 100);
    // Turned, the tablet is 9500 wide: the work area's right edge is at 4750.
    const TabletPenPacket atEdge(kTip, 15200, 4750, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(xy(PenMapping::mapPen(atEdge, mapping, tablet(), false)), XY(32767, 32767));
    const TabletPenPacket beyond(kTip, 15200, 4749, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(xy(PenMapping::mapPen(beyond, mapping, tablet(), false)), std::nullopt);
}

TEST(PenMapping, RelativeModesKeepPointsOutsideTheWorkArea)
{
    const TabletPenPacket outside(kHover, 3000, 4750, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(xy(PenMapping::mapPen(outside, withWorkArea(QRect(25, 0, 50, 100)), tablet(), true)),
              XY(0, 16383));
}

TEST(PenMapping, MappedPenCarriesTheRotatedPointTiltAndExtent)
{
    const TabletPenPacket packet(kTip, 3800, 2375, 0, 5, -3, 0, 0, 0);
    const std::optional<MappedPen> mapped =
            PenMapping::mapPen(packet, withRotation(1), tablet(), false);
    ASSERT_TRUE(mapped);
    EXPECT_EQ(mapped->rotated.x, 7125);
    EXPECT_EQ(mapped->rotated.y, 3800);
    EXPECT_EQ(mapped->rotated.tiltX, 3);
    EXPECT_EQ(mapped->rotated.tiltY, 5);
    EXPECT_EQ(mapped->rotated.width, 9500);
    EXPECT_EQ(mapped->rotated.height, 15200);
}

struct EmptyExtentCase
{
    const char *name;
    MappingConfigure mapping;
    PenDeviceLimits device;
};

MappingConfigure withDesktop(QSize desktop)
{
    MappingConfigure mapping = oneScreen();
    mapping.desktopSize = desktop;
    return mapping;
}

MappingConfigure withAbsRect(QRect absRect)
{
    MappingConfigure mapping = oneScreen();
    mapping.absRect = absRect;
    return mapping;
}

PenDeviceLimits deviceOf(std::uint32_t width, std::uint32_t height)
{
    PenDeviceLimits device = tablet();
    device.maximumX = width;
    device.maximumY = height;
    return device;
}

TEST(PenMapping, AnEmptyExtentGivesNoOutputRatherThanADivisionByZero)
{
    const EmptyExtentCase cases[] = {
        {"a desktop of 0 x 0", withDesktop(QSize(0, 0)), tablet()},
        {"a desktop of no height", withDesktop(QSize(1920, 0)), tablet()},
        {"the unset desktop size", withDesktop(QSize(-1, -1)), tablet()},
        {"a work area of no width", withWorkArea(QRect(0, 0, 0, 100)), tablet()},
        {"a work area of no height", withWorkArea(QRect(0, 0, 100, 0)), tablet()},
        {"a null desktop rectangle", withAbsRect(QRect()), tablet()},
        {"a screen part of no width", withPart(QRect(0, 0, 0, 1080)), tablet()},
        {"a screen part of no height", withPart(QRect(0, 0, 1920, 0)), tablet()},
        {"a null screen part", withPart(QRect()), tablet()},
        {"a device of no width", oneScreen(), deviceOf(0, 9500)},
        {"a device of no size", oneScreen(), deviceOf(0, 0)},
    };
    for (const EmptyExtentCase &c : cases) {
        SCOPED_TRACE(c.name);
        const TabletPenPacket leaving(kOut, 0, 0, 0, 0, 0, 0, 0, 0);
        EXPECT_EQ(xy(PenMapping::mapPen(leaving, c.mapping, c.device, true)), std::nullopt);
    }
}

struct RotationCase
{
    const char *name;
    std::int32_t rotation;
    PenPoint expected;
};

bool samePoint(const PenPoint &a, const PenPoint &b)
{
    return a.x == b.x && a.y == b.y && a.tiltX == b.tiltX && a.tiltY == b.tiltY
            && a.width == b.width && a.height == b.height;
}

TEST(PenMapping, RotatePointTurnsPositionTiltAndExtent)
{
    const PenPoint point{10, 20, 5, -3, 100, 50};
    const RotationCase cases[] = {
        {"rotation 0 keeps the point", 0, {10, 20, 5, -3, 100, 50}},
        {"rotation 1 gives (30, 10) on a 50 x 100 extent", 1, {30, 10, 3, 5, 50, 100}},
        {"rotation 2 mirrors both axes", 2, {90, 30, -5, 3, 100, 50}},
        {"rotation 3 gives (20, 90) on a 50 x 100 extent", 3, {20, 90, -3, -5, 50, 100}},
        {"rotation 4 keeps the point", 4, {10, 20, 5, -3, 100, 50}},
        {"rotation -1 keeps the point", -1, {10, 20, 5, -3, 100, 50}},
    };
    for (const RotationCase &c : cases) {
        SCOPED_TRACE(c.name);
        const PenPoint rotated = PenMapping::rotatePoint(point, c.rotation);
        EXPECT_TRUE(samePoint(rotated, c.expected))
                << rotated.x << "," << rotated.y << " tilt " << rotated.tiltX << ","
                << rotated.tiltY << " on " << rotated.width << "x" << rotated.height;
    }
}

TEST(PenMapping, RotatingTheSmallestTiltGivesPositive128)
{
    const PenPoint point{0, 0, -128, -128, 100, 50};
    EXPECT_EQ(PenMapping::rotatePoint(point, 2).tiltX, 128);
    EXPECT_EQ(PenMapping::rotatePoint(point, 1).tiltX, 128);
}

TEST(PenMapping, FourQuarterTurnsGiveThePointBack)
{
    const PenPoint point{10, 20, 5, -3, 100, 50};
    PenPoint turned = point;
    for (int i = 0; i < 4; ++i)
        turned = PenMapping::rotatePoint(turned, 1);
    EXPECT_TRUE(samePoint(turned, point));
}

TEST(PenMapping, WorkAreaEdgesAreTruncatedAndIncluded)
{
    // 25 percent of 15200 is 3800, 50 percent 7600; 10 and 80 percent of 9500 are 950, 7600.
    const TabletWorkArea area = PenMapping::tabletWorkArea(QRect(25, 10, 50, 80), 15200, 9500);
    EXPECT_TRUE(area.contains(3800, 950));
    EXPECT_TRUE(area.contains(11400, 8550));
    EXPECT_FALSE(area.contains(3799, 950));
    EXPECT_FALSE(area.contains(3800, 949));
    EXPECT_FALSE(area.contains(11401, 8550));
    EXPECT_FALSE(area.contains(11400, 8551));

    // 33 percent of 10001 is 3300.33: the edges are 3300 and 3300 + 3300.
    const TabletWorkArea fractional =
            PenMapping::tabletWorkArea(QRect(33, 0, 33, 100), 10001, 100);
    EXPECT_TRUE(fractional.contains(3300, 0));
    EXPECT_TRUE(fractional.contains(6600, 100));
    EXPECT_FALSE(fractional.contains(3299, 0));
    EXPECT_FALSE(fractional.contains(6601, 0));
}

TEST(PenMapping, ClampNormalisedKeepsValuesWithin0And32767)
{
    EXPECT_EQ(PenMapping::clampNormalised(-1), 0);
    EXPECT_EQ(PenMapping::clampNormalised(0), 0);
    EXPECT_EQ(PenMapping::clampNormalised(32767), 32767);
    EXPECT_EQ(PenMapping::clampNormalised(32768), 32767);
    EXPECT_EQ(PenMapping::clampNormalised(-70000), 0);
}

TEST(PenMapping, TruncateNormalisedTruncatesTowardZeroWithin0And32767)
{
    EXPECT_EQ(PenMapping::truncateNormalised(8191.75), 8191);
    EXPECT_EQ(PenMapping::truncateNormalised(0.9), 0);
    EXPECT_EQ(PenMapping::truncateNormalised(-0.9), 0);
    EXPECT_EQ(PenMapping::truncateNormalised(-5000.0), 0);
    EXPECT_EQ(PenMapping::truncateNormalised(40000.0), 32767);
    EXPECT_EQ(PenMapping::truncateNormalised(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(PenMapping::truncateNormalised(std::numeric_limits<double>::infinity()), 32767);
}

} // namespace
