#include "app/MainWindow.h"

#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureCopy.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/layout/SupportedModel.h"
#include "config/profiles/AppProfile.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "engine/output/DriverInterfaceSet.h"
#include "engine/output/IKeyboardDriverInterface.h"
#include "ui/dialogs/actions/VAppSelectDlg.h"
#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"
#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"
#include "ui/dialogs/messages/VNotDetectedDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/pages/MappingScreenPart.h"
#include "ui/pages/VHotkeyPanel.h"
#include "ui/pages/VMappingPanel.h"
#include "ui/pages/VPenPanel.h"
#include "ui/pages/VSettingsPanel.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QScreen>

#include <optional>
#include <vector>

namespace {

MainWindow *mainWindow = nullptr;

constexpr int kWindowWidth = 1000;
constexpr int kWindowHeight = 700;
constexpr int kPasteDownDelay = 15;
constexpr int kPasteUpDelay = 10;
const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;
constexpr int kNoticeMargin = 16;
constexpr int kNoticeHeight = 56;

// Windows messages the window follows, by number: it reads them without the Windows headers.
constexpr quint32 kDisplayChangeMessage = 126;
constexpr quint32 kPowerBroadcastMessage = 536;
constexpr quintptr kResumeAutomatic = 18;

// The head of a Windows MSG record, laid out as the system lays it out in 32 and 64 bits.
struct WindowsMessageHead
{
    void *window;
    quint32 message;
    quintptr wParam;
    qintptr lParam;
};

EnginePlatform completedPlatform(EnginePlatform platform)
{
    if (!platform.appProfiles)
        platform.appProfiles = appProfilesSnapshot;
    if (!platform.translateWord)
        platform.translateWord = [](const QString &word) {
            return TabletLanguage::instance().translateWord(word);
        };
    if (!platform.showTip)
        platform.showTip = VTipMsgboxDlg::showTipMessage;
    return platform;
}

std::shared_ptr<IKeyboardDriverInterface> keyboardOf(const EnginePlatform &platform)
{
    return platform.drivers ? platform.drivers->keyboardDriver() : nullptr;
}

ConfigureMonitorList configureMonitors(ScreenStatusListen *displays)
{
    return displays ? MappingScreenPart::configureMonitors(displays->enumerateMonitors(false))
                    : ConfigureMonitorList();
}

// A variant that reports a product name of its own is listed under its base model's name; its
// configuration still follows its own name.
QString listedModelName(const QString &product)
{
    for (const SupportedModel &model : supportedModels()) {
        if (model.sharedProduct && product == QLatin1String(model.name))
            return QString::fromLatin1(model.sharedProduct);
    }
    return product;
}

// The product name of the selected tablet, which names its configuration; empty without one.
QString currentModel(const AppLogic &logic)
{
    const std::shared_ptr<TabletDevice_Win32> device = logic.currentDevice();
    return device ? QString::fromUtf8(device->info().product.c_str()) : QString();
}

void showOnly(const std::vector<QWidget *> &pages, int row)
{
    for (int i = 0; i < int(pages.size()); ++i)
        pages[i]->setVisible(i == row);
}

} // namespace

const char MainWindow::kInstanceMessage[] = "Zelvo Tablet Driver";

MainWindow::MainWindow(EnginePlatform platform, QWidget *parent)
    : QMainWindow(parent),
      ui(std::make_unique<Ui::MainWindow>()),
      displays(platform.displays),
      keyboard(keyboardOf(platform)),
      runningProcesses(platform.runningProcesses),
      logic(completedPlatform(std::move(platform)))
{
    ui->setupUi(this);
    mainWindow = this;
    applicationDialog = [this](QWidget *parent) {
        VAppSelectDlg dialog(runningProcesses ? runningProcesses() : std::vector<ProcessEntry>(), parent);
        return dialog.exec();
    };
    UIConfigure::setApplyHandler([this] { applyConfigureFromPanel(); });
    // Before the pages, which make their calibration dialog as they are built.
    VScreenCalibrateDlg::setPenDataSource(&logic);
    VTipMsgboxDlg::createInstance();
    VDiagnoseDlg::setEngine(&logic, displays);
    setUpLanguage();
    setUpWindowStyle();
    setUpPages();
    setUpMenus();
    setUpTray();
    notDetected = std::make_unique<VNotDetectedDlg>();
    ui->labelModel->hide();
    ui->labelSettings->hide();
    ui->frameLine1->hide();
    connectEngine();
    logic.start();
    refreshDeviceList();
    ui->widgetAccessibilityBanner->hide();
    // The system tells top-level windows of a resume and of a display change, hidden ones
    // included, but only windows that exist: a program started in the tray has never shown
    // this one, so it gets its native window now. Made hidden, it shows nothing until shown.
    create();
}

MainWindow::~MainWindow()
{
    if (mainWindow == this) {
        mainWindow = nullptr;
        UIConfigure::setApplyHandler(nullptr);
        VDiagnoseDlg::setEngine(nullptr, nullptr);
    }
    mainMenuPages.clear();
    settingsMenuPages.clear();
}

MainWindow *MainWindow::instance()
{
    return mainWindow;
}

// The saved language, or the system's when none was chosen yet. The window's own texts follow
// later language changes only.
void MainWindow::setUpLanguage()
{
    CommonConfigure common;
    loadCommonSettings(common);
    int language = int(common.language);
    if (common.language == CommonConfigure::kLanguageNotChosen)
        language = TabletLanguage::systemLanguageIndex();
    TabletLanguage::instance().setLanguage(language);
    connect(&TabletLanguage::instance(), &TabletLanguage::languageChanged, this,
            &MainWindow::slotLanguageChanged);
}

void MainWindow::setUpWindowStyle()
{
    setFixedSize(kWindowWidth, kWindowHeight);
    ui->frameWindow->resize(kWindowWidth - 20, kWindowHeight - 20);
    ui->frameWindow->move(10, 10);
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setWindowIcon(QIcon(QStringLiteral(":/res/image/comm/32x32/logo_32x32.png")));
    addDropShadow(ui->frameWindow, kShadowColor, kShadowBlur);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-MainWindow.qss"));
    styleComboPopup(ui->comboDevices);
    ui->titleBar->setTransparentStyle();
}

void MainWindow::setUpPages()
{
    penPanel = new VPenPanel(ui->framePanel);
    penPanel->setObjectName(QStringLiteral("penPanel"));
    penPanel->setDeviceSource([this]() -> std::optional<TabletDeviceInfo> {
        if (const std::shared_ptr<TabletDevice_Win32> device = logic.currentDevice())
            return device->info();
        return std::nullopt;
    });
    hotkeyPanel = new VHotkeyPanel(ui->framePanel);
    hotkeyPanel->setObjectName(QStringLiteral("hotkeyPanel"));
    hotkeyPanel->setDeviceSource([this]() -> std::optional<TabletDeviceInfo> {
        if (const std::shared_ptr<TabletDevice_Win32> device = logic.currentDevice())
            return device->info();
        return std::nullopt;
    });
    hotkeyPanel->setForegroundSource([this](ProcessEntry &process) { return logic.foregroundProcess(process); });
    connect(&logic, &AppLogic::switchDialAction, hotkeyPanel, &VHotkeyPanel::slotSwitchDialAction,
            Qt::QueuedConnection);
    mappingPanel = new VMappingPanel(ui->framePanel);
    mappingPanel->setObjectName(QStringLiteral("mappingPanel"));
    mappingPanel->setDisplays(displays);
    mappingPanel->setEngine(&logic);
    settingsPanel = new VSettingsPanel(ui->framePanel);
    settingsPanel->setObjectName(QStringLiteral("settingsPanel"));
    settingsPanel->setDeviceHooks({[this] { return currentModel(logic); },
                                   [this] { return configureMonitors(displays); },
                                   [this] { reopenDevices(); }});
    for (QWidget *page : std::initializer_list<QWidget *>{penPanel, hotkeyPanel, mappingPanel, settingsPanel}) {
        page->move(0, 0);
        page->setVisible(page == penPanel);
    }
    mainMenuPages = {penPanel, hotkeyPanel, mappingPanel};
    settingsMenuPages = {settingsPanel};
    unknownModelNotice = new QLabel(ui->framePanel);
    unknownModelNotice->setObjectName(QStringLiteral("labelUnknownModel"));
    unknownModelNotice->setWordWrap(true);
    unknownModelNotice->setGeometry(kNoticeMargin, kNoticeMargin, ui->framePanel->width() - 2 * kNoticeMargin,
                                    kNoticeHeight);
    unknownModelNotice->hide();

    for (QComboBox *combo : {penPanel->applicationCombo(), hotkeyPanel->applicationCombo()}) {
        connect(combo, QOverload<int>::of(&QComboBox::activated), this,
                &MainWindow::slotAppOptionsActivated);
        connect(combo, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
                &MainWindow::slotAppCurrentIndexChanged);
    }
}

void MainWindow::setUpMenus()
{
    const QSize itemSize(140, 48);
    ui->menuMain->setFocusPolicy(Qt::NoFocus);
    ui->menuMain->setIconSize(QSize(24, 24));
    for (const char *picture : {"pen_32x32.png", "hotkey_32x32.png", "mapping_32x32.png"}) {
        auto *item = new QListWidgetItem(
                QIcon(QStringLiteral(":/res/image/comm/32x32/") + QLatin1String(picture)), QString(),
                ui->menuMain);
        item->setSizeHint(itemSize);
    }
    ui->menuMain->setCurrentRow(0);

    ui->menuSettings->setFocusPolicy(Qt::NoFocus);
    ui->menuSettings->setIconSize(QSize(24, 24));
    auto *settingsItem = new QListWidgetItem(
            QIcon(QStringLiteral(":/res/image/comm/32x32/settings_32x32.png")), QString(),
            ui->menuSettings);
    settingsItem->setSizeHint(itemSize);
}

void MainWindow::setUpTray()
{
    trayMenu = new QMenu(this);
    actionShowWindow = new QAction(QIcon(QStringLiteral(":/res/image/comm/showwindow_24x24.png")),
                                   QString(), this);
    actionShowWindow->setObjectName(QStringLiteral("actionShowWindow"));
    actionExit = new QAction(QIcon(QStringLiteral(":/res/image/comm/exit_24x24.png")), QString(), this);
    actionExit->setObjectName(QStringLiteral("actionExit"));
    trayMenu->addAction(actionShowWindow);
    trayMenu->addAction(actionExit);
    connect(actionShowWindow, &QAction::triggered, this, &MainWindow::showFromTray);
    connect(actionExit, &QAction::triggered, this, &MainWindow::slotExit);

    trayIcon = new QSystemTrayIcon(this);
    const QScreen *primary = QGuiApplication::primaryScreen();
    const bool lowDensity = primary && primary->physicalDotsPerInch() < 96.0;
    trayIcon->setIcon(QIcon(lowDensity ? QStringLiteral(":/res/image/comm/256x256/logo_256x256.png")
                                       : QStringLiteral(":/res/image/comm/32x32/logo_32x32.png")));
    trayIcon->setContextMenu(trayMenu);
    retranslateTexts();
    trayIcon->setVisible(true);
    connect(trayIcon, &QSystemTrayIcon::activated, this, &MainWindow::slotTrayActivated);
}

void MainWindow::connectEngine()
{
    connect(&logic, &AppLogic::tabletStatusChanged, this, &MainWindow::slotTabletStatusChanged,
            Qt::QueuedConnection);
    connect(&logic, &AppLogic::penDataChanged, this, &MainWindow::slotPenDataChanged,
            Qt::QueuedConnection);
    connect(&logic, &AppLogic::componentDataChanged, this, &MainWindow::slotComponentDataChanged,
            Qt::QueuedConnection);
    connect(&logic, &AppLogic::setClipboardAndPaste, this, &MainWindow::slotSetClipboardAndPaste,
            Qt::QueuedConnection);
}

// The menu, tray and label texts that the window sets itself.
void MainWindow::retranslateTexts()
{
    ui->labelModel->setText(tr("Model"));
    ui->labelSettings->setText(tr("Settings"));
    const QString mainItems[] = {tr("Pen"), tr("Hot Key"), tr("Mapping")};
    for (int row = 0; row < ui->menuMain->count() && row < 3; ++row)
        ui->menuMain->item(row)->setText(mainItems[row]);
    if (ui->menuSettings->count() > 0)
        ui->menuSettings->item(0)->setText(tr("Settings"));
    actionShowWindow->setText(tr("Show Window") + QStringLiteral("(&S)"));
    actionExit->setText(tr("Exit") + QStringLiteral("(&X)"));
    trayIcon->setToolTip(tr("Tablet Driver"));
    if (unknownModelNotice)
        retranslateUnknownModelNotice();
}

void MainWindow::refreshDeviceList()
{
    ui->comboDevices->clear();
    for (const TabletDeviceInfo &info : logic.deviceInfoList())
        ui->comboDevices->addItem(listedModelName(QString::fromUtf8(info.product.c_str())));
    if (ui->comboDevices->count() > 0)
        ui->comboDevices->setCurrentIndex(0);
}

void MainWindow::on_comboDevices_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    logic.selectDevice(index);
    const QString model = currentModel(logic);

    const ConfigureMonitorList monitors = configureMonitors(displays);
    TabletConfigurePtr configure = loadConfigure(model, false, monitors);
    if (!configure)
        configure = loadConfigure(model, true, monitors);
    if (!configure) {
        showUnknownModel(model);
        return;
    }
    CommonConfigure common;
    if (loadCommonSettings(common))
        configure->common = common;
    setCurrentConfigure(configure);
    logic.setConfigure(copyDeviceConfigure(*configure));
    setPagesEditable(true);

    penPanel->updateFromConfigure();
    penPanel->applyConfigure();
    penPanel->fillApplicationCombo();
    hotkeyPanel->updateFromConfigure();
    hotkeyPanel->applyConfigure();
    hotkeyPanel->fillApplicationCombo();
    mappingPanel->updateFromConfigure();
    mappingPanel->applyConfigure();
    settingsPanel->updateFromConfigure();
    showFirstPage();
}

// A model without a configuration of its own: the pages get a blank one that names no model,
// so that nothing of the previous model stays editable and nothing is saved under any model's
// name, and they edit nothing and say why. The engine follows the device with the
// configuration it had.
void MainWindow::showUnknownModel(const QString &model)
{
    auto blank = std::make_shared<TabletConfigure>();
    CommonConfigure common;
    if (loadCommonSettings(common))
        blank->common = common;
    setCurrentConfigure(blank);
    unknownModel = model;
    setPagesEditable(false);
    penPanel->updateFromConfigure();
    hotkeyPanel->updateFromConfigure();
    mappingPanel->updateFromConfigure();
    settingsPanel->updateFromConfigure();
    showFirstPage();
}

void MainWindow::setPagesEditable(bool editable)
{
    if (editable)
        unknownModel.clear();
    for (QWidget *page : std::initializer_list<QWidget *>{penPanel, hotkeyPanel, mappingPanel, settingsPanel})
        page->setEnabled(editable);
    retranslateUnknownModelNotice();
    unknownModelNotice->setVisible(!editable);
    unknownModelNotice->raise();
}

void MainWindow::retranslateUnknownModelNotice()
{
    unknownModelNotice->setText(tr("This driver does not know the model \"%1\": its settings cannot be "
                                   "shown or changed here.").arg(unknownModel));
}

void MainWindow::showFirstPage()
{
    ui->menuMain->setCurrentRow(0);
    on_menuMain_itemClicked(ui->menuMain->currentItem());
}

void MainWindow::updateVisibility()
{
    const bool empty = logic.deviceInfoList().empty();
    if (notDetected)
        notDetected->setVisible(empty);
    setVisible(!empty);
}

void MainWindow::showMainMenuPage()
{
    ui->menuSettings->clearSelection();
    showOnly(mainMenuPages, ui->menuMain->currentRow());
    showOnly(settingsMenuPages, -1);
}

void MainWindow::showSettingsMenuPage()
{
    ui->menuMain->clearSelection();
    showOnly(mainMenuPages, -1);
    showOnly(settingsMenuPages, ui->menuSettings->currentRow());
}

void MainWindow::on_menuMain_currentItemChanged(QListWidgetItem *, QListWidgetItem *)
{
    showMainMenuPage();
}

void MainWindow::on_menuSettings_currentItemChanged(QListWidgetItem *, QListWidgetItem *)
{
    showSettingsMenuPage();
}

void MainWindow::on_menuMain_itemClicked(QListWidgetItem *)
{
    showMainMenuPage();
}

void MainWindow::on_menuSettings_itemClicked(QListWidgetItem *)
{
    showSettingsMenuPage();
}

// Both pages choose the application from the same list and show the same choice.
void MainWindow::slotAppCurrentIndexChanged(int index)
{
    QComboBox *penCombo = penPanel->applicationCombo();
    QComboBox *hotkeyCombo = hotkeyPanel->applicationCombo();
    if (sender() == penCombo)
        hotkeyCombo->setCurrentIndex(index);
    else if (sender() == hotkeyCombo)
        penCombo->setCurrentIndex(index);
}

// The last entry of either combo, "Edit Options...", opens the application dialog.
void MainWindow::slotAppOptionsActivated(int index)
{
    QComboBox *penCombo = penPanel->applicationCombo();
    if (penCombo->count() < 2 || index != penCombo->count() - 1)
        return;
    const int result = applicationDialog ? applicationDialog(this) : int(QDialog::Rejected);
    if (result == QDialog::Accepted) {
        penPanel->fillApplicationCombo();
        hotkeyPanel->fillApplicationCombo();
    }
    penCombo->setCurrentIndex(0);
    hotkeyPanel->applicationCombo()->setCurrentIndex(0);
}

void MainWindow::slotTabletStatusChanged(bool state)
{
    refreshDeviceList();
    updateVisibility();
    if (state)
        bringUp();
    else
        settingsPanel->hideDiagnosis();
}

void MainWindow::slotPenDataChanged(const QVariant &wrapper)
{
    penPanel->updatePenData(wrapper);
}

void MainWindow::slotComponentDataChanged(const QVariant &wrapper)
{
    hotkeyPanel->updateComponentData(wrapper);
}

// Puts the text on the clipboard and presses Ctrl+V through the virtual keyboard, so the
// application in the foreground pastes it.
void MainWindow::slotSetClipboardAndPaste(const QString &text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
    int keyV = 0;
    if (!keyboard || !keyboard->keyNameToVirtualKey("V", keyV, KeyTable::Usage))
        return;
    const auto press = std::make_shared<KeyboardEvent>(KeyboardEvent::Ctrl, keyV, KeyboardEvent::NoKey, true, true);
    keyboard->sendKey(press, kPasteDownDelay);
    keyboard->sendKey(std::make_shared<KeyboardEvent>(press->released()), kPasteUpDelay);
}

void MainWindow::bringUp()
{
    showNormal();
    activateWindow();
    setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
    raise();
}

void MainWindow::showFromTray()
{
    bringUp();
    updateVisibility();
}

void MainWindow::slotTrayActivated(QSystemTrayIcon::ActivationReason reason)
{
    if (reason == QSystemTrayIcon::Trigger)
        showFromTray();
    else if (reason == QSystemTrayIcon::Context)
        trayMenu->popup(QCursor::pos());
}

void MainWindow::slotReceivedMessage(quint32, QByteArray message)
{
    if (QString::fromLocal8Bit(message) == QLatin1String(kInstanceMessage))
        showFromTray();
}

void MainWindow::slotExit()
{
    quitRequested = true;
    close();
}

// The title bar's close button only hides the window; the program goes on in the tray.
void MainWindow::closeEvent(QCloseEvent *event)
{
    if (!quitRequested) {
        hide();
        event->ignore();
        return;
    }
    logic.stop();
    QCoreApplication::quit();
    event->accept();
}

void MainWindow::applyConfigureFromPanel()
{
    if (const TabletConfigurePtr configure = currentConfigure())
        logic.setConfigure(copyDeviceConfigure(*configure));
}

// A reopen that lost every tablet gives way to the no-device dialog, as a removal does, and one
// that found a tablet while that dialog stood in brings the window back; otherwise the window
// stays as it was, so that a resume leaves a program in the tray there.
void MainWindow::reopenDevices()
{
    const bool listedBefore = !logic.deviceInfoList().empty();
    logic.reopenDevices();
    refreshDeviceList();
    const bool listed = !logic.deviceInfoList().empty();
    const bool dialogShown = notDetected && notDetected->isVisible();
    if (listed ? dialogShown : (listedBefore || isVisible()))
        updateVisibility();
}

void MainWindow::displayChanged()
{
    mappingPanel->checkScreenRotation();
    if (displays)
        emit displays->displayChanged();
}

void MainWindow::powerResumed()
{
    reopenDevices();
}

void MainWindow::slotLanguageChanged(int)
{
    ui->retranslateUi(this);
    penPanel->retranslate();
    settingsPanel->retranslate();
    hotkeyPanel->retranslate();
    mappingPanel->retranslate();
    if (notDetected)
        notDetected->retranslate();
    retranslateTexts();
}

// Every message also gets the toolkit's own handling.
bool MainWindow::nativeEvent(const QByteArray &eventType, void *message, long *)
{
    if (eventType != "windows_generic_MSG" || !message)
        return false;
    const auto *head = static_cast<const WindowsMessageHead *>(message);
    if (head->message == kDisplayChangeMessage)
        displayChanged();
    else if (head->message == kPowerBroadcastMessage && head->wParam == kResumeAutomatic)
        powerResumed();
    return false;
}
