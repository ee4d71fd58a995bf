#include "VRichItem.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VRichItem.h"

#include <QCursor>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace {

QString pictureOfKind(int kind)
{
    switch (kind) {
    case VRichItem::Arrow:
        return QStringLiteral(":/res/image/comm/16x16/triangle_right_16x16.png");
    case VRichItem::Link:
        return QStringLiteral(":/res/image/comm/16x16/link_16x16.png");
    default:
        return QString();
    }
}

} // namespace

VRichItem::VRichItem(int kind, const QString &title, const QString &caption, QWidget *parent)
    : QWidget(parent), ui(new Ui::VRichItem), rowKind(kind)
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VRichItem.qss"));
    ui->riLabelIcon->clear();
    // The picture only shows where the row leads; a click on it belongs to the row button below.
    ui->riLabelIcon->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(ui->widgetSwitch, &VSwitchButton::stateChanged, this,
            [this](bool) { emit activated(Switch); });
    ui->riLabelTitle->setText(title);
    ui->riLabelCaption->setText(caption);
    ui->widgetSwitch->hide();
    if (kind == Switch)
        ui->widgetSwitch->show();
    else if (kind == Arrow || kind == Link)
        ui->riLabelIcon->setPixmap(QPixmap(pictureOfKind(kind)));
    else
        ui->riBtnMain->hide();
}

VRichItem::~VRichItem()
{
    delete ui;
}

int VRichItem::kind() const
{
    return rowKind;
}

bool VRichItem::isChecked() const
{
    return ui->widgetSwitch->isChecked();
}

void VRichItem::setChecked(bool checked)
{
    ui->widgetSwitch->setChecked(checked);
}

void VRichItem::setTitle(const QString &title)
{
    ui->riLabelTitle->setText(title);
}

void VRichItem::setCaption(const QString &caption)
{
    ui->riLabelCaption->setText(caption);
}

void VRichItem::setDisabled(bool disabled)
{
    if (disabled)
        ui->widgetSwitch->setChecked(false);
    QWidget::setDisabled(disabled);
}

// Only a click made with the pointer over the row flips the switch; the row button's other ways
// of being clicked (a key press) just report the row.
void VRichItem::on_riBtnMain_clicked()
{
    if (rowKind == Switch && rect().contains(mapFromGlobal(QCursor::pos())))
        ui->widgetSwitch->setChecked(!ui->widgetSwitch->isChecked());
    emit activated(rowKind);
}

void VRichItem::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void VRichItem::mousePressEvent(QMouseEvent *)
{
}

void VRichItem::mouseReleaseEvent(QMouseEvent *)
{
}
