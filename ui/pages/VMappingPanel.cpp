#include "ui/pages/VMappingPanel.h"

#include "BuildConfig.h"
#include "config/TabletConfigure.h"
#include "ui/pages/MappingScreenPart.h"
#include "ui/widgets/WindowHelpers.h"

#include <QPainter>
#include <QStyleOption>

VMappingPanel::VMappingPanel(QWidget *parent) : QWidget(parent)
{
    resize(778, 632);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VMappingPanel.qss"));
}

VMappingPanel::~VMappingPanel() = default;

void VMappingPanel::setMonitorSource(MonitorSource source)
{
    monitorSource = std::move(source);
}

// The screen the configuration names (the first one when it names none that exists) and the part
// of it that the stored part still covers, as the engine's pen mapping reads them.
void VMappingPanel::updateFromConfigure()
{
    updating = true;
    storeScreenPart();
    updating = false;
}

void VMappingPanel::storeScreenPart()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure || !monitorSource)
        return;
    const std::vector<MonitorInfo> monitors = monitorSource();
    MappingConfigure &mapping = configure->mapping;
    int index = int(mapping.screenIndex);
    if (index >= MappingScreenPart::screenCount(monitors))
        index = 0;
    const QRect screen = MappingScreenPart::screenRect(monitors, index);
    if (screen.width() <= 0)
        return;
    const QRect area = MappingScreenPart::fittedArea(mapping.part, screen.size());
    MappingScreenPart::store(mapping, monitors, index, area, BuildConfig::kVendorId);
}

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
