#include "ui/widgets/VTitleBar.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VTitleBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace {

constexpr int kButtonSize = 24;
constexpr int kButtonGap = 12;

} // namespace

VTitleBar::VTitleBar(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::VTitleBar>())
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VTitleBar.qss"));
    initButtons();
    relayoutButtons();
}

VTitleBar::~VTitleBar() = default;

void VTitleBar::initButtons()
{
    if (!targetWindow)
        targetWindow = findTarget();
    if (parentWidget()) {
        resize(parentWidget()->width(), height());
        move(0, 0);
    }
    for (QPushButton *button : {ui->close, ui->max, ui->min, ui->set, ui->thumbtack}) {
        button->setText(QString());
        button->setFocusPolicy(Qt::NoFocus);
        button->setFixedSize(kButtonSize, kButtonSize);
    }
    setMouseTracking(true);
    flags = Close | Min;
}

// The first ancestor that is a window of its own, or the topmost one.
QWidget *VTitleBar::findTarget() const
{
    QWidget *candidate = parentWidget();
    while (candidate) {
        if (!candidate->parentWidget() || (candidate->windowFlags() & (Qt::Window | Qt::Dialog)))
            return candidate;
        candidate = candidate->parentWidget();
    }
    return nullptr;
}

void VTitleBar::relayoutButtons()
{
    const struct {
        QPushButton *button;
        int bit;
    } order[] = {{ui->close, Close}, {ui->max, Max}, {ui->min, Min}, {ui->set, Set},
                 {ui->thumbtack, Thumbtack}};
    for (const auto &entry : order)
        entry.button->setVisible(entry.bit == Close || (flags & entry.bit));

    int x = width();
    const int y = (height() - kButtonSize) / 2;
    for (const auto &entry : order) {
        if (!(flags & entry.bit))
            continue;
        x -= entry.button->width() + kButtonGap;
        entry.button->show();
        entry.button->move(x, y);
    }
    ui->text->move(kButtonGap, 0);
    ui->text->resize(x - 14, height());
}

void VTitleBar::setButtons(int buttonFlags)
{
    flags = buttonFlags;
    relayoutButtons();
}

void VTitleBar::setTitle(const QString &text)
{
    titleText = text;
    ui->text->setText(text);
    if (targetWindow)
        targetWindow->setWindowTitle(text);
}

void VTitleBar::setTitleToolTip(bool on)
{
    ui->text->setToolTip(on ? ui->text->text() : QString());
}

void VTitleBar::setTitleCentered()
{
    ui->text->setAlignment(Qt::AlignCenter);
}

void VTitleBar::setTarget(QWidget *window)
{
    targetWindow = window;
}

void VTitleBar::setTransparentStyle()
{
    setStyleSheet(QStringLiteral("VTitleBar {background-color: transparent;border-top-left-radius: "
                                 "8px;border-top-right-radius: 8px;border-bottom:none}"));
}

void VTitleBar::on_close_clicked()
{
    if (targetWindow)
        targetWindow->close();
}

void VTitleBar::on_min_clicked()
{
    if (targetWindow)
        targetWindow->showMinimized();
}

void VTitleBar::on_thumbtack_clicked()
{
    stayOnTop = !stayOnTop;
    if (targetWindow) {
        targetWindow->setWindowFlag(Qt::WindowStaysOnTopHint, stayOnTop);
        // Changing the flags hides a window.
        targetWindow->show();
    }
    update();
}

QWidget *VTitleBar::dragTarget() const
{
    if (targetWindow)
        return targetWindow;
    QWidget *top = const_cast<VTitleBar *>(this);
    while (top->parentWidget())
        top = top->parentWidget();
    return top;
}

void VTitleBar::mousePressEvent(QMouseEvent *event)
{
    dragging = true;
    lastGlobalX = event->globalX();
    lastGlobalY = event->globalY();
    QWidget::mousePressEvent(event);
}

void VTitleBar::mouseMoveEvent(QMouseEvent *event)
{
    if (dragging) {
        QWidget *window = dragTarget();
        window->move(window->pos() + QPoint(event->globalX() - lastGlobalX, event->globalY() - lastGlobalY));
        lastGlobalX = event->globalX();
        lastGlobalY = event->globalY();
    }
    QWidget::mouseMoveEvent(event);
}

void VTitleBar::mouseReleaseEvent(QMouseEvent *event)
{
    dragging = false;
    QWidget::mouseReleaseEvent(event);
}

void VTitleBar::paintEvent(QPaintEvent *event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    if (stayOnTop) {
        // The pressed pin stays visible while the window is kept on top.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(235, 235, 235, 200));
        painter.drawRoundedRect(ui->thumbtack->geometry(), 3.0, 3.0);
    }
    QWidget::paintEvent(event);
}

// The owner's form sets the bar's geometry after construction; the buttons follow every size.
void VTitleBar::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    relayoutButtons();
}
