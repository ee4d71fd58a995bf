#include "ui/widgets/VTabletPanel.h"

#include "config/layout/ModelTables.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

const QRgb CornerColor = qRgb(205, 245, 100);

class VTabletPanelPainting : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        modelTables().clear();
        loadModelTables();
    }
    static void TearDownTestSuite() { modelTables().clear(); }
};

QImage rendered(VTabletPanel &panel)
{
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

bool isBlank(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
        }
    }
    return true;
}

TabletLayoutTabletPart layoutOf(const QString &model)
{
    const TabletLayoutPtr layout = layoutForModel(model);
    return layout ? layout->tablet : TabletLayoutTabletPart();
}

} // namespace

TEST(VTabletPanel, TheWorkAreaIsMarkedWhereThePictureIsDrawnAndTurned)
{
    struct Row
    {
        const char *what;
        QSize panel;
        QSize picture;
        QRect workArea;
        int quarterTurns;
        QRect expected;
    };
    const Row rows[] = {
        {"whole picture, upright", {200, 200}, {400, 200}, {0, 0, 400, 200}, 0, {0, 50, 200, 100}},
        {"whole picture, a quarter turn", {200, 200}, {400, 200}, {0, 0, 400, 200}, 1,
         {50, 0, 100, 200}},
        {"whole picture, upside down", {200, 200}, {400, 200}, {0, 0, 400, 200}, 2,
         {0, 50, 200, 100}},
        {"whole picture, three quarter turns", {200, 200}, {400, 200}, {0, 0, 400, 200}, 3,
         {50, 0, 100, 200}},
        {"part of the picture, upright", {200, 200}, {400, 200}, {40, 20, 200, 100}, 0,
         {20, 60, 100, 50}},
        {"part of the picture, a quarter turn", {200, 200}, {400, 200}, {40, 20, 200, 100}, 1,
         {90, 20, 50, 100}},
        {"part of the picture, upside down", {200, 200}, {400, 200}, {40, 20, 200, 100}, 2,
         {80, 90, 100, 50}},
        {"part of the picture, three quarter turns", {200, 200}, {400, 200}, {40, 20, 200, 100},
         3, {60, 80, 50, 100}},
        {"five quarter turns are one", {200, 200}, {400, 200}, {40, 20, 200, 100}, 5,
         {90, 20, 50, 100}},
        // 200 x 133.3 truncates to 133, centred from 33; each side of the area truncates.
        {"fractional scale", {200, 200}, {300, 200}, {31, 31, 151, 91}, 0, {20, 53, 100, 60}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(VTabletPanel::markedArea(row.panel, row.picture, row.workArea, row.quarterTurns),
                  row.expected);
    }
    EXPECT_EQ(VTabletPanel::pictureRect({200, 200}, {400, 200}), QRect(0, 50, 200, 100));
}

TEST_F(VTabletPanelPainting, ALayoutWithoutAPicturePaintsNothing)
{
    for (const QString &model : {QString(), QStringLiteral("No Such Model")}) {
        SCOPED_TRACE(model.toStdString());
        VTabletPanel panel;
        TabletLayoutTabletPart layout = layoutOf(QStringLiteral("QZ-Pen 6"));
        layout.model = model;
        panel.setLayout(layout);
        EXPECT_TRUE(isBlank(rendered(panel)));
    }
}

TEST_F(VTabletPanelPainting, ThePictureIsTurnedAndTheCornersOfItsWorkAreaAreMarked)
{
    struct Row
    {
        const char *model;
        int quarterTurns;
        QSize panel;
        // A point off the upright picture: blank unless the picture is turned over it.
        QPoint besideUpright;
        bool besideUprightPainted;
    };
    const Row rows[] = {
        {"QZ-Pen 6", 0, {200, 200}, {100, 20}, false},
        {"QZ-Pen 6", 1, {200, 200}, {100, 20}, true},
        {"QZ-Canvas 13", 0, {200, 200}, {100, 20}, false},
        {"QZ-Canvas 13", 1, {200, 200}, {100, 20}, true},
        {"QZ-Canvas 13", 2, {200, 200}, {100, 20}, false},
        {"QZ-Canvas 13", 3, {200, 200}, {100, 20}, true},
        {"QZ-Pen 6", 1, {300, 300}, {150, 30}, true},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(std::string(row.model) + ", turns " + std::to_string(row.quarterTurns)
                     + ", width " + std::to_string(row.panel.width()));
        const TabletLayoutTabletPart layout = layoutOf(QString::fromLatin1(row.model));
        VTabletPanel panel;
        panel.setLayout(layout);
        panel.setRotation(row.quarterTurns);
        panel.resize(row.panel);
        const QImage image = rendered(panel);
        const QRect marked = VTabletPanel::markedArea(
            row.panel, tabletImageForModel(layout.model).size(), layout.workRect,
            row.quarterTurns);
        for (const QPoint &corner :
             {marked.topLeft(), marked.topRight(), marked.bottomLeft(), marked.bottomRight()})
            EXPECT_EQ(image.pixel(corner - QPoint(1, 1)), CornerColor)
                << corner.x() << ", " << corner.y();
        EXPECT_NE(image.pixel(marked.center()), CornerColor);
        EXPECT_EQ(qAlpha(image.pixel(row.besideUpright)) != 0, row.besideUprightPainted);
    }
}
