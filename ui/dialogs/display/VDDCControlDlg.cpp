#include "ui/dialogs/display/VDDCControlDlg.h"

#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VDDCControlDlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QScopedValueRollback>

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace {

// The preset radio buttons' ids in presetGroup and the presets they choose (id 2 is unused).
struct PresetButton
{
    int id;
    int preset;
};

constexpr PresetButton kPresetButtons[] = {
    {1, IDDCInterface::PresetSrgb},  {3, IDDCInterface::Preset5000K}, {4, IDDCInterface::Preset6500K},
    {5, IDDCInterface::Preset7500K}, {6, IDDCInterface::Preset9300K}, {7, IDDCInterface::PresetUser},
};
constexpr int kUserPresetButton = 7;

DdcMonitorAccess &monitorAccess()
{
    static DdcMonitorAccess access;
    return access;
}

int presetOfButton(int id)
{
    for (const PresetButton &button : kPresetButtons) {
        if (button.id == id)
            return button.preset;
    }
    return IDDCInterface::NoPreset;
}

int buttonOfPreset(int preset)
{
    for (const PresetButton &button : kPresetButtons) {
        if (button.preset == preset)
            return button.id;
    }
    return -1;
}

int sliderValue(std::uint32_t value)
{
    return int(std::min<std::uint32_t>(value, INT_MAX));
}

void showRange(QSlider *slider, std::uint32_t minimum, std::uint32_t current, std::uint32_t maximum)
{
    slider->setRange(sliderValue(minimum), sliderValue(maximum));
    slider->setValue(sliderValue(current));
}

} // namespace

VDDCControlDlg::VDDCControlDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VDDCControlDlg>())
{
    ui->setupUi(this);
    presetGroup = new QButtonGroup(this);
    presetGroup->setExclusive(true);
    const std::pair<QAbstractButton *, int> radios[] = {
        {ui->radiosRGB, 1}, {ui->radio50K, 3}, {ui->radio65K, 4},
        {ui->radio75K, 5},  {ui->radio93K, 6}, {ui->radioUser1, kUserPresetButton},
    };
    for (const auto &[radio, id] : radios)
        presetGroup->addButton(radio, id);
    connect(presetGroup, SIGNAL(buttonClicked(int)), this, SLOT(slot_colorTempButtonClicked(int)));

    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->ddcdFrame, QColor(100, 100, 108, 100), 10);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VDDCControlDlg.qss"));
    ui->ddcdWidgetTitle->setButtons(VTitleBar::Close);
    ui->ddcdWidgetTitle->setTitle(tr("Display color temperature"));
    enableGains(false);
}

VDDCControlDlg::~VDDCControlDlg() = default;

void VDDCControlDlg::setMonitorAccess(DdcMonitorAccess access)
{
    monitorAccess() = std::move(access);
}

// The display's place in the monitor list need not be its place among the displays that DDC/CI
// counts, so the display is found by its device name. A display that does not answer over DDC/CI
// is, for the user, one that could not be found.
void VDDCControlDlg::openMonitor(const MonitorInfo &monitor)
{
    const DdcMonitorAccess &access = monitorAccess();
    const int index = access.displayIndex ? access.displayIndex(monitor.deviceName) : -1;
    if (index < 0 || !openMonitorAt(index))
        VTipMsgboxDlg::showTipMessage(tr("The display could not be found; its picture cannot be adjusted."));
}

bool VDDCControlDlg::openMonitorAt(int index)
{
    if (!bindMonitor(index))
        return false;
    exec();
    return true;
}

bool VDDCControlDlg::bindMonitor(int index)
{
    const DdcMonitorAccess &access = monitorAccess();
    std::shared_ptr<IDDCInterface> candidate = access.createInterface ? access.createInterface() : nullptr;
    if (!candidate || !candidate->init(index))
        return false;
    writer.reset();
    ddc = std::move(candidate);
    writer = std::make_unique<DdcWriter>(ddc);

    ui->sliderBrightness->setEnabled(true);
    savedBrightness = refreshBrightness();
    ui->sliderContrast->setEnabled(true);
    savedContrast = refreshContrast();
    const int preset = ddc->colorPreset();
    if (preset != IDDCInterface::NoPreset) {
        showPreset(preset);
        savedPreset = preset;
        enableGains(preset == IDDCInterface::PresetUser);
    }
    savedGains = refreshGains();
    opened = true;
    if (!savedBrightness)
        showUnsupported();
    return true;
}

void VDDCControlDlg::slot_colorTempButtonClicked(int id)
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    if (!monitor || !opened)
        return;
    writer->finish();
    const int preset = presetOfButton(id);
    if (preset != IDDCInterface::NoPreset)
        monitor->setColorPreset(preset);
    enableGains(id == kUserPresetButton);
    refreshPreset();
}

void VDDCControlDlg::on_sliderBrightness_valueChanged(int value)
{
    ui->labBrightnessValue->setText(QStringLiteral("%1").arg(value));
    writeSlider(DdcWriter::Control::Brightness, value);
}

void VDDCControlDlg::on_sliderContrast_valueChanged(int value)
{
    ui->labContrastValue->setText(QStringLiteral("%1").arg(value));
    writeSlider(DdcWriter::Control::Contrast, value);
}

void VDDCControlDlg::on_sliderR_valueChanged(int value)
{
    ui->labRValue->setText(QStringLiteral("%1").arg(value));
    writeSlider(DdcWriter::Control::Red, value);
}

void VDDCControlDlg::on_sliderG_valueChanged(int value)
{
    ui->labGValue->setText(QStringLiteral("%1").arg(value));
    writeSlider(DdcWriter::Control::Green, value);
}

void VDDCControlDlg::on_sliderB_valueChanged(int value)
{
    ui->labBValue->setText(QStringLiteral("%1").arg(value));
    writeSlider(DdcWriter::Control::Blue, value);
}

void VDDCControlDlg::on_btnDefault_clicked()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    if (!monitor)
        return;
    writer->finish();
    monitor->restoreFactoryColor();
    refreshBrightness();
    refreshContrast();
    refreshPreset();
    refreshGains();
}

void VDDCControlDlg::on_btnCancel_clicked()
{
    reject();
}

void VDDCControlDlg::on_btnConfirm_clicked()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    if (!monitor)
        return;
    writer->finish();
    monitor->saveSettings();
    accept();
}

void VDDCControlDlg::on_sliderR_sliderMoved(int value)
{
    writeSlider(DdcWriter::Control::Red, value);
}

void VDDCControlDlg::on_sliderG_sliderMoved(int value)
{
    writeSlider(DdcWriter::Control::Green, value);
}

void VDDCControlDlg::on_sliderB_sliderMoved(int value)
{
    writeSlider(DdcWriter::Control::Blue, value);
}

void VDDCControlDlg::on_sliderR_sliderReleased()
{
    writeSlider(DdcWriter::Control::Red, ui->sliderR->value());
}

void VDDCControlDlg::on_sliderG_sliderReleased()
{
    writeSlider(DdcWriter::Control::Green, ui->sliderG->value());
}

void VDDCControlDlg::on_sliderB_sliderReleased()
{
    writeSlider(DdcWriter::Control::Blue, ui->sliderB->value());
}

void VDDCControlDlg::on_sliderBrightness_sliderMoved(int value)
{
    writeSlider(DdcWriter::Control::Brightness, value);
}

void VDDCControlDlg::on_sliderBrightness_sliderReleased()
{
    writeSlider(DdcWriter::Control::Brightness, ui->sliderBrightness->value());
}

void VDDCControlDlg::on_sliderContrast_sliderMoved(int value)
{
    writeSlider(DdcWriter::Control::Contrast, value);
}

void VDDCControlDlg::on_sliderContrast_sliderReleased()
{
    writeSlider(DdcWriter::Control::Contrast, ui->sliderContrast->value());
}

void VDDCControlDlg::reject()
{
    restoreOpeningValues();
    QDialog::reject();
}

std::optional<std::uint32_t> VDDCControlDlg::refreshBrightness()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    std::uint32_t minimum = 0, current = 0, maximum = 0;
    if (!monitor || !monitor->brightness(minimum, current, maximum))
        return std::nullopt;
    const QScopedValueRollback<bool> showing(filling, true);
    showRange(ui->sliderBrightness, minimum, current, maximum);
    return current;
}

std::optional<std::uint32_t> VDDCControlDlg::refreshContrast()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    std::uint32_t minimum = 0, current = 0, maximum = 0;
    if (!monitor || !monitor->contrast(minimum, current, maximum))
        return std::nullopt;
    const QScopedValueRollback<bool> showing(filling, true);
    showRange(ui->sliderContrast, minimum, current, maximum);
    return current;
}

std::optional<VDDCControlDlg::Gains> VDDCControlDlg::refreshGains()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    std::vector<std::uint32_t> red, green, blue;
    if (!monitor || !monitor->gains(red, green, blue) || red.size() < 3 || green.size() < 3 || blue.size() < 3)
        return std::nullopt;
    const QScopedValueRollback<bool> showing(filling, true);
    showRange(ui->sliderR, red[0], red[1], red[2]);
    showRange(ui->sliderG, green[0], green[1], green[2]);
    showRange(ui->sliderB, blue[0], blue[1], blue[2]);
    return Gains{red[1], green[1], blue[1]};
}

int VDDCControlDlg::refreshPreset()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    const int preset = monitor ? monitor->colorPreset() : int(IDDCInterface::NoPreset);
    showPreset(preset);
    enableGains(preset == IDDCInterface::PresetUser);
    return preset;
}

// A preset outside the table checks no button.
void VDDCControlDlg::showPreset(int preset)
{
    if (QAbstractButton *button = presetGroup->button(buttonOfPreset(preset))) {
        button->setChecked(true);
        return;
    }
    presetGroup->setExclusive(false);
    for (QAbstractButton *button : presetGroup->buttons())
        button->setChecked(false);
    presetGroup->setExclusive(true);
}

void VDDCControlDlg::enableGains(bool enabled)
{
    for (QSlider *slider : {ui->sliderR, ui->sliderG, ui->sliderB})
        slider->setEnabled(enabled);
}

void VDDCControlDlg::showUnsupported()
{
    ui->ddcdWidgetTitle->setTitle(QStringLiteral("*DDC/CI - %1").arg(tr("Display adapter/slot not supported")));
    for (QWidget *control : std::initializer_list<QWidget *>{ui->groupBoxBrightness, ui->groupBoxColorTemp,
                                                             ui->groupBoxRGBGain, ui->btnConfirm, ui->btnDefault})
        control->setEnabled(false);
}

void VDDCControlDlg::writeSlider(DdcWriter::Control control, int value)
{
    if (writer && opened && !filling)
        writer->post(control, std::uint32_t(std::max(value, 0)));
}

// A gain read as 0 is written back as well; setGains would leave it as it is.
void VDDCControlDlg::restoreOpeningValues()
{
    const std::shared_ptr<IDDCInterface> monitor = ddc;
    if (!monitor || !opened)
        return;
    writer->discard();
    if (savedBrightness)
        monitor->setBrightness(*savedBrightness);
    if (savedContrast)
        monitor->setContrast(*savedContrast);
    if (savedPreset != IDDCInterface::NoPreset)
        monitor->setColorPreset(savedPreset);
    if (!savedGains)
        return;
    const Gains &gains = *savedGains;
    if (gains.red != 0 && gains.green != 0 && gains.blue != 0) {
        monitor->setGains(gains.red, gains.green, gains.blue);
        return;
    }
    monitor->setGain(IDDCInterface::Gain::Red, gains.red);
    monitor->setGain(IDDCInterface::Gain::Green, gains.green);
    monitor->setGain(IDDCInterface::Gain::Blue, gains.blue);
}
