#include "ui/widgets/VMappingConnector.h"

#include "ui/widgets/DisplayMappingGeometry.h"
#include "ui/widgets/VDisplayPanel.h"
#include "ui/widgets/VTabletPanel.h"
#include "ui_VMappingConnector.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace Geometry = DisplayMappingGeometry;

namespace {

const QColor kBoundColour(205, 245, 100);
const QColor kDrawingColour(59, 153, 254, 120);
const QColor kAreaColour(59, 153, 254);
const QColor kConnectionColour(19, 103, 254);
constexpr double kLineWidth = 2.0;
// A press this close to the display panel or the tablet area starts an area there.
constexpr int kPressReach = 16;
constexpr int kTipSpacing = 8;
const QSize kPercent(100, 100);
// The whole tablet, as a rotation reports it.
const QRect kWholeTablet(QPoint(0, 0), QPoint(99, 99));
const char kTipSheet[] =
        "QLabel{background-color: rgba(205, 205, 205,100);color:rgb(250,60,100);border-radius: 3px;}";

bool hasArea(const QRect &rect)
{
    return rect.width() > 0 && rect.height() > 0;
}

QPoint clamped(const QPoint &point, const QRect &rect)
{
    return QPoint(qBound(rect.left(), point.x(), rect.right()), qBound(rect.top(), point.y(), rect.bottom()));
}

} // namespace

VMappingConnector::VMappingConnector(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VMappingConnector>())
{
    ui->setupUi(this);
    // Beside the container rather than in it, so the tip is not cut at the container's edge.
    QWidget *tipParent = parent ? (parent->parentWidget() ? parent->parentWidget() : parent) : this;
    tipLabel = new QLabel(tipParent);
    tipLabel->setMinimumSize(140, 32);
    tipLabel->setStyleSheet(QLatin1String(kTipSheet));
    tipLabel->setWindowFlags(tipLabel->windowFlags() | Qt::WindowStaysOnTopHint);
    tipLabel->hide();
    setMouseTracking(true);
}

VMappingConnector::~VMappingConnector() = default;

void VMappingConnector::setPanels(VDisplayPanel *display, VTabletPanel *tablet)
{
    if (displayPanel)
        disconnect(displayPanel, nullptr, this, nullptr);
    displayPanel = display;
    tabletPanel = tablet;
    copyDisplayInfos();
    if (!infos.empty())
        screenSelection = infos.front().containerThumbnailRect;
    tabletSelectionArea = tabletArea();
    rebuildHandles();
    if (display)
        connect(display, &VDisplayPanel::displayChanged, this, &VMappingConnector::refreshDisplays);
    update();
}

void VMappingConnector::refreshDisplays()
{
    copyDisplayInfos();
    if (!infos.empty())
        screenSelection = infos.front().containerThumbnailRect;
    rebuildHandles();
    update();
}

void VMappingConnector::copyDisplayInfos()
{
    infos = displayPanel ? displayPanel->displayInfos() : std::vector<DisplayMappingInfo>();
    const QPoint offset = displayPanel ? displayPanel->pos() : QPoint();
    for (DisplayMappingInfo &info : infos) {
        info.containerThumbnailRect = info.thumbnailRect.translated(offset);
        info.containerDesktopRect = info.desktopDrawnRect.translated(offset);
    }
}

QRect VMappingConnector::tabletArea() const
{
    if (!tabletPanel)
        return QRect();
    return tabletPanel->markedRect().translated(tabletPanel->pos());
}

void VMappingConnector::selectScreen(int index)
{
    if (index < 0) {
        selectedScreen = 0;
        return;
    }
    const int displays = displayPanel ? int(displayPanel->displayInfos().size()) : 0;
    const int chosen = index < displays ? index : kAllScreens;
    if (chosen != selectedScreen) {
        if (chosen == kAllScreens && !infos.empty())
            screenSelection = infos.front().containerDesktopRect;
        else if (chosen < int(infos.size()))
            screenSelection = infos[std::size_t(chosen)].containerThumbnailRect;
        rebuildHandles();
    }
    selectedScreen = chosen;
    update();
}

QRect VMappingConnector::screenRect() const
{
    if (infos.empty())
        return QRect();
    if (selectedScreen == kAllScreens)
        return infos.front().monitor.desktopRect;
    if (selectedScreen < 0 || selectedScreen >= int(infos.size()))
        return QRect();
    return infos[std::size_t(selectedScreen)].monitor.monitorRect;
}

bool VMappingConnector::displayInfo(int index, DisplayMappingInfo &info) const
{
    if (index < 0 || index >= int(infos.size()))
        return false;
    info = infos[std::size_t(index)];
    return true;
}

// Where the screen area may lie: the chosen display's thumbnail, or the whole drawn desktop.
QRect VMappingConnector::screenBound() const
{
    if (infos.empty())
        return QRect();
    if (selectedScreen == kAllScreens)
        return infos.front().containerDesktopRect;
    if (selectedScreen < 0 || selectedScreen >= int(infos.size()))
        return QRect();
    return infos[std::size_t(selectedScreen)].containerThumbnailRect;
}

void VMappingConnector::setScreenRect(const QRect &area)
{
    const std::optional<QRect> drawn = Geometry::drawnArea(area, screenRect().size(), screenBound());
    if (!drawn)
        return;
    screenSelection = QRect(drawn->topLeft(), QSize(qMax(drawn->width(), 1), qMax(drawn->height(), 1)));
    rebuildHandles();
    update();
}

void VMappingConnector::setTabletRect(const QRect &percent)
{
    const std::optional<QRect> drawn = Geometry::drawnArea(percent, kPercent, tabletArea());
    if (!drawn || drawn->width() < 1 || drawn->height() < 1)
        return;
    tabletSelectionArea = *drawn;
    rebuildHandles();
    update();
}

void VMappingConnector::setRotation(int quarterTurns)
{
    if (tabletPanel)
        tabletPanel->setRotation(quarterTurns);
    tabletSelectionArea = tabletArea();
    rebuildHandles();
    update();
    emit tabletSelectChanged(kWholeTablet);
}

void VMappingConnector::setEditable(bool canEdit)
{
    editable = canEdit;
    if (!editable) {
        pressed = false;
        dragged = false;
        handleIndex = -1;
        unsetCursor();
        tipLabel->hide();
    }
    update();
}

void VMappingConnector::rebuildHandles()
{
    const auto handlesOf = [](const QRect &area) {
        std::vector<Handle> handles;
        if (!hasArea(area))
            return handles;
        const std::vector<QRect> squares = Geometry::handleSquares(area);
        for (int i = 0; i < int(squares.size()); ++i)
            handles.push_back({squares[std::size_t(i)], Geometry::handleCursor(i)});
        return handles;
    };
    screenHandles = handlesOf(screenSelection);
    tabletHandles = handlesOf(tabletSelectionArea);
}

// Where a press starts an area of the mode, and where its drawing stays.
QRect VMappingConnector::reach(Mode areaMode) const
{
    QRect area;
    if (areaMode == ScreenMode && displayPanel)
        area = displayPanel->geometry();
    else if (areaMode == TabletMode)
        area = tabletArea();
    return area.isNull() ? QRect() : area.adjusted(-kPressReach, -kPressReach, kPressReach, kPressReach);
}

QRect &VMappingConnector::modeArea()
{
    return mode == ScreenMode ? screenSelection : tabletSelectionArea;
}

// The rectangle that the current press stands for: the area being resized, or the one drawn
// from the press point to the pointer.
QRect VMappingConnector::drawnRectangle() const
{
    if (resizing)
        return mode == ScreenMode ? screenSelection : tabletSelectionArea;
    return QRect(pressPoint, currentPoint).normalized();
}

// A drawn rectangle cut to its bound, in pixels of the screen or percent of the tablet.
std::optional<QRect> VMappingConnector::reported(const QRect &drawn) const
{
    if (mode == ScreenMode) {
        const QRect bound = screenBound();
        const QRect inside = drawn.intersected(bound);
        if (inside.isEmpty())
            return std::nullopt;
        return Geometry::targetArea(inside, bound, screenRect().size());
    }
    const QRect area = tabletArea();
    const QRect inside = drawn.intersected(area);
    if (inside.isEmpty())
        return std::nullopt;
    return Geometry::targetArea(inside, area, kPercent);
}

void VMappingConnector::mousePressEvent(QMouseEvent *event)
{
    if (!editable || event->button() != Qt::LeftButton)
        return;
    if (resizing) {
        pressed = true;
        areaAtPress = modeArea();
        pressPoint = event->pos();
        return;
    }
    if (reach(ScreenMode).contains(event->pos()))
        mode = ScreenMode;
    else if (reach(TabletMode).contains(event->pos()))
        mode = TabletMode;
    else
        mode = NoArea;
    if (mode != NoArea) {
        pressPoint = event->pos();
        currentPoint = event->pos();
        pressed = true;
    }
}

void VMappingConnector::mouseMoveEvent(QMouseEvent *event)
{
    if (!editable)
        return;
    if (pressed)
        drag(event->pos());
    else
        hover(event->pos());
}

void VMappingConnector::hover(const QPoint &position)
{
    const struct
    {
        const std::vector<Handle> &handles;
        Mode mode;
    } groups[] = {{screenHandles, ScreenMode}, {tabletHandles, TabletMode}};
    for (const auto &group : groups) {
        for (int i = 0; i < int(group.handles.size()); ++i) {
            if (group.handles[std::size_t(i)].square.contains(position)) {
                handleIndex = i;
                mode = group.mode;
                resizing = true;
                setCursor(group.handles[std::size_t(i)].cursor);
                return;
            }
        }
    }
    handleIndex = -1;
    resizing = false;
    unsetCursor();
}

void VMappingConnector::drag(const QPoint &position)
{
    dragged = true;
    if (resizing)
        resizeArea(position);
    else
        currentPoint = clamped(position, reach(mode));
    update();
    showTip(position);
}

void VMappingConnector::resizeArea(const QPoint &position)
{
    const QRect moved = Geometry::resized(areaAtPress, handleIndex, position - pressPoint);
    const QRect bound = mode == ScreenMode ? screenBound() : tabletArea();
    const QRect inside = moved.intersected(bound);
    if (!inside.isEmpty())
        modeArea() = inside;
    rebuildHandles();
}

// Every release ends the press, whatever it changed.
void VMappingConnector::mouseReleaseEvent(QMouseEvent *event)
{
    if (!editable)
        return;
    handleIndex = -1;
    const bool changed = pressed && dragged && event->pos() != pressPoint && !infos.empty();
    const QRect drawn = drawnRectangle();
    pressed = false;
    dragged = false;
    tipLabel->hide();
    if (changed)
        release(drawn);
    update();
}

void VMappingConnector::release(const QRect &drawn)
{
    const std::optional<QRect> area = reported(drawn);
    if (!area)
        return;
    const QRect bound = mode == ScreenMode ? screenBound() : tabletArea();
    modeArea() = drawn.intersected(bound);
    rebuildHandles();
    if (mode == ScreenMode)
        emit screenSelectChanged(selectedScreen, *area);
    else
        emit tabletSelectChanged(*area);
}

void VMappingConnector::showTip(const QPoint &position)
{
    if (mode == ScreenMode && infos.empty())
        return;
    if (const std::optional<QRect> area = reported(drawnRectangle())) {
        tipLabel->setText(QStringLiteral("(%1,%2),(%3x%4)")
                                  .arg(area->x())
                                  .arg(area->y())
                                  .arg(area->width())
                                  .arg(area->height()));
    }
    const QSize text = tipLabel->fontMetrics().size(Qt::TextSingleLine, tipLabel->text());
    tipLabel->resize(text + QSize(2 * kTipSpacing, 2 * kTipSpacing));
    QWidget *parent = tipLabel->parentWidget();
    const QPoint place = parent == this ? position : mapTo(parent, position);
    tipLabel->move(place + QPoint(kTipSpacing, 0));
    tipLabel->show();
    tipLabel->raise();
}

void VMappingConnector::paintEvent(QPaintEvent *)
{
    if (infos.empty())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kBoundColour, kLineWidth, Qt::SolidLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(screenBound());
    if (pressed && dragged && !resizing)
        painter.fillRect(QRect(pressPoint, currentPoint).normalized(), kDrawingColour);
    paintAreas(painter);
    paintConnections(painter);
}

void VMappingConnector::paintAreas(QPainter &painter) const
{
    painter.setPen(QPen(kAreaColour, kLineWidth, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    const struct
    {
        const QRect &area;
        const std::vector<Handle> &handles;
    } areas[] = {{screenSelection, screenHandles}, {tabletSelectionArea, tabletHandles}};
    for (const auto &entry : areas) {
        if (!hasArea(entry.area))
            continue;
        painter.drawRect(entry.area);
        if (!editable)
            continue;
        for (const Handle &handle : entry.handles)
            painter.fillRect(handle.square, kAreaColour);
    }
}

void VMappingConnector::paintConnections(QPainter &painter) const
{
    if (!hasArea(screenSelection) || !hasArea(tabletSelectionArea))
        return;
    painter.setPen(QPen(kConnectionColour, kLineWidth, Qt::DotLine));
    const QRect &s = screenSelection;
    const QRect &t = tabletSelectionArea;
    painter.drawLine(s.topLeft(), t.topLeft());
    painter.drawLine(s.topRight(), t.topRight());
    painter.drawLine(s.bottomLeft(), t.bottomLeft());
    painter.drawLine(s.bottomRight(), t.bottomRight());
}
