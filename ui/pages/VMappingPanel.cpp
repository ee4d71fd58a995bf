#include "ui/pages/VMappingPanel.h"

#include "ui/widgets/WindowHelpers.h"

#include <QPainter>
#include <QStyleOption>

VMappingPanel::VMappingPanel(QWidget *parent) : QWidget(parent)
{
    resize(778, 632);
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-VMappingPanel.qss"));
    if (!sheet.isEmpty())
        setStyleSheet(sheet);
}

VMappingPanel::~VMappingPanel() = default;

void VMappingPanel::updateFromConfigure() {}

void VMappingPanel::applyConfigure()
{
    if (!updating)
        applyConfigureFromPanel();
}

void VMappingPanel::retranslate() {}

void VMappingPanel::checkScreenRotation() {}

void VMappingPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
