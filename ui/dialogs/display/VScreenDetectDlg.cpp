#include "ui/dialogs/display/VScreenDetectDlg.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VScreenDetectDlg.h"

VScreenDetectDlg::VScreenDetectDlg(QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::VScreenDetectDlg>()), timer(this)
{
    ui->setupUi(this);
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::FramelessWindowHint);
    setWindowFlags(windowFlags() | Qt::WindowStaysOnTopHint | Qt::BypassWindowManagerHint);
    setAttribute(Qt::WA_TranslucentBackground);
    addDropShadow(ui->sddFrame, QColor(100, 100, 108, 100), 10);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VScreenDetectDlg.qss"));
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, &QWidget::close);
}

VScreenDetectDlg::~VScreenDetectDlg() = default;

void VScreenDetectDlg::showOnScreen(int number, const QRect &monitor)
{
    ui->labelScreenId->setText(QStringLiteral("%1").arg(number));
    const int x = int(monitor.x() + (monitor.width() - width()) * 0.5);
    const int y = monitor.bottom() + 1 - height() - kBottomDistance;
    move(x, y);
    show();
    timer.start(kShowMilliseconds);
}

QString VScreenDetectDlg::numberText() const
{
    return ui->labelScreenId->text();
}
