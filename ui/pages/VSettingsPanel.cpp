#include "ui/pages/VSettingsPanel.h"

#include "ui/widgets/WindowHelpers.h"

#include <QPainter>
#include <QStyleOption>

VSettingsPanel::VSettingsPanel(QWidget *parent) : QWidget(parent)
{
    resize(778, 632);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VSettingsPanel.qss"));
}

VSettingsPanel::~VSettingsPanel() = default;

void VSettingsPanel::updateFromConfigure() {}

void VSettingsPanel::applyConfigure()
{
    if (!updating)
        applyConfigureFromPanel();
}

void VSettingsPanel::retranslate() {}

void VSettingsPanel::hideDiagnosis() {}

void VSettingsPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
