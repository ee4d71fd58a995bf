#include "VIndicatorBox.h"

#include "ui_VIndicatorBox.h"

#include <QPainter>

namespace {

constexpr int kBaseLineInset = 12;
const QColor kLineColour(150, 150, 150);

} // namespace

VIndicatorBox::VIndicatorBox(QWidget *parent) : QWidget(parent), ui(new Ui::VIndicatorBox)
{
    ui->setupUi(this);
}

VIndicatorBox::~VIndicatorBox()
{
    delete ui;
}

void VIndicatorBox::setFirstLine(const QPoint &start, const QPoint &end)
{
    firstLine = {start, end};
    update();
}

void VIndicatorBox::setSecondLine(const QPoint &start, const QPoint &end)
{
    secondLine = {start, end};
    update();
}

bool VIndicatorBox::isDrawn(const Line &line)
{
    return line.end.x() - line.start.x() > 0;
}

void VIndicatorBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.save();
    painter.setPen(QPen(kLineColour, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    for (const Line &line : {firstLine, secondLine}) {
        if (isDrawn(line))
            painter.drawLine(line.start, line.end);
    }
    const int baseY = height() - kBaseLineInset;
    painter.drawLine(QPoint(kBaseLineInset, baseY), QPoint(width(), baseY));
    painter.restore();
}
