#include "ui/pages/MappingScreenPart.h"

#include <gtest/gtest.h>

#include <string>

namespace {

MonitorInfo display(int index, const QRect &monitor, const std::string &identifier)
{
    MonitorInfo info;
    info.index = index;
    info.identifier = identifier;
    info.monitorRect = monitor;
    info.desktopRect = QRect(0, 0, 3840, 1080);
    info.logicalMonitorRect = QRect(monitor.topLeft() / 2, monitor.size() / 2);
    info.virtualScreenRect = QRect(0, 0, 1920, 540);
    return info;
}

const std::vector<MonitorInfo> kTwoDisplays = {display(0, QRect(0, 0, 1920, 1080), "GSM5B7F"),
                                               display(1, QRect(1920, 0, 1920, 1080), "ZLV1601X")};

std::string codeText(const MappingConfigure &mapping)
{
    return std::string(mapping.code.begin(), mapping.code.end());
}

} // namespace

TEST(MappingScreenPart, AllScreensFollowTheDisplaysOnlyWhenThereAreTwo)
{
    EXPECT_EQ(MappingScreenPart::screenCount({}), 0);
    EXPECT_EQ(MappingScreenPart::screenCount({kTwoDisplays[0]}), 1);
    EXPECT_EQ(MappingScreenPart::screenCount(kTwoDisplays), 3);

    EXPECT_EQ(MappingScreenPart::screenRect(kTwoDisplays, 1), QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(MappingScreenPart::screenRect(kTwoDisplays, 2), QRect(0, 0, 3840, 1080));
    EXPECT_TRUE(MappingScreenPart::screenRect({kTwoDisplays[0]}, 1).isNull());
    EXPECT_TRUE(MappingScreenPart::screenRect(kTwoDisplays, -1).isNull());
}

TEST(MappingScreenPart, AStoredPartIsCutToTheScreenOrReplacedByIt)
{
    const QSize screen(1920, 1080);
    const struct
    {
        QRect stored;
        QRect expected;
    } rows[] = {
        {QRect(100, 100, 800, 600), QRect(100, 100, 800, 600)},
        {QRect(1800, 1000, 400, 400), QRect(1800, 1000, 120, 80)},
        {QRect(2000, 0, 100, 100), QRect(0, 0, 1920, 1080)},
        {QRect(), QRect(0, 0, 1920, 1080)},
    };
    for (const auto &row : rows)
        EXPECT_EQ(MappingScreenPart::fittedArea(row.stored, screen), row.expected) << row.stored.x();
}

TEST(MappingScreenPart, OneDisplayOrAllScreensWriteTheirRectanglesAndCode)
{
    MappingConfigure one;
    MappingScreenPart::store(one, kTwoDisplays, 1, QRect(10, 20, 300, 200), 0x5A4C);
    EXPECT_EQ(one.screenIndex, 1u);
    EXPECT_EQ(one.absRect, QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(one.part, QRect(10, 20, 300, 200));
    EXPECT_EQ(one.desktopSize, QSize(3840, 1080));
    EXPECT_EQ(one.dpiRect, QRect(960, 0, 960, 540));
    EXPECT_EQ(one.dpiDesktopRect, QRect(0, 0, 1920, 540));
    EXPECT_EQ(codeText(one), "ZLV1601");

    MappingConfigure all;
    MappingScreenPart::store(all, kTwoDisplays, 2, QRect(0, 0, 3840, 1080), 0x5A4C);
    EXPECT_EQ(all.absRect, QRect(0, 0, 3840, 1080));
    EXPECT_EQ(all.dpiRect, QRect(0, 0, 1920, 540));
    EXPECT_EQ(codeText(all), "ALL5A4C");
}

TEST(MappingScreenPart, AShortIdentifierKeepsTheCodeAndAMissingScreenWritesNothing)
{
    MappingConfigure mapping;
    mapping.code = {'O', 'L', 'D', 'C', 'O', 'D', 'E'};
    std::vector<MonitorInfo> monitors = {display(0, QRect(0, 0, 1920, 1080), "ABC")};
    MappingScreenPart::store(mapping, monitors, 0, QRect(0, 0, 1920, 1080), 0x5A4C);
    EXPECT_EQ(codeText(mapping), "OLDCODE");
    EXPECT_EQ(mapping.absRect, QRect(0, 0, 1920, 1080));

    MappingConfigure untouched;
    MappingScreenPart::store(untouched, monitors, 1, QRect(0, 0, 10, 10), 0x5A4C);
    EXPECT_EQ(untouched, MappingConfigure());
}
