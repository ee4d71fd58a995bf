#include "ui/pages/VCurvePanel.h"

#include "ui_VCurvePanel.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

constexpr double kHandleReach = 8.0;
constexpr double kHandleSize = 8.0;
constexpr double kCurveInset = 4.0;
constexpr double kFrameRadius = 4.0;
constexpr double kHandleRadius = 1.0;
const QColor kFrameFill(255, 255, 255);
const QColor kFrameOutline(199, 199, 199);
const QColor kGuide(215, 215, 215);
const QColor kCurve(59, 153, 254);
const QColor kMiddleHandle(205, 245, 100);
const QColor kEndHandleFill(19, 100, 255);
const QColor kLockedHandle(128, 128, 128);

// Whether (x, y) lies in the 16 x 16 box centred on a handle.
bool nearHandle(const QPointF &handle, int x, int y)
{
    const QRectF box(handle.x() - kHandleReach, handle.y() - kHandleReach, 2 * kHandleReach, 2 * kHandleReach);
    return box.contains(QPointF(x, y));
}

double clampTo(double value, double high)
{
    return std::clamp(value, 0.0, high);
}

} // namespace

VCurvePanel::VCurvePanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::VCurvePanel>())
{
    ui->setupUi(this);
    const int w = width();
    const int h = height();
    start = QPointF(0, h);
    middle = QPointF(float(w) * 0.5f, float(h) * 0.5f);
    end = QPointF(w, 0);
    setAttribute(Qt::WA_MouseTracking);
}

VCurvePanel::~VCurvePanel() = default;

QVector<QPointF> VCurvePanel::param() const
{
    const double w = width();
    const double h = height();
    return {QPointF(start.x() / w, 1.0), QPointF(middle.x() / w, middle.y() / h),
            QPointF(1.0, 1.0 - end.y() / h)};
}

void VCurvePanel::setParam(const QVector<QPointF> &points)
{
    if (points.size() < 3)
        return;
    const double w = width();
    const double h = height();
    start = QPointF(w * points[0].x(), h);
    middle = QPointF(points[1].x() * w, h * points[1].y());
    end = QPointF(w, h - points[2].y() * h);
    update();
}

void VCurvePanel::resetParam()
{
    setParam({QPointF(0, 0), QPointF(0.5, 0.5), QPointF(0, 1.0)});
    emit paramChanged();
}

void VCurvePanel::setLocked(bool on)
{
    locked = on;
    update();
}

void VCurvePanel::mousePressEvent(QMouseEvent *event)
{
    if (locked || !(event->buttons() & Qt::LeftButton))
        return;
    dragging = true;
    const int x = event->pos().x();
    const int y = event->pos().y();
    if (nearHandle(start, x, y)) {
        selected = StartHandle;
    } else if (nearHandle(end, x, y)) {
        selected = EndHandle;
    } else {
        selected = MiddleHandle;
        moveMiddleTo(x, y);
        // A press may put the middle on an edge; the ends stay inside the square.
        start.setX(std::max(start.x(), 0.0));
        end.setY(std::max(end.y(), 0.0));
    }
    update();
}

// The start stays left of the middle and the end above it, pushed along when the middle passes.
void VCurvePanel::moveMiddleTo(int x, int y)
{
    middle = QPointF(clampTo(x, width()), clampTo(y, height()));
    if (start.x() >= middle.x())
        start.setX(middle.x() - 1);
    if (end.y() >= middle.y())
        end.setY(middle.y() - 1);
}

void VCurvePanel::mouseMoveEvent(QMouseEvent *event)
{
    if (locked || !dragging)
        return;
    const int x = event->pos().x();
    const int y = event->pos().y();
    switch (selected) {
    case StartHandle:
        start.setY(height());
        if (x < 1 || x >= middle.x())
            return;
        start.setX(x);
        break;
    case MiddleHandle:
        moveMiddleTo(x, y);
        break;
    case EndHandle:
        end.setX(width());
        if (y < 1 || y >= middle.y())
            return;
        end.setY(y);
        break;
    default:
        return;
    }
    update();
}

void VCurvePanel::mouseReleaseEvent(QMouseEvent *event)
{
    if (locked || event->button() != Qt::LeftButton)
        return;
    dragging = false;
    emit paramChanged();
}

void VCurvePanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    QPainterPath frame;
    frame.addRoundedRect(QRectF(rect()), kFrameRadius, kFrameRadius);
    painter.fillPath(frame, kFrameFill);
    painter.setPen(QPen(kFrameOutline, 1.0));
    painter.drawPath(frame);
    paintGrid(painter);
    paintCurve(painter);
    paintHandles(painter);
}

void VCurvePanel::paintGrid(QPainter &painter) const
{
    const double w = width();
    const double h = height();
    painter.setPen(QPen(kGuide, 1.0, Qt::DotLine));
    for (int i = 1; i <= 3; ++i) {
        const double x = i * float(w / 4);
        const double y = i * float(h / 4);
        painter.drawLine(QPointF(x, 0), QPointF(x, h));
        painter.drawLine(QPointF(0, y), QPointF(w, y));
    }
    painter.setPen(QPen(kGuide, 1.0));
    painter.drawLine(QPointF(0, h), QPointF(w, 0));
}

// The curve keeps a few pixels off the frame at its ends, so its line is never cut by it.
void VCurvePanel::paintCurve(QPainter &painter) const
{
    const double w = width();
    const double h = height();
    QPainterPath curve(QPointF(std::max(start.x(), kCurveInset), std::min(start.y(), h - kCurveInset)));
    curve.cubicTo(middle, middle, QPointF(std::min(end.x(), w - kCurveInset), std::max(end.y(), kCurveInset)));
    painter.setPen(QPen(kCurve, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
}

void VCurvePanel::paintHandles(QPainter &painter) const
{
    const double right = width() - kHandleSize;
    const double bottom = height() - kHandleSize;
    const auto drawHandle = [&painter](const QPointF &corner, const QColor &fill, const QColor &outline) {
        painter.setPen(QPen(outline, 1.0));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(corner, QSizeF(kHandleSize, kHandleSize)), kHandleRadius, kHandleRadius);
    };
    const QColor middleColour = locked ? kLockedHandle : kMiddleHandle;
    const QColor endFill = locked ? kLockedHandle : kEndHandleFill;
    const QColor endOutline = locked ? kLockedHandle : kCurve;
    drawHandle(QPointF(clampTo(middle.x() - 4, right), clampTo(middle.y() - 4, bottom)), middleColour, middleColour);
    drawHandle(QPointF(clampTo(start.x() - 4, right), bottom), endFill, endOutline);
    drawHandle(QPointF(right, clampTo(end.y() - kHandleSize, bottom)), endFill, endOutline);
}
