#include "ui/pages/VMappingPanel.h"

#include "BuildConfig.h"
#include "config/configure/ConfigureStore.h"
#include "config/configure/TabletConfigure.h"
#include "config/layout/ModelTables.h"
#include "config/platform/DataFolders.h"
#include "engine/core/AppLogic.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "ui/dialogs/calibration/CalibrationFactors.h"
#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"
#include "ui/dialogs/display/VDDCControlDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/dialogs/options/VMappingOptionDlg.h"
#include "ui/pages/ConfigurationSave.h"
#include "ui/pages/DialogTarget.h"
#include "ui/pages/MappingAreaRules.h"
#include "ui/pages/MappingScreenPart.h"
#include "ui/widgets/VDisplayMappingPanel.h"
#include "ui/widgets/VDisplayPanel.h"
#include "ui/widgets/VMappingConnector.h"
#include "ui/widgets/VTabletPanel.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VMappingPanel.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kWholeTablet = 100;
constexpr int kMinimumScreenSide = 10;
constexpr int kQuarterTurns = 4;
const QRect kTabletWhole(0, 0, kWholeTablet, kWholeTablet);

std::vector<MonitorInfo> monitorsOf(const std::vector<DisplayMappingInfo> &infos)
{
    std::vector<MonitorInfo> monitors;
    for (const DisplayMappingInfo &info : infos)
        monitors.push_back(info.monitor);
    return monitors;
}

} // namespace

VMappingPanel::VMappingPanel(QWidget *parent) : QWidget(parent), ui(new Ui::VMappingPanel)
{
    // Building the widgets fires their change signals; none of them may reach the configuration.
    updating = true;
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VMappingPanel.qss"));
    setUpFields();
    fitTextButton();
    for (int turn = 0; turn < kQuarterTurns; ++turn)
        ui->comboRotation->addItem(QString::number(turn * 90) + QChar(0x00B0));
    for (QComboBox *combo : {ui->comboScreens, ui->comboRotation}) {
        combo->installEventFilter(this);
        styleComboPopup(combo);
    }
    connect(connector(), &VMappingConnector::screenSelectChanged, this,
            [this](int, const QRect &area) { setScreenFields(area); });
    connect(connector(), &VMappingConnector::tabletSelectChanged, this,
            [this](const QRect &area) { setTabletFields(area); });
    connect(ui->mappingPanel->displayPanel(), &VDisplayPanel::displayChanged, this,
            &VMappingPanel::onDisplayChanged);
    calibrateDialog = std::make_unique<VScreenCalibrateDlg>();
    connect(calibrateDialog.get(), &VScreenCalibrateDlg::calibrateFinish, this, &VMappingPanel::storeCalibration,
            Qt::QueuedConnection);
    fillScreenList();
    updating = false;
}

VMappingPanel::~VMappingPanel()
{
    delete ui;
}

// Each field keeps its partner inside the screen or the tablet, then the area is drawn and
// handed on.
void VMappingPanel::setUpFields()
{
    const struct
    {
        VUnitEdit *field;
        VUnitEdit *partner;
        bool screen;
        const char *caption;
    } fields[] = {
        {ui->screenX, ui->screenW, true, "X"},  {ui->screenY, ui->screenH, true, "Y"},
        {ui->screenW, ui->screenX, true, "W"},  {ui->screenH, ui->screenY, true, "H"},
        {ui->tabletX, ui->tabletW, false, "X"}, {ui->tabletY, ui->tabletH, false, "Y"},
        {ui->tabletW, ui->tabletX, false, "W"}, {ui->tabletH, ui->tabletY, false, "H"},
    };
    for (const auto &entry : fields) {
        entry.field->setCaption(QLatin1String(entry.caption));
        entry.field->setUnit(entry.screen ? tr("pixels") : QStringLiteral("%"));
        VUnitEdit *field = entry.field;
        VUnitEdit *partner = entry.partner;
        const bool horizontal = field == ui->screenX || field == ui->screenW || field == ui->tabletX
                || field == ui->tabletW;
        if (entry.screen) {
            connect(field, &VUnitEdit::valueChanged, this, [this, field, partner, horizontal] {
                keepPartner(field, partner, horizontal ? screenWidth : screenHeight);
                pushScreenArea();
            });
        } else {
            connect(field, &VUnitEdit::valueChanged, this, [this, field, partner, horizontal] {
                keepPartner(field, partner, horizontal ? tabletWidth : tabletHeight);
                pushTabletArea();
            });
        }
    }
    ui->tabletX->setRange(0, kWholeTablet - 1);
    ui->tabletY->setRange(0, kWholeTablet - 1);
    ui->tabletW->setRange(1, kWholeTablet);
    ui->tabletH->setRange(1, kWholeTablet);
    setTabletFields(kTabletWhole);
}

// The text button's text lines up with the page's margin in every language; its hover tint
// covers the text only.
void VMappingPanel::fitTextButton()
{
    ui->btnRestoreDefault->resize(ui->btnRestoreDefault->sizeHint().width(), ui->btnRestoreDefault->height());
}

void VMappingPanel::keepPartner(VUnitEdit *changed, VUnitEdit *partner, int extent)
{
    const int kept = MappingAreaRules::keptPartner(partner->value(), changed->value(), extent);
    if (kept != partner->value())
        partner->setValue(kept);
}

void VMappingPanel::pushScreenArea()
{
    connector()->setScreenRect(screenFields());
    applyConfigure();
}

void VMappingPanel::pushTabletArea()
{
    connector()->setTabletRect(tabletFields());
    applyConfigure();
}

void VMappingPanel::setDisplays(ScreenStatusListen *screens)
{
    displays = screens;
    ui->mappingPanel->setDisplays(screens);
    fillScreenList();
}

void VMappingPanel::setEngine(AppLogic *logic)
{
    if (engine)
        disconnect(engine, &AppLogic::switchScreen, this, &VMappingPanel::slotSwitchScreen);
    engine = logic;
    if (logic)
        connect(logic, &AppLogic::switchScreen, this, &VMappingPanel::slotSwitchScreen, Qt::QueuedConnection);
}

std::optional<TabletDeviceInfo> VMappingPanel::connectedDevice() const
{
    const std::shared_ptr<TabletDevice_Win32> device = engine ? engine->currentDevice() : nullptr;
    if (!device)
        return std::nullopt;
    return device->info();
}

VMappingConnector *VMappingPanel::connector() const
{
    return ui->mappingPanel->connector();
}

// The list is filled while the page counts as updating: choosing its first item on the way must
// not replace the mapping the user chose.
void VMappingPanel::fillScreenList()
{
    const bool wasUpdating = updating;
    updating = true;
    ui->comboScreens->clear();
    const std::vector<DisplayMappingInfo> infos = ui->mappingPanel->displayPanel()->displayInfos();
    int penDisplayScreen = -1;
    for (const DisplayMappingInfo &info : infos) {
        if (info.monitor.penDisplay)
            penDisplayScreen = ui->comboScreens->count();
        ui->comboScreens->addItem(MappingScreenPart::screenItemText(tr("Screen"), info.monitor));
    }
    if (infos.size() >= 2)
        ui->comboScreens->addItem(MappingScreenPart::allScreensItemText(tr("All"), infos.front().monitor));
    if (const std::optional<TabletDeviceInfo> device = connectedDevice()) {
        if (device->penDisplay && penDisplayScreen >= 0) {
            ui->comboScreens->setCurrentIndex(penDisplayScreen);
        } else {
            const TabletConfigurePtr stored =
                    loadConfigure(QString::fromStdString(device->product), false, ConfigureMonitorList());
            if (stored && int(stored->mapping.screenIndex) < ui->comboScreens->count())
                ui->comboScreens->setCurrentIndex(int(stored->mapping.screenIndex));
        }
    }
    updating = wasUpdating;
}

// One refresh per display change: the screen list again, then screen, area and rotation as the
// configuration holds them, and the engine gets the result once.
void VMappingPanel::onDisplayChanged()
{
    fillScreenList();
    followDisplayRotation();
    updateFromConfigure();
    applyConfigure();
}

// With the orientation setting on, the mapping turns with the mapped display; of the mapping only
// the rotation is written to the file, beside what was saved before.
void VMappingPanel::followDisplayRotation()
{
    const TabletConfigurePtr configure = currentConfigure();
    DisplayMappingInfo record;
    if (!configure || !configure->common.orientation
        || !connector()->displayInfo(int(configure->mapping.screenIndex), record)
        || configure->mapping.rotation == record.monitor.rotation)
        return;
    configure->mapping.rotation = record.monitor.rotation;
    TabletConfigurePtr stored = loadConfigure(configure->model, false, ConfigureMonitorList());
    if (!stored)
        stored = loadConfigure(configure->model, true, ConfigureMonitorList());
    if (stored) {
        stored->mapping.rotation = record.monitor.rotation;
        ConfigurationSave::modelFile(*stored, userConfigPath(configure->model)).tell();
    }
}

void VMappingPanel::updateFromConfigure()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    updating = true;
    MappingConfigure &mapping = configure->mapping;
    if (int(mapping.screenIndex) < ui->comboScreens->count()) {
        ui->comboScreens->setCurrentIndex(int(mapping.screenIndex));
    } else {
        ui->comboScreens->setCurrentIndex(0);
        mapping.screenIndex = 0;
    }
    connector()->selectScreen(ui->comboScreens->currentIndex());
    if (screenWidth > 0)
        setScreenFields(MappingScreenPart::fittedArea(mapping.part, QSize(screenWidth, screenHeight)));
    storeScreenPart();
    connector()->setScreenRect(mapping.part);

    if (const TabletLayoutPtr layout = layoutForModel(configure->model))
        ui->mappingPanel->tabletPanel()->setLayout(layout->tablet);
    if (mapping.rotation >= 0 && mapping.rotation < kQuarterTurns)
        ui->comboRotation->setCurrentIndex(mapping.rotation);
    ui->mappingPanel->tabletPanel()->setRotation(mapping.rotation);
    setTabletFields(mapping.workArea);
    if (const std::optional<TabletDeviceInfo> device = connectedDevice()) {
        ui->btnAspectRatio->setVisible(!device->penDisplay);
        setAreaEditing(!device->penDisplay);
    }
    connector()->setTabletRect(mapping.workArea);
    updating = false;
}

void VMappingPanel::applyConfigure()
{
    if (updating)
        return;
    storeScreenPart();
    storeTabletArea();
    applyConfigureFromPanel();
}

void VMappingPanel::storeScreenPart()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    const std::vector<MonitorInfo> monitors = monitorsOf(ui->mappingPanel->displayPanel()->displayInfos());
    const int index = ui->comboScreens->currentIndex();
    MappingScreenPart::store(configure->mapping, monitors, index, screenFields(), BuildConfig::kVendorId);
    const bool allScreens = connector()->screenIndex() == VMappingConnector::kAllScreens;
    DisplayMappingInfo record;
    const bool penDisplayScreen =
            !allScreens && connector()->displayInfo(connector()->screenIndex(), record) && record.monitor.penDisplay;
    updateCalibrateButton(allScreens, penDisplayScreen);
}

void VMappingPanel::updateCalibrateButton(bool allScreens, bool penDisplayScreen)
{
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    if (!device)
        return;
    ui->btnCalibrate->setVisible(device->penDisplay);
    ui->btnCalibrate->setEnabled(!allScreens && (!device->penDisplay || penDisplayScreen));
}

void VMappingPanel::storeTabletArea()
{
    if (const TabletConfigurePtr configure = currentConfigure())
        configure->mapping.workArea = tabletFields();
}

void VMappingPanel::setAreaEditing(bool editable)
{
    connector()->setEditable(editable);
    for (VUnitEdit *field : {ui->screenX, ui->screenY, ui->screenW, ui->screenH, ui->tabletX, ui->tabletY,
                             ui->tabletW, ui->tabletH})
        field->setEnabled(editable);
    ui->btnFullScreen->setVisible(editable);
    ui->btnFullTablet->setVisible(editable);
    if (!editable && screenWidth >= 1 && screenHeight >= 1) {
        setScreenFields(QRect(0, 0, screenWidth, screenHeight));
        setTabletFields(kTabletWhole);
    }
}

void VMappingPanel::setScreenFields(const QRect &area)
{
    ui->screenX->setValue(area.x());
    ui->screenY->setValue(area.y());
    ui->screenW->setValue(area.width());
    ui->screenH->setValue(area.height());
}

void VMappingPanel::setTabletFields(const QRect &area)
{
    ui->tabletX->setValue(area.x());
    ui->tabletY->setValue(area.y());
    ui->tabletW->setValue(area.width());
    ui->tabletH->setValue(area.height());
}

QRect VMappingPanel::screenFields() const
{
    return QRect(ui->screenX->value(), ui->screenY->value(), ui->screenW->value(), ui->screenH->value());
}

QRect VMappingPanel::tabletFields() const
{
    return QRect(ui->tabletX->value(), ui->tabletY->value(), ui->tabletW->value(), ui->tabletH->value());
}

void VMappingPanel::on_comboScreens_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    connector()->selectScreen(index);
    const QRect screen = connector()->screenRect();
    screenWidth = screen.width();
    screenHeight = screen.height();
    if (screenWidth > 0) {
        ui->screenX->setRange(0, screenWidth - 1);
        ui->screenY->setRange(0, screenHeight - 1);
        ui->screenW->setRange(kMinimumScreenSide, screenWidth);
        ui->screenH->setRange(kMinimumScreenSide, screenHeight);
        setScreenFields(QRect(0, 0, screenWidth, screenHeight));
    }
    applyConfigure();
    // Fresh thumbnails for the user's choice; a refresh from the configuration has its own.
    if (!updating)
        ui->mappingPanel->displayPanel()->refresh(false);
}

void VMappingPanel::on_btnFullScreen_clicked()
{
    if (screenWidth > 0)
        setScreenFields(QRect(0, 0, screenWidth, screenHeight));
}

void VMappingPanel::on_btnFullTablet_clicked()
{
    setTabletFields(kTabletWhole);
}

void VMappingPanel::on_btnAspectRatio_clicked()
{
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    const TabletConfigurePtr configure = currentConfigure();
    if (!device || device->penDisplay || !configure)
        return;
    const std::optional<QRect> area = MappingAreaRules::aspectRatioArea(
            screenFields().size(), device->maximumX, device->maximumY, configure->mapping.rotation);
    if (!area)
        return;
    ui->tabletY->setValue(area->y());
    ui->tabletH->setValue(area->height());
    ui->tabletX->setValue(area->x());
    ui->tabletW->setValue(area->width());
}

void VMappingPanel::on_btnOK_clicked()
{
    ConfigurationSave::configure().tell(tr("Configuration saved"));
}

void VMappingPanel::on_comboRotation_currentIndexChanged(int index)
{
    const TabletConfigurePtr configure = currentConfigure();
    if (index < 0 || !configure)
        return;
    if (!updating)
        configure->mapping.rotation = index;
    connector()->setRotation(index);
    applyConfigure();
}

void VMappingPanel::on_comboRotation_activated(int index)
{
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    if (device && device->penDisplay)
        turnDisplay(index);
}

// A pen display mapped alone turns with the mapping.
void VMappingPanel::turnDisplay(int quarterTurns)
{
    DisplayMappingInfo record;
    if (displays && mappedDisplay(record) && record.monitor.penDisplay)
        displays->setDisplayOrientation(record.monitor, quarterTurns);
}

// The record of the one display the tablet drives; false for all screens.
bool VMappingPanel::mappedDisplay(DisplayMappingInfo &record) const
{
    return connector()->displayInfo(connector()->screenIndex(), record);
}

// The engine maps with neutral factors while the pen touches the marks, so that the touches
// measure the display itself.
void VMappingPanel::on_btnCalibrate_clicked()
{
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    const TabletConfigurePtr configure = currentConfigure();
    DisplayMappingInfo record;
    if (!device || !configure || !mappedDisplay(record))
        return;
    CalibrationFactors().storeInto(configure->mapping);
    calibrated = configure;
    applyConfigureFromPanel();
    CalibrationScreen screen;
    screen.monitorRect = record.monitor.systemMonitorRect;
    screen.maxX = int(device->maximumX);
    screen.maxY = int(device->maximumY);
    screen.rotation = ui->comboRotation->currentIndex();
    calibrateDialog->showOnScreen(screen);
}

// The touches measured the display through the configuration the calibration started with, at
// neutral factors; a configuration that took its place meanwhile maps with factors of its own.
void VMappingPanel::storeCalibration(double kx, double ky, double kcx, double kcy)
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure || configure != calibrated.lock())
        return;
    const CalibrationFactors factors{kx, ky, kcx, kcy};
    if (!factors.storeInto(configure->mapping))
        VTipMsgboxDlg::showTipMessage(tr("Calibration failed: the pen missed the marks"));
    applyConfigureFromPanel();
}

// False when the configuration a dialog was opened for was replaced while it ran; the page then
// shows the current one.
bool VMappingPanel::stillEdits(const DialogTarget &target)
{
    if (DialogTarget::current() == target)
        return true;
    updateFromConfigure();
    return false;
}

void VMappingPanel::on_btnMoreOptions_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    MappingOptions options;
    options.rotation = configure->mapping.rotation;
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    DisplayMappingInfo record;
    if (device && device->penDisplay) {
        // All screens have no one monitor whose picture could be set: the colour row is disabled.
        if (mappedDisplay(record)) {
            options.monitorIndex = std::uint32_t(connector()->screenIndex());
            options.colorSupported = record.monitor.penDisplay;
            options.monitorRect = record.monitor.systemMonitorRect;
        }
        options.penDisplay = true;
        options.deviceMaximumX = std::int32_t(device->maximumX);
        options.deviceMaximumY = std::int32_t(device->maximumY);
        options.calibrationDialog = calibrateDialog.get();
    }
    const DialogTarget target = DialogTarget::current();
    VMappingOptionDlg dialog(options, this);
    VMappingOptionDlg::Services services;
    services.monitors = [this] { return displays ? displays->enumerateMonitors(false) : std::vector<MonitorInfo>(); };
    services.openColorControl = [](QWidget *parent, const MonitorInfo &monitor) {
        VDDCControlDlg pictureControl(parent);
        pictureControl.openMonitor(monitor);
    };
    dialog.setServices(std::move(services));
    if (dialog.exec() != QDialog::Accepted || !stillEdits(target))
        return;
    // The dialog carries the rotation without showing it; a display turn followed while it was
    // open stays.
    if (dialog.options().rotation != options.rotation)
        configure->mapping.rotation = dialog.options().rotation;
    updateFromConfigure();
    applyConfigure();
}

void VMappingPanel::on_btnRestoreDefault_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    const std::vector<MonitorInfo> listed = displays ? displays->enumerateMonitors(false) : std::vector<MonitorInfo>();
    const TabletConfigurePtr defaults =
            loadConfigure(configure->model, true, MappingScreenPart::configureMonitors(listed));
    if (!defaults)
        return;
    const std::optional<TabletDeviceInfo> device = connectedDevice();
    if (device && device->penDisplay) {
        // The defaults map the pen display unturned, and the display turns back with them,
        // whichever screen the page had chosen.
        defaults->mapping.rotation = 0;
        ui->comboRotation->setCurrentIndex(0);
        const std::optional<MonitorInfo> turned = MappingScreenPart::penDisplayToTurn(listed, defaults->mapping);
        if (displays && turned)
            displays->setDisplayOrientation(*turned, defaults->mapping.rotation);
    }
    configure->mapping = defaults->mapping;
    updateFromConfigure();
    applyConfigure();
}

void VMappingPanel::slotSwitchScreen()
{
    const int next = MappingScreenPart::nextSingleScreen(ui->comboScreens->currentIndex(), ui->comboScreens->count());
    if (next >= 0)
        ui->comboScreens->setCurrentIndex(next);
}

void VMappingPanel::checkScreenRotation()
{
    DisplayMappingInfo record;
    if (!displays || !connector()->displayInfo(connector()->screenIndex(), record))
        return;
    for (const MonitorInfo &monitor : displays->enumerateMonitors(false)) {
        if (monitor.identifier != record.monitor.identifier)
            continue;
        // The change itself reaches the display panel too; it refreshes the page once for both.
        if (monitor.rotation != record.monitor.rotation)
            ui->mappingPanel->displayPanel()->slotDisplayChanged();
        return;
    }
}

void VMappingPanel::retranslate()
{
    ui->retranslateUi(this);
    fitTextButton();
    for (VUnitEdit *field : {ui->screenX, ui->screenY, ui->screenW, ui->screenH})
        field->setUnit(tr("pixels"));
    const int items = ui->comboScreens->count();
    const int displayItems = items >= 2 ? items - 1 : items;
    for (int item = 0; item < items; ++item) {
        const QString text = ui->comboScreens->itemText(item);
        ui->comboScreens->setItemText(item, item < displayItems
                                                    ? MappingScreenPart::retranslatedScreenItem(text, tr("Screen"))
                                                    : MappingScreenPart::retranslatedAllScreensItem(text, tr("All")));
    }
    calibrateDialog->retranslate();
}

bool VMappingPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}

void VMappingPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
