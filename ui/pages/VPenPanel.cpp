#include "ui/pages/VPenPanel.h"

#include "config/AppProfile.h"
#include "config/TabletConfigure.h"
#include "ui/widgets/WindowHelpers.h"

#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QStyleOption>
#include <QVariant>

VPenPanel::VPenPanel(QWidget *parent) : QWidget(parent), comboSpecApp(new QComboBox(this))
{
    resize(778, 632);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VPenPanel.qss"));
    comboSpecApp->setObjectName(QStringLiteral("comboSpecApp"));
    comboSpecApp->setGeometry(24, 24, 240, 32);
    styleComboPopup(comboSpecApp);
}

VPenPanel::~VPenPanel() = default;

void VPenPanel::updateFromConfigure()
{
    updating = true;
    if (const TabletConfigurePtr configure = currentConfigure())
        comboSpecApp->setVisible(configure->pen.appHotkeys);
    updating = false;
}

void VPenPanel::applyConfigure()
{
    if (!updating)
        applyConfigureFromPanel();
}

void VPenPanel::retranslate()
{
    if (comboSpecApp->count() < 2)
        return;
    comboSpecApp->setItemText(0, tr("All Applications"));
    comboSpecApp->setItemText(comboSpecApp->count() - 1, tr("Edit Options..."));
}

// "All Applications", every application profile, and "Edit Options...", which the main window
// answers with the application dialog.
void VPenPanel::fillApplicationCombo()
{
    comboSpecApp->clear();
    comboSpecApp->setIconSize(QSize(16, 16));
    comboSpecApp->addItem(QIcon(QStringLiteral(":/res/image/comm/32x32/application_32x32.png")),
                          tr("All Applications"));
    for (const AppProfile &profile : appProfiles())
        comboSpecApp->addItem(profile.icon, profile.name);
    comboSpecApp->addItem(QIcon(), tr("Edit Options..."));
    comboSpecApp->setCurrentIndex(0);
}

void VPenPanel::updatePenData(const QVariant &) {}

void VPenPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
