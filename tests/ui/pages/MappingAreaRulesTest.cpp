#include "ui/pages/MappingAreaRules.h"

#include "ui/GeometryPrinters.h"

#include <gtest/gtest.h>

#include <optional>

TEST(MappingAreaRules, AspectRatioKeepsTheScreensShapeOnTheTabletCentred)
{
    const struct
    {
        const char *what;
        QSize screen;
        std::uint32_t maximumX;
        std::uint32_t maximumY;
        int rotation;
        std::optional<QRect> area;
    } rows[] = {
        {"16:9 screen on a 16:10 tablet", {1920, 1080}, 16000, 10000, 0, QRect(0, 5, 100, 90)},
        {"16:9 screen on a 3:2 tablet", {1920, 1080}, 30480, 20320, 0, QRect(0, 8, 100, 84)},
        {"4:3 screen on a 16:10 tablet", {1024, 768}, 16000, 10000, 0, QRect(8, 0, 83, 100)},
        {"a quarter turn swaps the tablet's sides", {1920, 1080}, 16000, 10000, 1, QRect(0, 32, 100, 35)},
        {"three quarter turns too", {1920, 1080}, 16000, 10000, 3, QRect(0, 32, 100, 35)},
        {"a half turn does not", {1920, 1080}, 16000, 10000, 2, QRect(0, 5, 100, 90)},
        {"equal shapes take the whole tablet", {1600, 1000}, 16000, 10000, 0, QRect(0, 0, 100, 100)},
        {"a band of 2 percent", {10000, 100}, 16000, 10000, 0, QRect(0, 49, 100, 2)},
        {"a band under 1 percent changes nothing", {10000, 10}, 16000, 10000, 0, std::nullopt},
        {"an empty screen area", {1920, 0}, 16000, 10000, 0, std::nullopt},
        {"a tablet without extents", {1920, 1080}, 16000, 0, 0, std::nullopt},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(MappingAreaRules::aspectRatioArea(row.screen, row.maximumX, row.maximumY, row.rotation),
                  row.area);
    }
}
