#include "ui/widgets/VTabletPanel.h"

#include "config/layout/ModelTables.h"
#include "ui_VTabletPanel.h"

#include <QPainter>

namespace {

const QColor CornerColor(205, 245, 100);

int normalQuarterTurns(int quarterTurns)
{
    return (quarterTurns % 4 + 4) % 4;
}

} // namespace

VTabletPanel::VTabletPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VTabletPanel>())
{
    ui->setupUi(this);
}

VTabletPanel::~VTabletPanel() = default;

void VTabletPanel::setLayout(const TabletLayoutTabletPart &layout)
{
    tabletLayout = layout;
    picture = layout.model.isEmpty() ? QImage() : tabletImageForModel(layout.model);
    updateMarkedArea();
    update();
}

void VTabletPanel::setRotation(int turns)
{
    quarterTurns = turns;
    updateMarkedArea();
    update();
}

int VTabletPanel::rotation() const
{
    return quarterTurns;
}

QRect VTabletPanel::pictureRect(const QSize &panel, const QSize &picture)
{
    if (picture.isEmpty())
        return QRect();
    const int drawnHeight = int(panel.width() * (double(picture.height()) / picture.width()));
    const int top = (panel.height() - drawnHeight) / 2;
    return QRect(0, top, panel.width(), drawnHeight);
}

QRect VTabletPanel::markedArea(const QSize &panel, const QSize &picture, const QRect &workArea,
                               int quarterTurns)
{
    if (picture.isEmpty())
        return QRect();
    const int width = panel.width();
    const int height = panel.height();
    const QRect drawn = pictureRect(panel, picture);
    const int top = drawn.y();
    const double scaleX = double(width) / picture.width();
    const double scaleY = double(drawn.height()) / picture.height();
    const int left = int(workArea.x() * scaleX);
    const int workTop = int(workArea.y() * scaleY);
    const int workWidth = int(workArea.width() * scaleX);
    const int workHeight = int(workArea.height() * scaleY);
    switch (normalQuarterTurns(quarterTurns)) {
    case 1:
        return QRect(height - workHeight - workTop - top, left, workHeight, workWidth);
    case 2:
        return QRect(width - workWidth - left, top + drawn.height() - workHeight - workTop,
                     workWidth, workHeight);
    case 3:
        return QRect(top + workTop, width - workWidth - left, workHeight, workWidth);
    default:
        return QRect(left, top + workTop, workWidth, workHeight);
    }
}

// The page may resize the panel after the layout is set; the marks follow the drawn picture.
void VTabletPanel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    updateMarkedArea();
}

void VTabletPanel::updateMarkedArea()
{
    marked = picture.isNull()
        ? QRect()
        : markedArea(size(), picture.size(), tabletLayout.workRect, quarterTurns);
}

void VTabletPanel::paintEvent(QPaintEvent *)
{
    if (picture.isNull() || marked.width() <= 0)
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    paintPicture(painter);
    paintCorners(painter);
}

void VTabletPanel::paintPicture(QPainter &painter) const
{
    const QRect target = pictureRect(size(), picture.size());
    if (normalQuarterTurns(quarterTurns) == 0) {
        painter.drawImage(target, picture);
        return;
    }
    const QPointF centre(width() / 2.0, height() / 2.0);
    painter.save();
    painter.translate(centre);
    painter.rotate(quarterTurns * 90.0);
    painter.translate(-centre);
    painter.drawImage(target, picture);
    painter.restore();
}

// Four small squares, one on each corner of the active area, leave the picture readable.
void VTabletPanel::paintCorners(QPainter &painter) const
{
    painter.setPen(QPen(CornerColor, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.setBrush(Qt::NoBrush);
    for (const QPoint &corner :
         {marked.topLeft(), marked.topRight(), marked.bottomLeft(), marked.bottomRight()})
        painter.drawRect(QRect(corner - QPoint(1, 1), QSize(1, 1)));
}
