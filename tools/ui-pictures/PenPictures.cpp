// The pictures of the pen page and of the action selection dialog: the pen button rows' key, the
// application list's "all applications" entry, the pressure curve's presets and reset, and the
// dialog's clear button.
#include "LineIconCanvas.h"
#include "Picture.h"
#include "UiPalette.h"

#include <QPainterPath>
#include <QPolygonF>

namespace {

constexpr int kSmall = 16;
constexpr int kRow = 24;
constexpr int kMenu = 32;

// A waste bin: the shortcut list is emptied.
QImage clearAll(const QColor &colour)
{
    LineIconCanvas canvas(kSmall, kSmall, colour);
    QPainter &p = canvas.painter();
    p.drawLine(QPointF(2.5, 4), QPointF(13.5, 4));
    p.drawPolyline(QPolygonF({QPointF(6, 4), QPointF(6, 2.5), QPointF(10, 2.5), QPointF(10, 4)}));
    p.drawPolyline(QPolygonF({QPointF(4, 4), QPointF(4.8, 13.5), QPointF(11.2, 13.5), QPointF(12, 4)}));
    p.drawLine(QPointF(6.8, 7), QPointF(6.8, 11));
    p.drawLine(QPointF(9.2, 7), QPointF(9.2, 11));
    return canvas.finish();
}

// A key cap seen from above: the row of one pen button.
QImage penButtonKey()
{
    LineIconCanvas canvas(kRow, kRow, UiPalette::kText);
    QPainter &p = canvas.painter();
    p.drawRoundedRect(QRectF(4, 5, 16, 14), 3, 3);
    p.drawRoundedRect(QRectF(8, 9, 8, 6), 1.5, 1.5);
    return canvas.finish();
}

// Four application tiles: every application at once.
QImage allApplications()
{
    LineIconCanvas canvas(kMenu, kMenu, UiPalette::kAccent);
    QPainter &p = canvas.painter();
    for (const QPointF &corner : {QPointF(5, 5), QPointF(18, 5), QPointF(5, 18)})
        p.drawRoundedRect(QRectF(corner, QSizeF(9, 9)), 2, 2);
    p.drawEllipse(QPointF(22.5, 22.5), 4.5, 4.5);
    return canvas.finish();
}

// The curve of a preset in a frame: the middle control point at (c, c) of the square, y down,
// so a c above one half bends the curve below the diagonal (a harder pen).
QImage curvePreset(double c, const QColor &colour)
{
    LineIconCanvas canvas(kRow, kRow, colour);
    QPainter &p = canvas.painter();
    const QRectF box(3, 3, 18, 18);
    canvas.setStroke(colour, 1.0);
    p.drawRoundedRect(box, 2, 2);
    canvas.setStroke(colour);
    const QRectF inner = box.adjusted(3, 3, -3, -3);
    QPainterPath curve(inner.bottomLeft());
    const QPointF middle(inner.left() + c * inner.width(), inner.top() + c * inner.height());
    curve.cubicTo(middle, middle, inner.topRight());
    p.drawPath(curve);
    return canvas.finish();
}

// A circular arrow: back to the straight curve.
QImage restoreCurve()
{
    LineIconCanvas canvas(kSmall, kSmall, UiPalette::kAccentStrong);
    QPainter &p = canvas.painter();
    const QRectF circle(3, 3, 10, 10);
    QPainterPath arc;
    arc.arcMoveTo(circle, 90);
    arc.arcTo(circle, 90, 270);
    p.drawPath(arc);
    // The arrow's head where the arc starts, at the top, pointing back along it.
    p.drawPolyline(QPolygonF({QPointF(10.5, 1.5), QPointF(8, 3), QPointF(10.5, 5)}));
    return canvas.finish();
}

std::vector<Picture> penPictures()
{
    const QColor text = UiPalette::kText;
    const QColor disabled = UiPalette::kDisabled;
    std::vector<Picture> pictures = {
        {"16x16/clear_16x16.png", [text] { return clearAll(text); }},
        {"16x16/clear_disabled_16x16.png", [disabled] { return clearAll(disabled); }},
        {"24x24/key_24x24.png", penButtonKey},
        {"32x32/application_32x32.png", allApplications},
        {"16x16/curve_restore_16x16.png", restoreCurve},
    };
    const struct
    {
        const char *normal;
        const char *off;
        double c;
    } presets[] = {
        {"24x24/curve_s2_24x24.png", "24x24/curve_s2_disabled_24x24.png", 0.125},
        {"24x24/curve_s1_24x24.png", "24x24/curve_s1_disabled_24x24.png", 0.25},
        {"24x24/curve_m0_24x24.png", "24x24/curve_m0_disabled_24x24.png", 0.5},
        {"24x24/curve_h1_24x24.png", "24x24/curve_h1_disabled_24x24.png", 0.75},
        {"24x24/curve_h2_24x24.png", "24x24/curve_h2_disabled_24x24.png", 0.875},
    };
    for (const auto &preset : presets) {
        const double c = preset.c;
        pictures.push_back({preset.normal, [c, text] { return curvePreset(c, text); }});
        pictures.push_back({preset.off, [c, disabled] { return curvePreset(c, disabled); }});
    }
    return pictures;
}

} // namespace

QZ_PICTURE_LIST(pen, penPictures)
