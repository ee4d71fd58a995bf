#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"

#include "config/packets/TabletPenPacketWrapper.h"
#include "engine/core/AppLogic.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VScreenCalibrateDlg.h"

#include <QCursor>
#include <QPainter>
#include <QPen>
#include <QPointer>

#include <chrono>

namespace {

constexpr int kCancelTop = 72;
constexpr int kMarkArm = 10;
constexpr qreal kMarkWidth = 4.0;

QPointer<AppLogic> &penDataSource()
{
    static QPointer<AppLogic> engine;
    return engine;
}

std::uint64_t steadyMilliseconds()
{
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

int centredLeft(int outer, int inner)
{
    return (outer - inner) / 2;
}

} // namespace

VScreenCalibrateDlg::VScreenCalibrateDlg(QWidget *parent)
    : QDialog(parent),
      ui(std::make_unique<Ui::VScreenCalibrateDlg>()),
      clock(steadyMilliseconds),
      pointerPosition([] { return QCursor::pos(); })
{
    ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::BypassWindowManagerHint
                   | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setMouseTracking(true);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VScreenCalibrateDlg.qss"));
    if (AppLogic *engine = penDataSource())
        connect(engine, &AppLogic::penDataChanged, this, &VScreenCalibrateDlg::slotPenDataChanged,
                Qt::QueuedConnection);
}

VScreenCalibrateDlg::~VScreenCalibrateDlg() = default;

void VScreenCalibrateDlg::setPenDataSource(AppLogic *engine)
{
    penDataSource() = engine;
}

void VScreenCalibrateDlg::showOnScreen(CalibrationScreen screen)
{
    resize(screen.monitorRect.size());
    move(screen.monitorRect.topLeft());
    calibrationScreen = screen;
    show();
}

void VScreenCalibrateDlg::setClock(Clock steadyClock)
{
    clock = std::move(steadyClock);
}

void VScreenCalibrateDlg::setPointerPosition(PointerPosition position)
{
    pointerPosition = std::move(position);
}

void VScreenCalibrateDlg::retranslate()
{
    ui->retranslateUi(this);
}

void VScreenCalibrateDlg::on_btnCancel_clicked()
{
    restart();
    emit calibrateFinish(1.0, 1.0, 1.0, 1.0);
}

void VScreenCalibrateDlg::reject()
{
    on_btnCancel_clicked();
}

void VScreenCalibrateDlg::slotPenDataChanged(const QVariant &wrapper)
{
    const auto pen = wrapper.value<TabletPenPacketWrapper>();
    if (!pen.valid)
        return;
    tap(CalibrationTaps::stateOfPressure(pen.processed.pressure));
}

// Hidden, the overlay ignores the pen entirely: its last state stays as it was.
void VScreenCalibrateDlg::tap(CalibrationTaps::PenState state)
{
    if (!isVisible())
        return;
    QPoint lastPoint;
    const auto pointer = [this, &lastPoint] {
        lastPoint = mapFromGlobal(pointerPosition());
        return lastPoint;
    };
    switch (taps.step(state, clock(), pointer)) {
    case CalibrationTaps::Outcome::Nothing:
        break;
    case CalibrationTaps::Outcome::PointTaken:
        update();
        break;
    case CalibrationTaps::Outcome::AllPointsTaken:
        finish(lastPoint);
        break;
    }
}

// A last tap on Cancel cancels: the button's own click reports the neutral factors.
void VScreenCalibrateDlg::finish(const QPoint &lastPoint)
{
    const CalibrationFactors factors =
            CalibrationFactors::fromPoints(taps.points(), size(), calibrationScreen.rotation);
    if (!ui->btnCancel->geometry().contains(lastPoint))
        emit calibrateFinish(factors.kx, factors.ky, factors.kcx, factors.kcy);
    restart();
}

void VScreenCalibrateDlg::restart()
{
    hide();
    taps.restart();
    update();
}

void VScreenCalibrateDlg::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    const int index = taps.count();
    if (index < 0 || index >= CalibrationFactors::kPointCount)
        return;
    const QPoint mark = CalibrationFactors::targets(size())[std::size_t(index)];
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 255, 255, 255), kMarkWidth, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    painter.drawLine(mark.x() - kMarkArm, mark.y(), mark.x() + kMarkArm, mark.y());
    painter.drawLine(mark.x(), mark.y() - kMarkArm, mark.x(), mark.y() + kMarkArm);
}

void VScreenCalibrateDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    ui->btnCancel->move(centredLeft(width(), ui->btnCancel->width()), kCancelTop);
    ui->labelTip->move(centredLeft(width(), ui->labelTip->width()), ui->labelTip->y());
}
