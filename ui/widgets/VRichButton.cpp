#include "VRichButton.h"

#include "ui/widgets/WindowHelpers.h"
#include "ui_VRichButton.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyleOption>

namespace {

// The sheet squares the content button's lower left corner, where the key picture sits; without
// the picture that corner is the row's own and gets the row's rounding.
const QString kSquareCorner = QStringLiteral("border-bottom-left-radius: 0px;");
const QString kRoundCorner = QStringLiteral("border-bottom-left-radius: 12px;");
constexpr int kIconSize = 24;
constexpr int kTitleShiftWithoutIcon = 40;
constexpr int kTitleWidthWithoutIcon = 260;

} // namespace

VRichButton::VRichButton(QWidget *parent) : QWidget(parent), ui(new Ui::VRichButton)
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VRichButton.qss"));
    retranslatePlaceholder();
    ui->editTitle->setAttribute(Qt::WA_MacShowFocusRect, false);
    ui->editTitle->setFocusPolicy(Qt::ClickFocus);
    ui->editTitle->installEventFilter(this);
}

VRichButton::~VRichButton()
{
    delete ui;
}

void VRichButton::setTexts(const QString &title, const QString &description, const QString &content)
{
    setTitle(title);
    setDescription(description);
    setContent(content);
}

void VRichButton::setContent(const QString &content)
{
    ui->btnContent->setText(content);
    ui->btnContent->setToolTip(content);
}

void VRichButton::setDescription(const QString &description)
{
    ui->editTitle->setText(description);
}

void VRichButton::setTitle(const QString &title)
{
    ui->labelTitle->setText(title);
}

void VRichButton::setIcon(const QPixmap &icon)
{
    ui->btnIcon->setIcon(QIcon(icon));
    ui->btnIcon->setIconSize(QSize(kIconSize, kIconSize));
}

void VRichButton::setIconToolTip(const QString &toolTip)
{
    ui->btnIcon->setToolTip(toolTip);
}

void VRichButton::setIconEnabled(bool enabled)
{
    ui->btnIcon->setEnabled(enabled);
}

void VRichButton::setTitleEditEnabled(bool enabled)
{
    ui->editTitle->setEnabled(enabled);
}

void VRichButton::hideIcon()
{
    ui->btnIcon->hide();
    ui->frameLine1->hide();
    const QString sheet = styleSheet();
    if (sheet.contains(kSquareCorner))
        ui->btnContent->setStyleSheet(QString(sheet).replace(kSquareCorner, kRoundCorner));

    QPushButton *content = ui->btnContent;
    content->resize(width() - 2, content->height());
    content->move(1, content->y());
    ui->frameLine2->resize(width() - 2, 1);
    ui->frameLine2->move(1, ui->frameLine2->y());
    ui->labelTitle->move(5, 1);
    ui->editTitle->move(ui->editTitle->x() - kTitleShiftWithoutIcon, 1);
    ui->editTitle->resize(kTitleWidthWithoutIcon, ui->editTitle->height());
}

void VRichButton::retranslatePlaceholder()
{
    ui->editTitle->setPlaceholderText(tr("Custom description content"));
}

void VRichButton::endTitleEdit()
{
    if (ui->editTitle->hasFocus())
        ui->editTitle->clearFocus();
}

void VRichButton::on_btnContent_clicked()
{
    endTitleEdit();
    emit clickButton();
}

void VRichButton::on_btnIcon_clicked()
{
    endTitleEdit();
    emit clickIcon();
}

// Return both takes the focus away (which ends the edit) and ends the edit itself; the edit is
// reported once.
void VRichButton::on_editTitle_editingFinished()
{
    if (!editingTitle)
        return;
    editingTitle = false;
    emit titleTextFinished(ui->editTitle->text());
}

void VRichButton::on_editTitle_returnPressed()
{
    ui->editTitle->clearFocus();
}

bool VRichButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->editTitle && event->type() == QEvent::FocusIn)
        editingTitle = true;
    if (watched == ui->editTitle && event->type() == QEvent::KeyPress
        && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        ui->editTitle->clearFocus();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void VRichButton::paintEvent(QPaintEvent *)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}
