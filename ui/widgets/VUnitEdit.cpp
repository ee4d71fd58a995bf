#include "VUnitEdit.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VUnitEdit.h"

#include <QPainter>
#include <QStyleOption>

VUnitEdit::VUnitEdit(QWidget *parent) : QWidget(parent), ui(new Ui::VUnitEdit)
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VUnitEdit.qss"));
    ui->editValue->setAttribute(Qt::WA_MacShowFocusRect, false);
    ui->editValue->setFocusPolicy(Qt::ClickFocus);
    connect(ui->editValue, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &VUnitEdit::valueChanged);
}

VUnitEdit::~VUnitEdit()
{
    delete ui;
}

void VUnitEdit::setValue(int value)
{
    ui->editValue->setValue(value);
}

int VUnitEdit::value() const
{
    return ui->editValue->value();
}

void VUnitEdit::setRange(int minimum, int maximum)
{
    ui->editValue->setRange(minimum, maximum);
}

void VUnitEdit::setCaption(const QString &caption)
{
    ui->labelCaption->setText(caption);
}

void VUnitEdit::setUnit(const QString &unit)
{
    ui->labelUnit->setText(unit);
}

void VUnitEdit::on_editValue_editingFinished()
{
    ui->editValue->clearFocus();
}

void VUnitEdit::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
