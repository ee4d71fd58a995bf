#include "VSwitchButton.h"

#include "ui_VSwitchButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// The switch is a 36 x 20 pill in the middle of the widget (whose form makes it 48 x 26, room
// for the focus ring), with a 16 px white knob.
constexpr int kPillWidth = 36;
constexpr int kPillHeight = 20;
constexpr int kKnobInset = 2;

const QColor kAccent(0x3B, 0x99, 0xFE);
const QColor kAccentHover(0x2F, 0x8A, 0xFE);
const QColor kAccentPressed(0x13, 0x67, 0xFE);
const QColor kAccentDisabled(0xB1, 0xD6, 0xFF);
const QColor kBorder(0xDE, 0xE0, 0xE3);
const QColor kBorderHover(0xCF, 0xD8, 0xE3);
const QColor kBorderPressed(0xBD, 0xD2, 0xE8);
const QColor kBorderDisabled(0xEF, 0xF0, 0xF1);
const QColor kKnob(Qt::white);

QRectF pillRect(const QRect &widget)
{
    return QRectF(widget.x() + (widget.width() - kPillWidth) / 2,
                  widget.y() + (widget.height() - kPillHeight) / 2, kPillWidth, kPillHeight);
}

} // namespace

VSwitchButton::VSwitchButton(QWidget *parent) : QWidget(parent), ui(new Ui::VSwitchButton)
{
    ui->setupUi(this);
    setAttribute(Qt::WA_Hover);
    setFocusPolicy(Qt::TabFocus);
}

VSwitchButton::~VSwitchButton()
{
    delete ui;
}

void VSwitchButton::setChecked(bool value)
{
    checked = value;
    update();
}

bool VSwitchButton::isChecked() const
{
    return checked;
}

void VSwitchButton::setSwitchEnabled(bool enabled)
{
    switchEnabled = enabled;
    update();
}

void VSwitchButton::toggle()
{
    if (!switchEnabled)
        return;
    checked = !checked;
    update();
    emit stateChanged(checked);
}

bool VSwitchButton::looksEnabled() const
{
    return switchEnabled && isEnabled();
}

void VSwitchButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        pressed = true;
        update();
    }
}

void VSwitchButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    pressed = false;
    toggle();
    update();
}

void VSwitchButton::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space)
        toggle();
    else
        QWidget::keyPressEvent(event);
}

void VSwitchButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF pill = pillRect(rect());
    const bool hovered = looksEnabled() && underMouse();

    QColor track;
    if (!looksEnabled())
        track = checked ? kAccentDisabled : kBorderDisabled;
    else if (pressed && underMouse())
        track = checked ? kAccentPressed : kBorderPressed;
    else if (hovered)
        track = checked ? kAccentHover : kBorderHover;
    else
        track = checked ? kAccent : kBorder;
    painter.setPen(Qt::NoPen);
    painter.setBrush(track);
    const qreal radius = kPillHeight / 2.0;
    painter.drawRoundedRect(pill, radius, radius);

    const qreal knob = kPillHeight - 2 * kKnobInset;
    const qreal knobX = checked ? pill.right() - kKnobInset - knob : pill.left() + kKnobInset;
    // Off and disabled, the knob is as light as the track; a hairline keeps it visible.
    painter.setPen(!looksEnabled() && !checked ? QPen(kBorder, 1.0) : QPen(Qt::NoPen));
    painter.setBrush(kKnob);
    painter.drawEllipse(QRectF(knobX, pill.top() + kKnobInset, knob, knob));

    if (hasFocus()) {
        painter.setPen(QPen(kAccent, 2.0));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(pill.adjusted(-2, -2, 2, 2), radius + 2, radius + 2);
    }
}
