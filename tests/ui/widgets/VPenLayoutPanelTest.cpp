#include "ui/widgets/VPenLayoutPanel.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

TEST(VPenLayoutPanel, ThePictureIsStretchedOverTheWholePanel)
{
    VPenLayoutPanel panel;
    QImage image(panel.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    EXPECT_EQ(qAlpha(image.pixel(30, 170)), 0);

    QPixmap picture(2, 2);
    picture.fill(Qt::red);
    panel.setPixmap(picture);
    panel.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    for (const QPoint &point : {QPoint(0, 0), QPoint(59, 339), QPoint(30, 170)})
        EXPECT_EQ(image.pixel(point), qRgb(255, 0, 0)) << point.x() << ", " << point.y();
}
