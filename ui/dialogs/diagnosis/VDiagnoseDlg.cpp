#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"

#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "engine/core/AppLogic.h"
#include "engine/device/TabletDevice_Win32.h"
#include "engine/display/ScreenStatusListen.h"
#include "ui/dialogs/diagnosis/DiagnosisReport.h"
#include "ui/dialogs/diagnosis/KnownNibwireBuilds.h"
#include "ui/dialogs/diagnosis/NibwireLookup.h"
#include "ui/widgets/VTitleBar.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VDiagnoseDlg.h"

#include <utility>

namespace {

const QColor kShadowColor(100, 100, 108, 100);
constexpr int kShadowBlur = 10;

QPointer<AppLogic> &engineSource()
{
    static QPointer<AppLogic> engine;
    return engine;
}

QPointer<ScreenStatusListen> &displaySource()
{
    static QPointer<ScreenStatusListen> displays;
    return displays;
}

VDiagnoseDlg::LibraryFolders &librarySource()
{
    static VDiagnoseDlg::LibraryFolders folders;
    return folders;
}

QString penText(const TabletPenPacketWrapper &pen)
{
    const TabletPenPacket &received = pen.received;
    const int button = received.button1 ? 1 : received.button2 ? 2 : 0;
    const QString position = QStringLiteral("Pen x:%1 y:%2 p:%3 b:%4")
                                     .arg(received.x)
                                     .arg(received.y)
                                     .arg(received.pressure)
                                     .arg(button);
    // Where the pen step started, what the pointer got and what Wintab contexts got.
    const auto &trace = pen.trace;
    const QString input = QStringLiteral("Input ix:%1 iy:%2 ex:%3 ey:%4 wx:%5 wy:%6")
                                  .arg(trace[0])
                                  .arg(trace[1])
                                  .arg(trace[2])
                                  .arg(trace[3])
                                  .arg(trace[4])
                                  .arg(trace[5]);
    return position + QLatin1Char('\r') + input;
}

QString dialDirection(std::uint32_t direction)
{
    if (direction == 1)
        return QStringLiteral("left");
    if (direction == 2)
        return QStringLiteral("right");
    return QStringLiteral("switch");
}

QString componentText(const TabletComponentPacketWrapper &component)
{
    switch (component.kind) {
    case TabletComponentPacketWrapper::Key:
        return QStringLiteral("Key id:%1 %2")
                .arg(component.key.key)
                .arg(component.key.pressed ? QStringLiteral("pressed") : QStringLiteral("release"));
    case TabletComponentPacketWrapper::Dial:
        return QStringLiteral("Dial id:%1 %2").arg(component.dial.index).arg(dialDirection(component.dial.direction));
    case TabletComponentPacketWrapper::Touch:
        return QStringLiteral("Touch gesture id:%1").arg(component.touch.position);
    default:
        return QString();
    }
}

} // namespace

VDiagnoseDlg::VDiagnoseDlg(QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::VDiagnoseDlg>()),
      engine(engineSource()),
      displays(displaySource())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VDiagnoseDlg.qss"));
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->ddFrame, kShadowColor, kShadowBlur);
    ui->ddWidgetTitle->setButtons(VTitleBar::Close);
    ui->ddWidgetTitle->setTitle(tr("Diagnose"));
    if (engine) {
        connect(engine, &AppLogic::penDataChanged, this, &VDiagnoseDlg::slotPenDataChanged,
                Qt::QueuedConnection);
        connect(engine, &AppLogic::componentDataChanged, this, &VDiagnoseDlg::slotComponentDataChanged,
                Qt::QueuedConnection);
    }
}

VDiagnoseDlg::~VDiagnoseDlg() = default;

void VDiagnoseDlg::setEngine(AppLogic *engine, ScreenStatusListen *displays)
{
    engineSource() = engine;
    displaySource() = displays;
}

void VDiagnoseDlg::setLibraryFolders(LibraryFolders folders)
{
    librarySource() = std::move(folders);
}

void VDiagnoseDlg::updateInformation()
{
    DiagnosisReport report;
    report.osDescription = DiagnosisReport::currentOs();
    if (engine) {
        report.driverStatus = engine->driverStatus();
        if (const std::shared_ptr<TabletDevice_Win32> device = engine->currentDevice())
            report.device = device->info();
    }
    report.library32.found = nibwireFileExist(false, &report.library32.version);
    report.library64.found = nibwireFileExist(true, &report.library64.version);
    if (displays)
        report.monitors = displays->enumerateMonitors(false);
    ui->editInfo->setHtml(report.html());
}

void VDiagnoseDlg::retranslate()
{
    ui->retranslateUi(this);
    ui->ddWidgetTitle->setTitle(tr("Diagnose"));
}

bool VDiagnoseDlg::nibwireFileExist(bool x64, QString *version)
{
    const QStringList folders = librarySource() ? librarySource()(x64) : QStringList();
    const InstalledLibrary library = NibwireLookup(x64, folders, knownNibwireBuilds(x64)).find();
    if (library.found && version)
        *version = library.version;
    return library.found;
}

void VDiagnoseDlg::slotPenDataChanged(const QVariant &wrapper)
{
    if (!isVisible() || wrapper.userType() != qMetaTypeId<TabletPenPacketWrapper>())
        return;
    const TabletPenPacketWrapper pen = wrapper.value<TabletPenPacketWrapper>();
    if (pen.received.status == TabletPenPacket::OutOfRange)
        return;
    ui->editData->setPlainText(penText(pen));
}

void VDiagnoseDlg::slotComponentDataChanged(const QVariant &wrapper)
{
    if (!isVisible() || wrapper.userType() != qMetaTypeId<TabletComponentPacketWrapper>())
        return;
    ui->editData->setPlainText(componentText(wrapper.value<TabletComponentPacketWrapper>()));
}

void VDiagnoseDlg::on_btnClose_clicked()
{
    close();
}
