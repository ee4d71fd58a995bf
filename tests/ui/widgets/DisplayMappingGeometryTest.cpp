#include "ui/widgets/DisplayMappingGeometry.h"

#include "ui/GeometryPrinters.h"

#include <gtest/gtest.h>

namespace Geometry = DisplayMappingGeometry;

TEST(DisplayMappingGeometry, TheDesktopIsLetterboxedWhenWideAndCentredWhenNarrow)
{
    const QSize panel(420, 210);
    const struct
    {
        const char *what;
        QRect desktop;
        QRect drawn;
    } rows[] = {
        {"two screens side by side, wider than 2:1", QRect(0, 0, 3840, 1080), QRect(0, 46, 420, 118)},
        {"one 16:9 screen, narrower", QRect(0, 0, 1920, 1080), QRect(23, 0, 373, 210)},
        {"exactly 2:1 fills the panel", QRect(0, 0, 2560, 1280), QRect(0, 0, 420, 210)},
        {"a portrait screen", QRect(0, 0, 1080, 1920), QRect(151, 0, 118, 210)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(Geometry::drawnDesktop(panel, row.desktop), row.drawn);
    }
    EXPECT_FALSE(Geometry::drawnDesktop(panel, QRect(0, 0, 0, 1080)));
    EXPECT_FALSE(Geometry::drawnDesktop(QSize(0, 210), QRect(0, 0, 1920, 1080)));
}

TEST(DisplayMappingGeometry, ThumbnailsStandWhereTheirMonitorsStandOnTheDesktop)
{
    const QRect desktop(0, 0, 3840, 1080);
    const QRect drawn(0, 46, 420, 118);
    EXPECT_EQ(Geometry::thumbnail(QRect(0, 0, 1920, 1080), desktop, drawn), QRect(0, 46, 210, 118));
    EXPECT_EQ(Geometry::thumbnail(QRect(1920, 0, 1920, 1080), desktop, drawn), QRect(210, 46, 210, 118));
    EXPECT_EQ(Geometry::thumbnail(QRect(2880, 540, 960, 540), desktop, drawn), QRect(315, 105, 105, 59));
    EXPECT_FALSE(Geometry::thumbnail(QRect(0, 0, 1920, 1080), QRect(), drawn));
}

TEST(DisplayMappingGeometry, AreasConvertBetweenUnitsAndTheirDrawingWithoutDividingByNothing)
{
    const QRect bound(230, 66, 210, 118);
    const QSize screen(1920, 1080);
    EXPECT_EQ(Geometry::drawnArea(QRect(0, 0, 1920, 1080), screen, bound), bound);
    EXPECT_EQ(Geometry::drawnArea(QRect(960, 540, 960, 540), screen, bound), QRect(335, 125, 105, 59));
    EXPECT_EQ(Geometry::drawnArea(QRect(0, 0, 5, 5), screen, bound), QRect(230, 66, 0, 0))
            << "a tiny area may be drawn empty; the caller decides";
    EXPECT_EQ(Geometry::targetArea(QRect(260, 80, 71, 51), bound, screen), QRect(274, 128, 649, 467));
    EXPECT_EQ(Geometry::targetArea(bound, bound, screen), QRect(QPoint(0, 0), screen));
    EXPECT_EQ(Geometry::targetArea(QRect(180, 330, 71, 51), QRect(164, 312, 142, 94), QSize(100, 100)),
              QRect(11, 19, 50, 54));

    EXPECT_FALSE(Geometry::drawnArea(QRect(0, 0, 10, 10), QSize(), bound));
    EXPECT_FALSE(Geometry::drawnArea(QRect(0, 0, 10, 10), screen, QRect(230, 66, 0, 118)));
    EXPECT_FALSE(Geometry::targetArea(QRect(0, 0, 10, 10), QRect(), screen));
    EXPECT_FALSE(Geometry::targetArea(QRect(0, 0, 10, 10), bound, QSize(1920, 0)));
}

TEST(DisplayMappingGeometry, EachHandleMovesItsOwnSidesAndStopsSixteenPixelsShort)
{
    const QRect area(QPoint(100, 100), QPoint(199, 149));
    const std::vector<QRect> squares = Geometry::handleSquares(area);
    ASSERT_EQ(squares.size(), std::size_t(Geometry::kHandleCount));
    EXPECT_EQ(squares[0], QRect(QPoint(97, 121), QPoint(102, 126))) << "left edge, six pixels square";
    EXPECT_EQ(squares[7], QRect(QPoint(196, 146), QPoint(201, 151))) << "bottom-right corner";

    const struct
    {
        int handle;
        QPoint delta;
        QRect expected;
        Qt::CursorShape cursor;
    } rows[] = {
        {0, {-20, 7}, QRect(QPoint(80, 100), QPoint(199, 149)), Qt::SizeHorCursor},
        {0, {500, 0}, QRect(QPoint(183, 100), QPoint(199, 149)), Qt::SizeHorCursor},
        {1, {10, 10}, QRect(QPoint(110, 110), QPoint(199, 149)), Qt::SizeFDiagCursor},
        {2, {-500, 0}, QRect(QPoint(100, 100), QPoint(116, 149)), Qt::SizeHorCursor},
        {3, {5, 500}, QRect(QPoint(100, 133), QPoint(204, 149)), Qt::SizeBDiagCursor},
        {4, {9, -30}, QRect(QPoint(100, 70), QPoint(199, 149)), Qt::SizeVerCursor},
        {5, {9, -500}, QRect(QPoint(100, 100), QPoint(199, 116)), Qt::SizeVerCursor},
        {6, {-5, 5}, QRect(QPoint(95, 100), QPoint(199, 154)), Qt::SizeBDiagCursor},
        {7, {3, 4}, QRect(QPoint(100, 100), QPoint(202, 153)), Qt::SizeFDiagCursor},
        {8, {3, 4}, area, Qt::ArrowCursor},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.handle);
        EXPECT_EQ(Geometry::resized(area, row.handle, row.delta), row.expected);
        EXPECT_EQ(Geometry::handleCursor(row.handle), row.cursor);
    }
}
