#pragma once

#include <QPointF>
#include <QVector>
#include <QWidget>

#include <memory>

namespace Ui {
class VCurvePanel;
}

// The square on which the user shapes the pressure curve by dragging three handles: the start on
// the bottom edge, the end on the right edge and the middle anywhere between them. The points are
// kept in widget pixels (y down) and handed out normalised to 0..1.
class VCurvePanel : public QWidget
{
    Q_OBJECT

public:
    explicit VCurvePanel(QWidget *parent = nullptr);
    ~VCurvePanel() override;

    // (start x, 1), (middle x, middle y) with y down, and (1, end height) with y up.
    QVector<QPointF> param() const;
    // Reads start x, middle x and y, and end y of at least three points; fewer change nothing.
    void setParam(const QVector<QPointF> &points);
    // The straight diagonal, announced through paramChanged.
    void resetParam();
    // A locked panel ignores the mouse and shows its handles grey.
    void setLocked(bool locked);

signals:
    void paramChanged();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    enum Handle { StartHandle = 1, MiddleHandle = 2, EndHandle = 3 };

    void moveMiddleTo(int x, int y);
    void paintGrid(QPainter &painter) const;
    void paintCurve(QPainter &painter) const;
    void paintHandles(QPainter &painter) const;

    std::unique_ptr<Ui::VCurvePanel> ui;
    QPointF start;
    QPointF middle;
    QPointF end;
    bool dragging = false;
    int selected = MiddleHandle;
    bool locked = false;
};
