#include "ui/dialogs/messages/VTipMsgboxDlg.h"

#include "ui_VTipMsgboxDlg.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <mutex>

namespace {

constexpr int kTimerInterval = 500;
constexpr int kTicksShown = 3;
constexpr int kTicksIdle = 99;
constexpr int kLabelWidening = 8;
constexpr int kHorizontalPadding = 32;
constexpr int kVerticalPadding = 12;
constexpr int kBottomGap = 8;

std::mutex &instanceMutex()
{
    static std::mutex mutex;
    return mutex;
}

VTipMsgboxDlg *&tipInstance()
{
    static VTipMsgboxDlg *tip = nullptr;
    return tip;
}

QVector<TipScreen> currentScreens()
{
    QVector<TipScreen> screens;
    for (QScreen *screen : QGuiApplication::screens())
        screens.append({screen->geometry(), screen->availableGeometry()});
    return screens;
}

} // namespace

VTipMsgboxDlg::VTipMsgboxDlg() : QDialog(nullptr), ui(std::make_unique<Ui::VTipMsgboxDlg>())
{
    ui->setupUi(this);
    // The program's font stack, so a system without the first font shows no serif fallback.
    setStyleSheet(QStringLiteral("#text{font-size:24px;font-weight:bold;color:rgb(66,66,66);"
                                 "font-family:'Microsoft YaHei','Segoe UI','Noto Sans',"
                                 "'Noto Sans CJK SC',Tahoma,sans-serif}"));
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint
                   | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    connect(this, &VTipMsgboxDlg::showMessage, this, &VTipMsgboxDlg::slotShowMessage);
    connect(&timer, &QTimer::timeout, this, &VTipMsgboxDlg::slotTimeout);
    timer.start(kTimerInterval);
}

VTipMsgboxDlg::~VTipMsgboxDlg()
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    if (tipInstance() == this)
        tipInstance() = nullptr;
}

void VTipMsgboxDlg::createInstance()
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    if (!tipInstance())
        tipInstance() = new VTipMsgboxDlg();
}

VTipMsgboxDlg *VTipMsgboxDlg::instance()
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    return tipInstance();
}

void VTipMsgboxDlg::showTipMessage(const QString &text)
{
    std::lock_guard<std::mutex> lock(instanceMutex());
    if (tipInstance())
        emit tipInstance()->showMessage(text);
}

QRect VTipMsgboxDlg::tipGeometry(const QVector<TipScreen> &screens, int primaryIndex,
                                 const QPoint &cursor, const QSize &labelSize)
{
    QRect area;
    const auto underCursor = std::find_if(screens.begin(), screens.end(), [&](const TipScreen &screen) {
        return screen.geometry.contains(cursor);
    });
    if (underCursor != screens.end())
        area = underCursor->available;
    else if (primaryIndex >= 0 && primaryIndex < screens.size())
        area = screens.at(primaryIndex).available;

    const int width = std::min(labelSize.width() + 2 * kHorizontalPadding, kMaximumWidth);
    const int height = labelSize.height() + 2 * kVerticalPadding;
    const int x = area.left() + (area.width() - width) / 2;
    const int y = area.bottom() - kBottomGap - (height - 1);
    return QRect(x, y, width, height);
}

QString VTipMsgboxDlg::text() const
{
    return ui->text->text();
}

void VTipMsgboxDlg::slotShowMessage(const QString &text)
{
    ui->text->setText(text);
    ui->text->ensurePolished();
    const QRect bounds = ui->text->fontMetrics().boundingRect(text);
    const QSize labelSize(bounds.width() + kLabelWidening, bounds.height());
    ui->text->resize(labelSize);
    ui->text->move(kHorizontalPadding, kVerticalPadding);

    const QVector<TipScreen> screens = currentScreens();
    const int primary = QGuiApplication::screens().indexOf(QGuiApplication::primaryScreen());
    setGeometry(tipGeometry(screens, primary, QCursor::pos(), labelSize));
    ticks = 0;
    show();
}

// A tip stays between one and one and a half seconds; a new text restarts the count.
void VTipMsgboxDlg::slotTimeout()
{
    if (++ticks >= kTicksShown) {
        hide();
        ticks = kTicksIdle;
    }
}

void VTipMsgboxDlg::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::transparent);
    painter.setBrush(QColor(235, 235, 235, 100));
    painter.drawRoundedRect(rect().adjusted(2, 2, -2, -2), 10.0, 10.0);
    QDialog::paintEvent(event);
}
