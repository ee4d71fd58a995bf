#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

// Draws a pen picture: the barrel, tip down, in the look of its pen id, with the barrel buttons
// at the rectangles that the layouts give.
class PenPicturePainter
{
public:
    static constexpr int kWidth = 60;
    static constexpr int kHeight = 340;

    struct Look
    {
        int barrelWidth = 18;
        bool eraser = false;
        QColor ring; // invalid: no ring
    };

    static Look lookOf(const QString &penId);
    static QImage paint(const Look &look, const QRect &button1, const QRect &button2);

private:
    static void paintButton(class QPainter &painter, const QRect &button);
};
