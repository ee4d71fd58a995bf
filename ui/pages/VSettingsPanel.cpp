#include "ui/pages/VSettingsPanel.h"

#include "config/configure/ConfigureStore.h"
#include "config/language/TabletLanguage.h"
#include "config/package/SettingsPackageFiles.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"
#include "ui/dialogs/messages/VMsgboxDlg.h"
#include "ui/pages/ConfigurationSave.h"
#include "ui/pages/VLanguageItem.h"
#include "ui/widgets/VRichItem.h"
#include "ui/widgets/VRichList.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VSettingsPanel.h"

#include <QDate>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOption>
#include <QVBoxLayout>

#include <algorithm>
#include <iterator>

struct VSettingsPanel::Row
{
    enum Effect { Tilt, Orientation, Message, HotkeySync, Export, Import, Reset, Diagnose };

    const char *title;
    const char *caption;
    int kind;
    Effect effect;
};

namespace {

using Row = VSettingsPanel::Row;

const QString kStyleSheet = QStringLiteral(":/res/qss/normal/qss-VSettingsPanel.qss");
const QString kMessageIcon = QStringLiteral(":/res/image/comm/32x32/settings_32x32.png");
const QString kPackageFilter = QStringLiteral("*.zlpkg");
const QSize kSubMenuItemSize(140, 42);
constexpr int kScrollBarWidth = 10;
constexpr int kContentsExtraWidth = 16;
constexpr int kContentsExtraHeightPerSection = 9;
constexpr int kSectionSpacing = 8;
// A move of one pixel is the hand's tremor, not a drag.
constexpr int kDragThreshold = 1;
constexpr std::uint32_t kLastLanguage = 10;

const char *const kSectionTitles[] = {
    QT_TRANSLATE_NOOP("VSettingsPanel", "Language"),
    QT_TRANSLATE_NOOP("VSettingsPanel", "Pen Feature"),
    QT_TRANSLATE_NOOP("VSettingsPanel", "Tablet Feature"),
    QT_TRANSLATE_NOOP("VSettingsPanel", "General"),
    QT_TRANSLATE_NOOP("VSettingsPanel", "Backup & Restore"),
    QT_TRANSLATE_NOOP("VSettingsPanel", "Maintenance"),
};
constexpr int kLanguageSection = 0;

// The rows of the sections after the language's, by section.
const Row kPenRows[] = {
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Pen tilt data"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "When enabled, output pen tilt Angle data"), VRichItem::Switch, Row::Tilt},
};
const Row kTabletRows[] = {
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Tablet auto rotation"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Tablet follows the OS screen orientation"), VRichItem::Switch,
     Row::Orientation},
};
const Row kGeneralRows[] = {
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Hotkey description"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Switch of hotkey description"), VRichItem::Switch, Row::Message},
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Hotkey synchronized response"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Syncs with user key actions"), VRichItem::Switch, Row::HotkeySync},
};
const Row kBackupRows[] = {
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Export Settings"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Backup current settings"), VRichItem::Arrow, Row::Export},
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Import Settings"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Restore current settings"), VRichItem::Arrow, Row::Import},
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Reset"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Reset to default settings"), VRichItem::Arrow, Row::Reset},
};
const Row kMaintenanceRows[] = {
    {QT_TRANSLATE_NOOP("VSettingsPanel", "Diagnose"),
     QT_TRANSLATE_NOOP("VSettingsPanel", "Check the current data status of the tablet"), VRichItem::Arrow,
     Row::Diagnose},
};

struct SectionRows
{
    const Row *begin;
    const Row *end;
};

const SectionRows kSectionRows[] = {
    {nullptr, nullptr},
    {std::begin(kPenRows), std::end(kPenRows)},
    {std::begin(kTabletRows), std::end(kTabletRows)},
    {std::begin(kGeneralRows), std::end(kGeneralRows)},
    {std::begin(kBackupRows), std::end(kBackupRows)},
    {std::begin(kMaintenanceRows), std::end(kMaintenanceRows)},
};

QString translated(const char *text)
{
    return VSettingsPanel::tr(text);
}

QIcon executableIcon(const QString &path)
{
    return QFileIconProvider().icon(QFileInfo(path));
}

// A failure names the files that could not be written (each keeps what it held before).
QString withUnwritten(const QString &message, const QStringList &files)
{
    return message + QLatin1Char('\n')
           + VSettingsPanel::tr("Could not be written: %1").arg(QDir::toNativeSeparators(files.join(QStringLiteral(", "))));
}

QString exportMessage(SettingsPackageFiles::ExportResult result, const QString &target)
{
    switch (result) {
    case SettingsPackageFiles::ExportResult::Completed:
        return VSettingsPanel::tr("Settings export completed");
    case SettingsPackageFiles::ExportResult::NothingToExport:
        return VSettingsPanel::tr("No Settings are exported, please save them first");
    case SettingsPackageFiles::ExportResult::Failed:
        break;
    }
    return withUnwritten(VSettingsPanel::tr("Settings export abort"), {target});
}

QString importMessage(const SettingsPackageFiles::ImportReport &report)
{
    using ImportResult = SettingsPackageFiles::ImportResult;
    switch (report.result) {
    case ImportResult::Completed:
        return VSettingsPanel::tr("Settings import completed");
    case ImportResult::PartlyWritten:
        return withUnwritten(VSettingsPanel::tr("Settings partly imported"), report.unwritten);
    case ImportResult::NothingWritten:
        return withUnwritten(VSettingsPanel::tr("Settings import abort"), report.unwritten);
    case ImportResult::NotRead:
    case ImportResult::Refused:
        break;
    }
    return VSettingsPanel::tr("Settings import abort");
}

void askQuestionBox(VMsgboxDlg &box, const QString &title, const QString &text)
{
    box.setWindowTitle(title);
    box.setIconPixmap(QIcon(kMessageIcon).pixmap(32, 32));
    box.setText(text);
}

} // namespace

VSettingsPanel::Prompts VSettingsPanel::Prompts::dialogs()
{
    Prompts prompts;
    prompts.saveFileName = [](QWidget *parent, const QString &caption, const QString &proposedName,
                              const QString &filter) {
        return QFileDialog::getSaveFileName(parent, caption, proposedName, filter);
    };
    prompts.openFileName = [](QWidget *parent, const QString &caption, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, caption, QString(), filter);
    };
    prompts.question = [](QWidget *parent, const QString &title, const QString &text) {
        VMsgboxDlg box(parent);
        askQuestionBox(box, title, text);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(VSettingsPanel::tr("Yes"));
        box.button(QMessageBox::No)->setText(VSettingsPanel::tr("No"));
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    };
    prompts.message = [](const QString &title, const QString &text) {
        VMsgboxDlg box;
        askQuestionBox(box, title, text);
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(VSettingsPanel::tr("OK"));
        box.exec();
    };
    return prompts;
}

VSettingsPanel::VSettingsPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VSettingsPanel>()), prompts(Prompts::dialogs())
{
    ui->setupUi(this);
    applyStyleSheet(this, kStyleSheet);
    QScrollBar *scrollBar = ui->spScrollArea->verticalScrollBar();
    applyStyleSheet(scrollBar, kStyleSheet);
    scrollBar->setMaximumWidth(kScrollBarWidth);
    setUpSubMenu();
    setUpSections();
    ui->spSubMenuSettings->setFocusPolicy(Qt::NoFocus);
    ui->spSubMenuSettings->setCurrentRow(0);
    diagnosis = std::make_unique<VDiagnoseDlg>();
}

VSettingsPanel::~VSettingsPanel() = default;

void VSettingsPanel::setDeviceHooks(DeviceHooks hooks)
{
    deviceHooks = std::move(hooks);
}

void VSettingsPanel::setPrompts(Prompts replacement)
{
    prompts = std::move(replacement);
}

// Long titles take a second line rather than being cut.
void VSettingsPanel::setUpSubMenu()
{
    ui->spSubMenuSettings->setWordWrap(true);
    for (const char *title : kSectionTitles) {
        auto *item = new QListWidgetItem(translated(title), ui->spSubMenuSettings);
        item->setSizeHint(kSubMenuItemSize);
    }
}

void VSettingsPanel::setUpSections()
{
    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    layout->setContentsMargins(4, 0, 0, 0);
    layout->setSpacing(kSectionSpacing);
    ui->spScrollArea->setWidget(contents);
    connect(ui->spScrollArea->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &VSettingsPanel::slotValueChanged);

    for (int index = 0; index < int(std::size(kSectionTitles)); ++index) {
        VRichList *section = addSection(kSectionTitles[index]);
        if (index == kLanguageSection) {
            languageItem = new VLanguageItem(section);
            section->addLanguageItem(languageItem);
            connect(languageItem, &VLanguageItem::languageChanged, this, &VSettingsPanel::changeLanguage);
        }
        for (const Row *row = kSectionRows[index].begin; row != kSectionRows[index].end; ++row)
            addRow(section, *row);
        layout->addWidget(section);
    }

    int widest = 0;
    int height = 0;
    for (const VRichList *section : sections) {
        widest = std::max(widest, section->width());
        height += section->height() + kContentsExtraHeightPerSection;
    }
    contents->resize(widest + kContentsExtraWidth, height);
}

VRichList *VSettingsPanel::addSection(const char *title)
{
    auto *section = new VRichList(translated(title));
    sections.push_back(section);
    return section;
}

VRichItem *VSettingsPanel::addRow(VRichList *section, const Row &row)
{
    auto *item = new VRichItem(row.kind, translated(row.title), translated(row.caption));
    section->addItem(item);
    translatedRows.emplace_back(&row, item);
    connect(item, &VRichItem::activated, this, [this, &row, item] { runRow(row, item); });
    switch (row.effect) {
    case Row::Tilt:
        tiltItem = item;
        break;
    case Row::Orientation:
        orientationItem = item;
        break;
    case Row::Message:
        messageItem = item;
        break;
    case Row::HotkeySync:
        hotkeySyncItem = item;
        break;
    default:
        break;
    }
    return item;
}

void VSettingsPanel::runRow(const Row &row, VRichItem *item)
{
    const TabletConfigurePtr configure = currentConfigure();
    switch (row.effect) {
    case Row::Tilt:
        configure->common.tilt = item->isChecked();
        return applyConfigure();
    case Row::Orientation:
        configure->common.orientation = item->isChecked();
        return applyConfigure();
    case Row::Message:
        configure->common.message = item->isChecked();
        return applyConfigure();
    case Row::HotkeySync:
        configure->common.hotkeySync = item->isChecked();
        return applyConfigure();
    case Row::Export:
        return exportSettingsPackage();
    case Row::Import:
        return importSettingsPackage();
    case Row::Reset:
        return resetSettings();
    case Row::Diagnose:
        return showDiagnosis();
    }
}

void VSettingsPanel::changeLanguage(int id)
{
    TabletLanguage::instance().setLanguage(id);
    currentConfigure()->common.language = std::uint32_t(id);
    applyConfigure();
}

void VSettingsPanel::updateFromConfigure()
{
    updating = true;
    const CommonConfigure &common = currentConfigure()->common;
    const bool known = common.language <= kLastLanguage;
    languageItem->setLanguage(known ? int(common.language) : TabletLanguage::systemLanguageIndex());
    tiltItem->setChecked(common.tilt);
    orientationItem->setChecked(common.orientation);
    messageItem->setChecked(common.message);
    hotkeySyncItem->setChecked(common.hotkeySync);
    updating = false;
}

// Unlike the other pages, this one keeps every change on disk at once.
void VSettingsPanel::applyConfigure()
{
    if (updating)
        return;
    applyConfigureFromPanel();
    ConfigurationSave::configure().tell();
}

void VSettingsPanel::retranslate()
{
    for (int row = 0; row < ui->spSubMenuSettings->count(); ++row) {
        QListWidgetItem *item = ui->spSubMenuSettings->item(row);
        item->setText(translated(kSectionTitles[row]));
        item->setToolTip(item->text());
    }
    for (std::size_t index = 0; index < sections.size(); ++index)
        sections[index]->setTitle(translated(kSectionTitles[index]));
    languageItem->retranslate();
    for (const auto &[row, item] : translatedRows) {
        item->setTitle(translated(row->title));
        item->setCaption(translated(row->caption));
    }
    diagnosis->retranslate();
}

void VSettingsPanel::hideDiagnosis()
{
    if (diagnosis)
        diagnosis->hide();
}

void VSettingsPanel::showDiagnosis()
{
    diagnosis->show();
    diagnosis->activateWindow();
    diagnosis->updateInformation();
}

void VSettingsPanel::exportSettingsPackage()
{
    const QString proposed = QStringLiteral("zltablet-") + QDate::currentDate().toString(QStringLiteral("yyyyMMdd"));
    const QString chosen = prompts.saveFileName(this, tr("Export Settings"), proposed, kPackageFilter);
    if (chosen.isEmpty())
        return;
    const QString target = SettingsPackage::withPackageExtension(chosen);
    const SettingsPackageFiles::ExportResult result = SettingsPackageFiles::exportTo(target, SettingsFolders::user());
    prompts.message(tr("Export Settings"), exportMessage(result, target));
}

// Whatever the package wrote is taken up at once: the profiles, and the configuration through
// the tablet's reopening.
void VSettingsPanel::importSettingsPackage()
{
    const QString chosen = prompts.openFileName(this, tr("Import Settings"), kPackageFilter);
    if (chosen.isEmpty())
        return;
    using ImportResult = SettingsPackageFiles::ImportResult;
    const SettingsPackageFiles::ImportReport report = SettingsPackageFiles::importFrom(chosen, SettingsFolders::user());
    if (report.result == ImportResult::Completed || report.result == ImportResult::PartlyWritten) {
        setAppProfiles(loadAppProfiles(executableIcon));
        if (deviceHooks.reopenDevices)
            deviceHooks.reopenDevices();
    }
    prompts.message(tr("Import Settings"), importMessage(report));
}

void VSettingsPanel::resetSettings()
{
    if (!prompts.question(this, tr("Settings"), tr("This will reset all Settings to default, are you sure?")))
        return;
    const QString model = deviceHooks.currentModel ? deviceHooks.currentModel() : QString();
    if (model.isEmpty())
        return;
    const TabletConfigurePtr defaults =
            loadConfigure(model, true, deviceHooks.monitors ? deviceHooks.monitors() : ConfigureMonitorList());
    if (!defaults)
        return;
    if (defaults->common.language == CommonConfigure::kLanguageNotChosen)
        defaults->common.language = std::uint32_t(TabletLanguage::systemLanguageIndex());
    // The defaults are current before the language row follows them, so that a change of
    // language is stored in them. The row saves nothing itself: the reset is written once, below.
    setCurrentConfigure(defaults);
    updating = true;
    languageItem->setLanguage(int(defaults->common.language));
    updating = false;
    const ConfigurationSave reset = ConfigurationSave::reset();
    if (deviceHooks.reopenDevices)
        deviceHooks.reopenDevices();
    // The reopened tablet fits the defaults to the screens: once the reset is on the disk, the
    // page writes what the engine now runs with, as after any change here. A reset that the disk
    // refused is told alone.
    if (reset.failureText().isEmpty()) {
        applyConfigure();
        return;
    }
    applyConfigureFromPanel();
    reset.tell();
}

void VSettingsPanel::on_spSubMenuSettings_itemClicked(QListWidgetItem *)
{
    const int row = ui->spSubMenuSettings->currentRow();
    QScrollBar *scrollBar = ui->spScrollArea->verticalScrollBar();
    const int target = row >= 0 && row < int(sections.size()) ? sections[row]->y() : 0;
    const int value = std::clamp(target, scrollBar->minimum(), scrollBar->maximum());
    // Only a scroll that happens marks itself as the menu's, so that the user's next one is
    // followed again.
    if (value == scrollBar->value())
        return;
    menuJump = true;
    scrollBar->setValue(value);
}

// The first section that shows in the viewport becomes the sub-menu's selection.
void VSettingsPanel::slotValueChanged(int value)
{
    if (!menuJump) {
        const int viewportHeight = ui->spScrollArea->viewport()->height();
        for (int index = 0; index < int(sections.size()); ++index) {
            const QRect area = sections[index]->geometry();
            if (area.bottom() >= value && area.top() < value + viewportHeight) {
                ui->spSubMenuSettings->setCurrentRow(index);
                break;
            }
        }
    }
    menuJump = false;
}

void VSettingsPanel::mousePressEvent(QMouseEvent *event)
{
    dragging = true;
    lastDragY = event->globalPos().y();
    setCursor(Qt::BlankCursor);
}

void VSettingsPanel::mouseMoveEvent(QMouseEvent *event)
{
    if (!dragging)
        return;
    const int y = event->globalPos().y();
    const int distance = y - lastDragY;
    if (std::abs(distance) <= kDragThreshold)
        return;
    QScrollBar *scrollBar = ui->spScrollArea->verticalScrollBar();
    scrollBar->setValue(std::clamp(scrollBar->value() - distance, scrollBar->minimum(), scrollBar->maximum()));
    lastDragY = y;
}

void VSettingsPanel::mouseReleaseEvent(QMouseEvent *)
{
    dragging = false;
    setCursor(Qt::ArrowCursor);
}

void VSettingsPanel::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
