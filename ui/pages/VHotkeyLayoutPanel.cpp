#include "ui/pages/VHotkeyLayoutPanel.h"

#include "config/layout/ModelTables.h"
#include "config/layout/TabletLayoutTouch.h"
#include "ui/pages/LayoutComponentShape.h"
#include "ui_VHotkeyLayoutPanel.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kHighlightFill(205, 245, 100, 180);
const QColor kOutline(205, 245, 100, 255);
constexpr double kKeyOutlineWidth = 1.2;
constexpr double kDialOutlineWidth = 1.5;

// The arrows of the touch segments, by their event number 1 to 4.
const char *const kArrowPictures[] = {
    ":/res/image/comm/24x24/arrow_up_24x24.png",
    ":/res/image/comm/24x24/arrow_down_24x24.png",
    ":/res/image/comm/24x24/arrow_left_24x24.png",
    ":/res/image/comm/24x24/arrow_right_24x24.png",
};

QPen outlinePen(double width)
{
    return QPen(kOutline, width, Qt::DotLine, Qt::SquareCap, Qt::BevelJoin);
}

} // namespace

VHotkeyLayoutPanel::VHotkeyLayoutPanel(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::VHotkeyLayoutPanel>()), blink(new QTimer(this))
{
    ui->setupUi(this);
    for (int i = 0; i < 4; ++i)
        arrows[i] = QPixmap(QString::fromLatin1(kArrowPictures[i]));
    blink->setSingleShot(true);
    connect(blink, &QTimer::timeout, this, &VHotkeyLayoutPanel::endBlink);
}

VHotkeyLayoutPanel::~VHotkeyLayoutPanel() = default;

void VHotkeyLayoutPanel::setLayout(const TabletLayout &layout)
{
    selected.reset();
    tablet = layout.tablet;
    if (!tablet.components.empty()) {
        selected = tablet.components.front();
        emit componentSelected();
    }
    if (!tablet.model.isEmpty()) {
        const QImage image = tabletImageForModel(tablet.model);
        if (!image.isNull()) {
            picture = QPixmap::fromImage(image);
            update();
        }
    }
}

// A press packet of an express key lights it until its release; the tablet sends no release
// for a dial turn, a touch or a virtual key, so those go out on their own. A state that does not
// go out on its own also stops the blink of the one before, which would put it out.
void VHotkeyLayoutPanel::setComponentState(const ComponentState &state)
{
    live = state;
    const bool blinks = state.kind == ComponentState::Dial || state.kind == ComponentState::Touch
            || (state.kind == ComponentState::Key && !state.physical);
    if (blinks)
        blink->start(kBlinkMilliseconds);
    else
        blink->stop();
    update();
}

void VHotkeyLayoutPanel::endBlink()
{
    live.index = 0;
    blink->stop();
    update();
}

// Express keys and virtual keys share their numbers, so a key also matches its group.
bool VHotkeyLayoutPanel::isLit(const TabletLayoutComponent &component, const ComponentState &state)
{
    if (state.kind != std::uint32_t(component.type) || state.index != component.id)
        return false;
    switch (component.type) {
    case TabletLayoutComponent::Key:
        return static_cast<const TabletLayoutKey &>(component).isVirtual == !state.physical;
    case TabletLayoutComponent::Touch:
        return static_cast<const TabletLayoutTouch &>(component).event == state.value;
    default:
        return true;
    }
}

void VHotkeyLayoutPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    if (!picture.isNull())
        painter.drawPixmap(rect(), picture);
    for (const TabletLayoutComponentPtr &component : tablet.components) {
        drawComponent(painter, *component, component == selected);
        if (isLit(*component))
            drawComponent(painter, *component, true);
    }
}

void VHotkeyLayoutPanel::drawComponent(QPainter &painter, const TabletLayoutComponent &component, bool filled) const
{
    painter.save();
    switch (component.type) {
    case TabletLayoutComponent::Key: {
        const QPainterPath shape = LayoutComponentShape::key(static_cast<const TabletLayoutKey &>(component));
        if (filled)
            painter.fillPath(shape, kHighlightFill);
        painter.strokePath(shape, outlinePen(kKeyOutlineWidth));
        break;
    }
    case TabletLayoutComponent::Dial: {
        const QPainterPath ring = LayoutComponentShape::dialRing(static_cast<const TabletLayoutDial &>(component));
        if (filled)
            painter.fillPath(ring, kHighlightFill);
        painter.strokePath(ring, outlinePen(kDialOutlineWidth));
        break;
    }
    case TabletLayoutComponent::Touch: {
        const QRectF area(component.rect);
        if (filled)
            painter.fillRect(area, kHighlightFill);
        painter.setPen(outlinePen(kKeyOutlineWidth));
        painter.drawRect(area);
        const int event = static_cast<const TabletLayoutTouch &>(component).event;
        if (event >= 1 && event <= 4) {
            const QPixmap &arrow = arrows[event - 1];
            const QRect &place = component.rect;
            painter.drawPixmap(place.x() + (place.width() - arrow.width()) / 2,
                               place.y() + (place.height() - arrow.height()) / 2, arrow);
        }
        break;
    }
    default:
        break;
    }
    painter.restore();
}

void VHotkeyLayoutPanel::mousePressEvent(QMouseEvent *event)
{
    for (const TabletLayoutComponentPtr &component : tablet.components) {
        if (component->rect.contains(event->pos()))
            selected = component;
    }
    update();
}

void VHotkeyLayoutPanel::mouseReleaseEvent(QMouseEvent *event)
{
    for (const TabletLayoutComponentPtr &component : tablet.components) {
        if (component->rect.contains(event->pos()))
            emit componentSelected();
    }
    update();
}
