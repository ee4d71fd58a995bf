#include "ui/pages/VHotkeyPanel.h"

#include "config/configure/ConfigureCopy.h"
#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/layout/ModelTables.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"
#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/profiles/AppProfileStore.h"
#include "engine/actions/DialActionSwitch.h"
#include "ui/dialogs/actions/VDialActionDlg.h"
#include "ui/dialogs/actions/VHotkeyPreviewDlg.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"
#include "ui/dialogs/options/VHotkeyOptionDlg.h"
#include "ui/pages/ConfigurationSave.h"
#include "ui/pages/DialogTarget.h"
#include "ui/pages/VHotkeyLayoutPanel.h"
#include "ui/widgets/VRichButton.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VHotkeyPanel.h"

#include <QComboBox>
#include <QIcon>
#include <QPainter>
#include <QStyleOption>
#include <QVariant>

namespace {

constexpr int kPreviewOffset = 250;
const char kKeyPicture[] = ":/res/image/comm/24x24/keyboard_24x24.png";
const char kDialPicture[] = ":/res/image/comm/24x24/dial_24x24.png";
const char kTouchPicture[] = ":/res/image/comm/24x24/touch_24x24.png";

using DialMap = std::map<std::uint16_t, DialConfigure>;

// The number under which a component's binding is kept: a touch segment's is the event it
// reports, which the row shows as well.
std::uint16_t bindingNumber(const TabletLayoutComponent &component)
{
    if (component.type == TabletLayoutComponent::Touch)
        return std::uint16_t(static_cast<const TabletLayoutTouch &>(component).event);
    return std::uint16_t(component.id);
}

QString translatedTip(const TabletActionPtr &action)
{
    return action ? TabletLanguage::instance().translateWord(action->tip) : QString();
}

// The pair a dial runs now; the first when its index lies outside its pairs.
const ActionPair *activePair(const DialConfigure &dial)
{
    if (dial.pairs.empty())
        return nullptr;
    return dial.index < dial.pairs.size() ? &dial.pairs[dial.index] : &dial.pairs.front();
}

QString pairDescription(const ActionPair &pair)
{
    QString text = translatedTip(pair.first);
    if (pair.second)
        text += QStringLiteral(" / ") + translatedTip(pair.second);
    return text;
}

// Both sides keep their places: a missing side leaves its part empty beside the gap.
QString pairContent(const ActionPair &pair)
{
    const QString left = pair.first ? QStringLiteral("[ L ] %1").arg(pair.first->displayText()) : QString();
    const QString right = pair.second ? QStringLiteral("[ R ] %1").arg(pair.second->displayText()) : QString();
    return left + QStringLiteral("   ") + right;
}

} // namespace

VHotkeyPanel::VHotkeyPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VHotkeyPanel>())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VHotkeyPanel.qss"));
    styleComboPopup(ui->comboSpecApp);
    ui->comboSpecApp->installEventFilter(this);
    connect(ui->widgetHotkeyLayout, &VHotkeyLayoutPanel::componentSelected, this, &VHotkeyPanel::slotComponentSelected);
    connect(ui->hpHotkeyButton, &VRichButton::clickButton, this, &VHotkeyPanel::slotRBClickButton);
    connect(ui->hpHotkeyButton, &VRichButton::clickIcon, this, &VHotkeyPanel::showPreview);
    connect(ui->hpHotkeyButton, &VRichButton::titleTextFinished, this, &VHotkeyPanel::slotRBTitleTextFinished);
    ui->hpHotkeyButton->setIconToolTip(tr("Hotkey Preview"));
    ui->hpHotkeyButton->setIcon(QPixmap(QString::fromLatin1(kKeyPicture)));
    preview = std::make_unique<VHotkeyPreviewDlg>();
    asked.dialActions = [](QWidget *parent, DialActionSelection &selection) {
        VDialActionDlg dialog(selection, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        selection = dialog.selection();
        return true;
    };
    asked.options = [](QWidget *parent, HotkeyOptions &options) {
        VHotkeyOptionDlg dialog(options, parent);
        if (dialog.exec() != QDialog::Accepted)
            return false;
        options = dialog.options;
        return true;
    };
}

VHotkeyPanel::~VHotkeyPanel() = default;

QComboBox *VHotkeyPanel::applicationCombo() const
{
    return ui->comboSpecApp;
}

// ---- the bindings in use

int VHotkeyPanel::profileIndexInUse() const
{
    const TabletConfigurePtr configure = currentConfigure();
    const int index = ui->comboSpecApp->currentIndex() - 1;
    if (!configure || !configure->hotkey.appHotkeys || index < 0 || index >= appProfiles().size())
        return -1;
    return index;
}

VHotkeyPanel::Bindings VHotkeyPanel::bindingsInUse() const
{
    const int index = profileIndexInUse();
    if (index >= 0) {
        AppProfile &profile = appProfiles()[index];
        return {&profile.keys, &profile.virtualKeys, &profile.dials, &profile.touches, &profile};
    }
    HotkeyConfigure &hotkey = currentConfigure()->hotkey;
    return {&hotkey.keys, &hotkey.virtualKeys, &hotkey.dials, &hotkey.touches, nullptr};
}

ActionMap &VHotkeyPanel::mapOf(const Bindings &bindings, const TabletLayoutComponent &component)
{
    if (component.type == TabletLayoutComponent::Touch)
        return *bindings.touches;
    return static_cast<const TabletLayoutKey &>(component).isVirtual ? *bindings.virtualKeys : *bindings.keys;
}

void VHotkeyPanel::publish(const Bindings &bindings)
{
    if (bindings.profile)
        publishAppProfiles();
    applyConfigure();
}

// ---- showing

void VHotkeyPanel::refreshRow(bool refreshPreview)
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    const Bindings bindings = bindingsInUse();
    const QString context = bindings.profile ? ui->comboSpecApp->currentText() : tr("All Applications");
    const HotkeyConfigure &hotkey = configure->hotkey;
    const bool anyControl = hotkey.hasKeys || hotkey.hasDial || hotkey.hasTouch;
    ui->hpHotkeyButton->setIconEnabled(anyControl);
    ui->hpHotkeyButton->setTitleEditEnabled(anyControl);

    const TabletLayoutComponentPtr component = ui->widgetHotkeyLayout->selectedComponent();
    if (!component) {
        previewBindings(bindings, -1, refreshPreview, context);
        return;
    }
    const std::uint16_t number = bindingNumber(*component);
    switch (component->type) {
    case TabletLayoutComponent::Dial: {
        ui->hpHotkeyButton->setIcon(QPixmap(QString::fromLatin1(kDialPicture)));
        const auto bound = bindings.dials->find(number);
        const ActionPair *pair = bound == bindings.dials->end() ? nullptr : activePair(bound->second);
        ui->hpHotkeyButton->setTexts(QStringLiteral("[ D-%1 ]").arg(number), pair ? pairDescription(*pair) : QString(),
                                     pair ? pairContent(*pair) : tr("Invalid"));
        previewBindings(bindings, VHotkeyPreviewDlg::DialPage, refreshPreview, context);
        break;
    }
    case TabletLayoutComponent::Key:
    case TabletLayoutComponent::Touch: {
        const bool isTouch = component->type == TabletLayoutComponent::Touch;
        ui->hpHotkeyButton->setIcon(QPixmap(QString::fromLatin1(isTouch ? kTouchPicture : kKeyPicture)));
        const ActionMap &map = mapOf(bindings, *component);
        const auto bound = map.find(number);
        const TabletActionPtr action = bound == map.end() ? nullptr : bound->second;
        ui->hpHotkeyButton->setTexts((isTouch ? QStringLiteral("[ F%1 ]") : QStringLiteral("[ K%1 ]")).arg(number),
                                     translatedTip(action), action ? action->displayText() : tr("Invalid"));
        previewBindings(bindings, isTouch ? VHotkeyPreviewDlg::TouchPage : VHotkeyPreviewDlg::KeyPage,
                        refreshPreview, context);
        break;
    }
    default:
        break;
    }
    if (component->type == TabletLayoutComponent::Dial)
        ui->hpHotkeyButton->setTitleEditEnabled(false);
}

void VHotkeyPanel::previewBindings(const Bindings &bindings, int page, bool rebuild, const QString &context)
{
    if (bindings.profile)
        preview->setPreviewProfile(*bindings.profile, page, rebuild, context);
    else
        preview->setPreviewSource(currentConfigure()->hotkey, page, rebuild, context);
}

void VHotkeyPanel::showPreview()
{
    const bool wasHidden = preview->isHidden();
    if (wasHidden)
        preview->move(mapToGlobal(QPoint(0, 0)) + QPoint(kPreviewOffset, 0));
    preview->show();
    if (wasHidden)
        refreshRow(true);
    preview->activateWindow();
}

void VHotkeyPanel::slotComponentSelected()
{
    if (ui->widgetHotkeyLayout->selectedComponent())
        refreshRow(false);
}

void VHotkeyPanel::on_comboSpecApp_currentIndexChanged(int)
{
    refreshRow(true);
}

// ---- editing

void VHotkeyPanel::slotRBClickButton()
{
    const TabletLayoutComponentPtr component = ui->widgetHotkeyLayout->selectedComponent();
    if (!component || !currentConfigure())
        return;
    const std::uint16_t number = bindingNumber(*component);
    switch (component->type) {
    case TabletLayoutComponent::Key:
        chooseKeyAction(*component, QStringLiteral("[ K%1 ]  ").arg(number), deviceInfo.dialKeyCount > 0);
        break;
    case TabletLayoutComponent::Touch:
        chooseKeyAction(*component, QStringLiteral("[ F%1 ]  ").arg(number), false);
        break;
    case TabletLayoutComponent::Dial:
        chooseDialActions(number);
        break;
    default:
        break;
    }
}

// The dial switch is offered only to a bound key. The bindings are looked up again after the
// dialog, which runs an event loop of its own.
void VHotkeyPanel::chooseKeyAction(const TabletLayoutComponent &component, const QString &title, bool dialSwitchAllowed)
{
    const std::uint16_t number = bindingNumber(component);
    ActionSelection selection;
    selection.text = title;
    const ActionMap &bound = mapOf(bindingsInUse(), component);
    if (bound.count(number)) {
        selection.action = bound.at(number);
        selection.dialSwitchAllowed = dialSwitchAllowed;
    }
    const DialogTarget target = DialogTarget::current(profileIndexInUse());
    if (!asked.action || !asked.action(this, selection) || !stillEdits(target))
        return;
    const Bindings bindings = bindingsInUse();
    mapOf(bindings, component)[number] = selection.action;
    publish(bindings);
    refreshRow(true);
}

// The dial keeps its active pair when it still has it; with fewer pairs it starts again at the
// first, so that nothing reads past the end.
void VHotkeyPanel::chooseDialActions(std::uint16_t number)
{
    DialActionSelection selection;
    selection.name = QStringLiteral("[ D-%1 ]  ").arg(number);
    selection.number = number;
    const DialMap &bound = *bindingsInUse().dials;
    if (bound.count(number)) {
        for (const ActionPair &pair : bound.at(number).pairs)
            selection.entries.push_back({pair.first, pair.second});
    }
    const DialogTarget target = DialogTarget::current(profileIndexInUse());
    if (!asked.dialActions || !asked.dialActions(this, selection) || !stillEdits(target))
        return;
    const Bindings bindings = bindingsInUse();
    DialConfigure &dial = (*bindings.dials)[number];
    dial.pairs.clear();
    for (const DialActionEntry &entry : selection.entries)
        dial.pairs.emplace_back(entry.left, entry.right);
    if (dial.index >= dial.pairs.size())
        dial.index = 0;
    publish(bindings);
    refreshRow(true);
}

// False when the configuration or profile that a dialog was opened for was replaced while it ran
// (a key number of one model means another key, or none, on the next); the page then shows what
// it edits now.
bool VHotkeyPanel::stillEdits(const DialogTarget &target)
{
    if (DialogTarget::current(profileIndexInUse()) == target)
        return true;
    updateFromConfigure();
    return false;
}

// Actions never change: a new description binds a copy under it. An unbound key keeps none.
void VHotkeyPanel::slotRBTitleTextFinished(const QString &text)
{
    const TabletLayoutComponentPtr component = ui->widgetHotkeyLayout->selectedComponent();
    if (!component || !currentConfigure())
        return;
    const Bindings bindings = bindingsInUse();
    if (component->type != TabletLayoutComponent::Dial) {
        ActionMap &map = mapOf(bindings, *component);
        const auto bound = map.find(bindingNumber(*component));
        if (bound == map.end() || !bound->second) {
            refreshRow(false);
            return;
        }
        bound->second = cloneActionWithTip(*bound->second, text);
    }
    publish(bindings);
    refreshRow(true);
}

void VHotkeyPanel::slotSwitchDialAction(int dial)
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure || dial < 0)
        return;
    ProcessEntry foreground;
    const bool known = foregroundSource && foregroundSource(foreground);
    const DialActionSwitch::Outcome outcome =
            DialActionSwitch::advance(*configure, appProfiles(), known ? &foreground : nullptr, std::uint16_t(dial));
    if (outcome.inProfile)
        publishAppProfiles();
    // The preview may stay pinned beside the drawing application while the window is hidden.
    if (isVisible() || preview->isVisible())
        refreshRow(true);
    if (outcome.pair)
        VTipMsgboxDlg::showTipMessage(translatedTip(outcome.pair->first) + QStringLiteral(" /  ")
                                      + translatedTip(outcome.pair->second));
    if (outcome.found)
        applyConfigure();
}

void VHotkeyPanel::on_btnMoreOptions_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    HotkeyConfigure &hotkey = configure->hotkey;
    HotkeyOptions options;
    options.appHotkeys = hotkey.appHotkeys;
    options.modelHasKeys = true;
    options.hasKeys = hotkey.hasKeys;
    options.modelHasDial = true;
    options.hasDial = hotkey.hasDial;
    options.dialSensitivity = hotkey.dialSensitivity;
    options.modelHasTouch = true;
    options.hasTouch = hotkey.hasTouch;
    if (const std::optional<TabletDeviceInfo> device = deviceSource ? deviceSource() : std::nullopt) {
        if (device->keyCount + device->valueC == 0)
            options.modelHasKeys = options.hasKeys = false;
        if (device->dialKeyCount == 0)
            options.modelHasDial = options.hasDial = options.dialSensitivity = false;
        if (device->valueD == 0)
            options.modelHasTouch = options.hasTouch = false;
    }
    const DialogTarget target = DialogTarget::current(profileIndexInUse());
    if (!asked.options || !asked.options(this, options) || !stillEdits(target))
        return;
    hotkey.appHotkeys = options.appHotkeys;
    hotkey.hasKeys = options.hasKeys;
    hotkey.hasDial = options.hasDial;
    hotkey.dialSensitivity = options.dialSensitivity;
    hotkey.hasTouch = options.hasTouch;
    updateFromConfigure();
    applyConfigure();
}

// Resets what the page shows: the configuration's bindings and options, and the chosen
// application's bindings when the keys follow the applications. Nothing is written to disk.
void VHotkeyPanel::on_btnRestoreDefault_clicked()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    const int profileIndex = profileIndexInUse();
    const TabletConfigurePtr defaults = loadConfigure(configure->model, true, {});
    if (defaults)
        configure->hotkey = defaults->hotkey;
    updateFromConfigure();
    if (defaults && profileIndex >= 0 && profileIndex < appProfiles().size()) {
        const TabletConfigurePtr copy = copyDeviceConfigure(*defaults);
        AppProfile &profile = appProfiles()[profileIndex];
        profile.keys = copy->hotkey.keys;
        profile.virtualKeys = copy->hotkey.virtualKeys;
        profile.dials = copy->hotkey.dials;
        profile.touches = copy->hotkey.touches;
        publishAppProfiles();
    }
    refreshRow(true);
    applyConfigure();
}

void VHotkeyPanel::on_btnOK_clicked()
{
    const ConfigurationSave save = ConfigurationSave::configureAndProfiles();
    applyConfigure();
    save.tell(tr("Configuration saved"));
}

// ---- the page's hooks

void VHotkeyPanel::updateFromConfigure()
{
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure)
        return;
    updating = true;
    if (const TabletLayoutPtr layout = layoutForModel(configure->model))
        ui->widgetHotkeyLayout->setLayout(*layout);
    ui->frameSpecApp->setVisible(configure->hotkey.appHotkeys);
    refreshRow(true);
    if (const std::optional<TabletDeviceInfo> device = deviceSource ? deviceSource() : std::nullopt) {
        deviceInfo = *device;
        const bool controls = device->keyCount || device->valueC || device->dialKeyCount || device->valueD;
        ui->labelTipText->setVisible(controls);
        ui->hpHotkeyButton->setVisible(controls);
    }
    updating = false;
}

void VHotkeyPanel::applyConfigure()
{
    if (!updating)
        applyConfigureFromPanel();
}

void VHotkeyPanel::retranslate()
{
    ui->retranslateUi(this);
    QComboBox *combo = ui->comboSpecApp;
    if (combo->count() >= 2) {
        combo->setItemText(0, tr("All Applications"));
        combo->setItemText(combo->count() - 1, tr("Edit Options..."));
    }
    refreshRow(true);
    ui->hpHotkeyButton->setIconToolTip(tr("Hotkey Preview"));
    ui->hpHotkeyButton->retranslatePlaceholder();
    preview->retranslate();
}

// "All Applications", every application profile, and "Edit Options...", which the main window
// answers with the application dialog.
void VHotkeyPanel::fillApplicationCombo()
{
    QComboBox *combo = ui->comboSpecApp;
    combo->clear();
    combo->setIconSize(QSize(16, 16));
    combo->addItem(QIcon(QStringLiteral(":/res/image/comm/32x32/application_32x32.png")), tr("All Applications"));
    for (const AppProfile &profile : appProfiles())
        combo->addItem(profile.icon, profile.name);
    combo->addItem(QIcon(), tr("Edit Options..."));
    combo->setCurrentIndex(0);
}

void VHotkeyPanel::updateComponentData(const QVariant &wrapper)
{
    if (!wrapper.canConvert<TabletComponentPacketWrapper>())
        return;
    const auto packet = wrapper.value<TabletComponentPacketWrapper>();
    using State = VHotkeyLayoutPanel::ComponentState;
    State state;
    switch (packet.kind) {
    case TabletComponentPacketWrapper::Key:
        if (packet.key.pressed) {
            state.kind = State::Key;
            state.index = packet.key.key;
            state.physical = packet.key.isVirtual ? 0 : 1;
            state.pressed = 1;
        }
        break;
    case TabletComponentPacketWrapper::Dial:
        state.kind = State::Dial;
        state.index = packet.dial.index;
        state.value = std::uint16_t(packet.dial.direction);
        break;
    case TabletComponentPacketWrapper::Touch:
        state.kind = State::Touch;
        state.index = std::uint16_t(packet.touch.strip);
        state.value = std::uint16_t(packet.touch.position);
        break;
    default:
        return;
    }
    ui->widgetHotkeyLayout->setComponentState(state);
}

bool VHotkeyPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel && qobject_cast<QComboBox *>(watched))
        return true;
    return QWidget::eventFilter(watched, event);
}

void VHotkeyPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
