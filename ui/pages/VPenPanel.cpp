#include "ui/pages/VPenPanel.h"

#include "config/configure/ConfigureCopy.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/layout/ModelTables.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "ui/dialogs/actions/VActionSelectDlg.h"
#include "ui/dialogs/options/VPenOptionDlg.h"
#include "ui/pages/ConfigurationSave.h"
#include "ui/pages/DialogTarget.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VPenPanel.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>
#include <QVariant>

#include <chrono>

namespace {

enum Capacity { DefaultPressure = 0, PressureOff = 1, ClickOff = 2 };

const QString kAllApplicationsIcon = QStringLiteral(":/res/image/comm/32x32/application_32x32.png");
const QString kButtonRowIcon = QStringLiteral(":/res/image/comm/24x24/key_24x24.png");

std::int64_t steadyMilliseconds()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
}

TabletActionPtr boundAction(const ActionMap &map, std::uint16_t id)
{
    const auto found = map.find(id);
    return found == map.end() ? TabletActionPtr() : found->second;
}

} // namespace

VPenPanel::VPenPanel(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::VPenPanel>())
{
    // Filling the widgets fires their slots, which must not write the configuration yet.
    updating = true;
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VPenPanel.qss"));
    for (QComboBox *combo : {ui->comboSpecApp, ui->comboPenCapacity}) {
        styleComboPopup(combo);
        combo->installEventFilter(this);
    }
    ui->sliderRelative->setRange(PenConfigure::kMinStep, PenConfigure::kMaxStep);

    connect(ui->widgetCurvePanel, &VCurvePanel::paramChanged, this, &VPenPanel::slotParamChanged);
    connect(ui->ppHotkeyDown, &VRichButton::clickButton, this, &VPenPanel::slotButtonDownClickButton);
    connect(ui->ppHotkeyUp, &VRichButton::clickButton, this, &VPenPanel::slotButtonUpClickButton);
    for (VRichButton *row : {ui->ppHotkeyDown, ui->ppHotkeyUp}) {
        connect(row, &VRichButton::titleTextFinished, this, &VPenPanel::slotRBTitleTextFinished);
        row->setIcon(QPixmap(kButtonRowIcon));
        row->hideIcon();
    }
    fillCapacityCombo();
    updating = false;
}

VPenPanel::~VPenPanel() = default;

void VPenPanel::fillCapacityCombo()
{
    ui->comboPenCapacity->addItem(QIcon(), tr("Default"), QVariant());
    ui->comboPenCapacity->addItem(QIcon(), tr("Disable pen pressure"), QVariant());
    ui->comboPenCapacity->addItem(QIcon(), tr("Disable pen click"), QVariant());
    ui->comboPenCapacity->setCurrentIndex(DefaultPressure);
}

void VPenPanel::setDeviceSource(DeviceSource source)
{
    deviceSource = std::move(source);
}

QComboBox *VPenPanel::applicationCombo() const
{
    return ui->comboSpecApp;
}

// "All Applications", every application profile, and "Edit Options...", which the main window
// answers with the application dialog.
void VPenPanel::fillApplicationCombo()
{
    QComboBox *combo = ui->comboSpecApp;
    combo->clear();
    combo->setIconSize(QSize(16, 16));
    combo->addItem(QIcon(kAllApplicationsIcon), tr("All Applications"));
    for (const AppProfile &profile : appProfiles())
        combo->addItem(profile.icon, profile.name);
    combo->addItem(QIcon(), tr("Edit Options..."));
    combo->setCurrentIndex(0);
}

void VPenPanel::updateFromConfigure()
{
    updating = true;
    const TabletConfigurePtr configure = currentConfigure();
    const TabletLayoutPtr layout = configure ? layoutForModel(configure->model) : nullptr;
    if (layout)
        setPenLayout(layout->pen);
    if (configure) {
        PenConfigure &pen = configure->pen;
        ui->checkWindowsInk->setChecked(pen.ink);
        ui->widgetCurvePanel->setParam({pen.curve.start, pen.curve.middle, pen.curve.end});
        ui->frameCurve->setVisible(pen.curveEnabled);
        ui->frameSpecApp->setVisible(pen.appHotkeys);
        if (layout) {
            const bool rows = layout->pen.button1Rect.isValid() || layout->pen.button2Rect.isValid();
            ui->ppHotkeyDown->setVisible(rows);
            ui->ppHotkeyUp->setVisible(rows);
        }
        if (const std::optional<TabletDeviceInfo> device = deviceSource ? deviceSource() : std::nullopt) {
            deviceInfo = *device;
            if (deviceInfo.penDisplay)
                pen.relative = false;
            ui->checkMouseMode->setVisible(!deviceInfo.penDisplay);
        }
        ui->checkMouseMode->setChecked(pen.relative);
        ui->frameMoveSpeed->setVisible(pen.relative);
        ui->sliderRelative->setValue(pen.step);
        refreshButtonRows();
        if (pen.capacity < std::uint32_t(ui->comboPenCapacity->count()))
            ui->comboPenCapacity->setCurrentIndex(int(pen.capacity));
    }
    updating = false;
}

void VPenPanel::applyConfigure()
{
    if (!updating)
        applyConfigureFromPanel();
}

void VPenPanel::retranslate()
{
    ui->retranslateUi(this);
    refreshButtonRows();
    ui->ppHotkeyDown->retranslatePlaceholder();
    ui->ppHotkeyUp->retranslatePlaceholder();
    QComboBox *applications = ui->comboSpecApp;
    if (applications->count() >= 2) {
        applications->setItemText(0, tr("All Applications"));
        applications->setItemText(applications->count() - 1, tr("Edit Options..."));
    }
    const QString capacities[] = {tr("Default"), tr("Disable pen pressure"), tr("Disable pen click")};
    for (int i = 0; i < ui->comboPenCapacity->count() && i < 3; ++i)
        ui->comboPenCapacity->setItemText(i, capacities[i]);
    ui->labelSliderValue->setText(QString::number(ui->sliderRelative->value()));
}

void VPenPanel::updatePenData(const QVariant &data)
{
    if (!isVisible() || !data.canConvert<TabletPenPacketWrapper>())
        return;
    const auto wrapper = data.value<TabletPenPacketWrapper>();
    if (!wrapper.valid)
        return;
    PressureReadout::Display display;
    if (!pressureReadout.take(wrapper.processed.pressure, wrapper.pressureMax, steadyMilliseconds(), display))
        return;
    ui->progressPressure->setValue(display.percent);
    ui->progressPressure->repaint();
    ui->labelPressureValue->setText(QString::number(display.value));
}

int VPenPanel::profileIndexInUse() const
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure || !configure->pen.appHotkeys)
        return -1;
    const int index = ui->comboSpecApp->currentIndex() - 1;
    return index >= 0 && index < appProfiles().size() ? index : -1;
}

VPenPanel::ButtonMap VPenPanel::buttonMapInUse() const
{
    const int profile = profileIndexInUse();
    if (profile >= 0)
        return {&appProfiles()[profile].buttons, true};
    const TabletConfigurePtr configure = currentConfigure();
    return {configure ? &configure->pen.buttons : nullptr, false};
}

void VPenPanel::publishButtonMap(const ButtonMap &used)
{
    if (used.profile)
        publishAppProfiles();
    applyConfigure();
}

void VPenPanel::refreshButtonRows()
{
    refreshButtonRow(ui->ppHotkeyDown, kLowerButton);
    refreshButtonRow(ui->ppHotkeyUp, kUpperButton);
}

void VPenPanel::refreshButtonRow(VRichButton *row, std::uint16_t id)
{
    if (row->isHidden())
        return;
    const ButtonMap used = buttonMapInUse();
    const TabletActionPtr action = used.map ? boundAction(*used.map, id) : nullptr;
    const QString title = QStringLiteral("[ B%1 ]").arg(id);
    if (!action) {
        row->setTexts(title, QString(), tr("Invalid"));
        return;
    }
    row->setTexts(title, TabletLanguage::instance().translateWord(action->tip), action->displayText());
}

ActionSelection VPenPanel::buttonSelection(std::uint16_t id) const
{
    ActionSelection selection;
    selection.text = id == kLowerButton ? tr("[ Lower Button ]") : tr("[ Upper Button ]");
    const ButtonMap used = buttonMapInUse();
    if (used.map && used.map->count(id)) {
        selection.action = used.map->at(id);
        selection.dialSwitchAllowed = deviceInfo.dialKeyCount != 0;
    }
    return selection;
}

// The button map is looked up again after the dialog: its event loop may have replaced the
// configuration or the profile list.
void VPenPanel::chooseButtonAction(VRichButton *row, std::uint16_t id)
{
    const DialogTarget target = DialogTarget::current(profileIndexInUse());
    VActionSelectDlg dialog(buttonSelection(id), this);
    if (dialog.exec() != QDialog::Accepted || !stillEdits(target))
        return;
    const ButtonMap used = buttonMapInUse();
    if (!used.map)
        return;
    (*used.map)[id] = dialog.selection().action;
    refreshButtonRow(row, id);
    publishButtonMap(used);
}

// False when what a dialog was opened for was replaced while it ran; the page then shows what it
// edits now.
bool VPenPanel::stillEdits(const DialogTarget &target)
{
    if (DialogTarget::current(profileIndexInUse()) == target)
        return true;
    updateFromConfigure();
    return false;
}

std::uint16_t VPenPanel::idOfRow(const QObject *row) const
{
    if (row == ui->ppHotkeyDown)
        return kLowerButton;
    if (row == ui->ppHotkeyUp)
        return kUpperButton;
    return 0;
}

void VPenPanel::setPenLayout(const TabletLayoutPenPart &pen)
{
    const QImage picture = tabletImageForModel(pen.penModel);
    if (!picture.isNull())
        ui->widgetPen->setPixmap(QPixmap::fromImage(picture));
    if (pen.button1Rect.isValid())
        connectIndicator(pen.button1Rect, ui->ppHotkeyDown, false);
    if (pen.button2Rect.isValid())
        connectIndicator(pen.button2Rect, ui->ppHotkeyUp, true);
    ui->widgetIndicator->setVisible(pen.button1Rect.isValid() || pen.button2Rect.isValid());
}

// A line from the button on the pen picture to the middle of the row's left edge.
void VPenPanel::connectIndicator(const QRect &button, VRichButton *row, bool first)
{
    VIndicatorBox *indicator = ui->widgetIndicator;
    const QPoint from = indicator->mapFrom(this, ui->widgetPen->mapTo(this, button.center()));
    const QPoint rowEdge = row->mapTo(this, QPoint(0, 0)) + QPoint(0, row->height() / 2);
    const QPoint to = indicator->mapFrom(this, rowEdge);
    if (first)
        indicator->setFirstLine(from, to);
    else
        indicator->setSecondLine(from, to);
}

void VPenPanel::slotParamChanged()
{
    if (const TabletConfigurePtr configure = currentConfigure()) {
        const QVector<QPointF> points = ui->widgetCurvePanel->param();
        configure->pen.curve = PressureCurve{points[0], points[1], points[2]};
    }
    applyConfigure();
}

void VPenPanel::slotButtonUpClickButton()
{
    chooseButtonAction(ui->ppHotkeyUp, kUpperButton);
}

void VPenPanel::slotButtonDownClickButton()
{
    chooseButtonAction(ui->ppHotkeyDown, kLowerButton);
}

// A new description replaces the action with a copy that carries it: the engine may still hold
// the old one.
void VPenPanel::slotRBTitleTextFinished(const QString &text)
{
    const std::uint16_t id = idOfRow(sender());
    if (id != 0) {
        const ButtonMap used = buttonMapInUse();
        const TabletActionPtr action = used.map ? boundAction(*used.map, id) : nullptr;
        if (action) {
            if (TabletActionPtr described = cloneActionWithTip(*action, text)) {
                (*used.map)[id] = described;
                if (used.profile)
                    publishAppProfiles();
            }
        }
    }
    applyConfigure();
}

void VPenPanel::on_btnMoreOptions_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    const PenConfigure &pen = configure->pen;
    const DialogTarget target = DialogTarget::current(profileIndexInUse());
    VPenOptionDlg dialog(PenOptions{pen.appHotkeys, pen.curveEnabled, pen.relative, pen.gameSupport}, this);
    if (dialog.exec() != QDialog::Accepted || !stillEdits(target))
        return;
    const PenOptions chosen = dialog.options();
    configure->pen.appHotkeys = chosen.appHotkeys;
    configure->pen.curveEnabled = chosen.curveEnabled;
    configure->pen.gameSupport = chosen.gameSupport;
    updateFromConfigure();
    applyConfigure();
}

// The defaults replace the pen part, and the pen buttons of the application profile that was in
// use, if one was: a profile the engine does not use for the pen is left alone.
void VPenPanel::on_btnRestoreDefault_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    const int profile = profileIndexInUse();
    const TabletConfigurePtr defaults = configure ? loadConfigure(configure->model, true, {}) : nullptr;
    if (defaults) {
        configure->pen = defaults->pen;
        updateFromConfigure();
        if (profile >= 0) {
            appProfiles()[profile].buttons = copyDeviceConfigure(*defaults)->pen.buttons;
            publishAppProfiles();
        }
    }
    refreshButtonRows();
    applyConfigure();
}

void VPenPanel::on_checkMouseMode_stateChanged(int state)
{
    const bool checked = state == Qt::Checked;
    ui->frameMoveSpeed->setVisible(checked);
    if (const TabletConfigurePtr configure = currentConfigure()) {
        configure->pen.relative = checked;
        if (!checked)
            configure->pen.gameSupport = false;
    }
    applyConfigure();
}

void VPenPanel::on_checkWindowsInk_stateChanged(int state)
{
    if (const TabletConfigurePtr configure = currentConfigure())
        configure->pen.ink = state == Qt::Checked;
    applyConfigure();
}

void VPenPanel::on_sliderRelative_valueChanged(int value)
{
    ui->labelSliderValue->setText(QString::number(value));
    if (const TabletConfigurePtr configure = currentConfigure())
        configure->pen.step = value;
    applyConfigure();
}

void VPenPanel::on_btnOK_clicked()
{
    const ConfigurationSave save = ConfigurationSave::configureAndProfiles();
    applyConfigure();
    save.tell(tr("Configuration saved"));
}

void VPenPanel::on_btnRestore_clicked()
{
    ui->widgetCurvePanel->resetParam();
}

void VPenPanel::on_comboSpecApp_currentIndexChanged(int)
{
    refreshButtonRows();
}

void VPenPanel::applyPreset(double middle)
{
    ui->widgetCurvePanel->setParam({QPointF(0, 0), QPointF(middle, middle), QPointF(0, 1.0)});
    slotParamChanged();
}

void VPenPanel::on_btnS2_clicked()
{
    applyPreset(0.125);
}

void VPenPanel::on_btnS1_clicked()
{
    applyPreset(0.25);
}

void VPenPanel::on_btnM0_clicked()
{
    ui->widgetCurvePanel->resetParam();
}

void VPenPanel::on_btnH1_clicked()
{
    applyPreset(0.75);
}

void VPenPanel::on_btnH2_clicked()
{
    applyPreset(0.875);
}

// Without pressure the curve means nothing: it goes back to the diagonal and cannot be shaped.
void VPenPanel::on_comboPenCapacity_currentIndexChanged(int index)
{
    const bool pressureOff = index == PressureOff;
    ui->widgetCurvePanel->setLocked(pressureOff);
    if (pressureOff)
        ui->widgetCurvePanel->resetParam();
    for (QPushButton *preset : {ui->btnS2, ui->btnS1, ui->btnM0, ui->btnH1, ui->btnH2})
        preset->setEnabled(!pressureOff);
    if (const TabletConfigurePtr configure = currentConfigure())
        configure->pen.capacity = std::uint32_t(std::max(index, 0));
    applyConfigure();
}

// The wheel scrolls the page's neighbourhood, never a combo box's choice.
bool VPenPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}

void VPenPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
