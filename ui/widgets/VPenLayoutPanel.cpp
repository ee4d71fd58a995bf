#include "ui/widgets/VPenLayoutPanel.h"

#include "ui_VPenLayoutPanel.h"

#include <QPainter>

VPenLayoutPanel::VPenLayoutPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VPenLayoutPanel>())
{
    ui->setupUi(this);
}

VPenLayoutPanel::~VPenLayoutPanel() = default;

void VPenLayoutPanel::setPixmap(const QPixmap &pixmap)
{
    picture = pixmap;
    update();
}

void VPenLayoutPanel::paintEvent(QPaintEvent *)
{
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture);
}
