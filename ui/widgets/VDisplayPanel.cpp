#include "ui/widgets/VDisplayPanel.h"

#include "engine/display/ScreenStatusListen.h"
#include "ui/widgets/DisplayMappingGeometry.h"
#include "ui_VDisplayPanel.h"

#include <QPainter>
#include <QPixmap>

namespace {

const QColor kBackground(244, 244, 244);

} // namespace

VDisplayPanel::VDisplayPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VDisplayPanel>())
{
    ui->setupUi(this);
    pendingChange.setSingleShot(true);
    pendingChange.setInterval(0);
    connect(&pendingChange, &QTimer::timeout, this, &VDisplayPanel::takeDisplayChange);
    refresh(false);
}

VDisplayPanel::~VDisplayPanel() = default;

void VDisplayPanel::setDisplays(ScreenStatusListen *displays)
{
    if (displaySource)
        disconnect(displaySource, nullptr, this, nullptr);
    displaySource = displays;
    if (displays)
        connect(displays, &ScreenStatusListen::displayChanged, this, &VDisplayPanel::slotDisplayChanged);
    refresh(false);
}

void VDisplayPanel::refresh(bool emitSignal)
{
    if (!displaySource)
        return;
    const std::vector<MonitorInfo> monitors = displaySource->enumerateMonitors(true);
    if (monitors.empty())
        return;
    const QRect desktop = monitors.front().desktopRect;
    const std::optional<QRect> drawn = DisplayMappingGeometry::drawnDesktop(size(), desktop);
    infos.clear();
    for (const MonitorInfo &monitor : monitors) {
        DisplayMappingInfo info;
        info.monitor = monitor;
        if (drawn) {
            info.thumbnailRect =
                    DisplayMappingGeometry::thumbnail(monitor.monitorRect, desktop, *drawn).value_or(QRect());
            info.desktopDrawnRect = *drawn;
        }
        infos.push_back(info);
    }
    update();
    if (emitSignal)
        emit displayChanged();
}

void VDisplayPanel::slotDisplayChanged()
{
    pendingChange.start();
}

void VDisplayPanel::takeDisplayChange()
{
    if (displaySource && displaySource->isSettling())
        return;
    refresh(false);
    emit displayChanged();
}

void VDisplayPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), kBackground);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    for (const DisplayMappingInfo &info : infos) {
        const QRect &target = info.thumbnailRect;
        if (info.monitor.screenshot && target.width() > 0 && target.height() > 0)
            painter.drawPixmap(target, *info.monitor.screenshot);
    }
}
