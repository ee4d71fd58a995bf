#include "VRichList.h"

#include "VRichItem.h"
#include "ui/widgets/WindowHelpers.h"
#include "ui_VRichList.h"

#include <QScrollBar>

namespace {

// Room around the rows: the frame keeps 8 px above and below them, the box a title row of 32
// and a gap of 10 under the frame.
constexpr int kBoxExtra = 60;
constexpr int kFrameExtra = 18;
constexpr int kListExtra = 2;
constexpr int kTitleRowHeight = 32;

} // namespace

VRichList::VRichList(const QString &title, QWidget *parent) : QWidget(parent), ui(new Ui::VRichList)
{
    setUpList();
    ui->rlLabelTitle->setText(title);
}

VRichList::VRichList(QWidget *parent) : QWidget(parent), ui(new Ui::VRichList)
{
    setUpList();
    ui->rlLabelTitle->clear();
    QListWidget *list = ui->rlListWidget;
    list->horizontalScrollBar()->setEnabled(false);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setDragEnabled(false);
    list->setDragDropMode(QAbstractItemView::NoDragDrop);
    list->setMovement(QListView::Static);
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
}

VRichList::~VRichList()
{
    delete ui;
}

void VRichList::setUpList()
{
    ui->setupUi(this);
    applyStyleSheet(this, QStringLiteral(":/res/qss/normal/qss-VRichList.qss"));
    QListWidget *list = ui->rlListWidget;
    list->setFocusPolicy(Qt::NoFocus);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->verticalScrollBar()->setEnabled(false);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void VRichList::addItem(VRichItem *item)
{
    appendRow(item);
}

void VRichList::addLanguageItem(QWidget *item)
{
    appendRow(item);
}

void VRichList::appendRow(QWidget *row)
{
    QListWidget *list = ui->rlListWidget;
    auto *entry = new QListWidgetItem(list);
    // No width of its own: the row spans the list, however wide its form made it.
    entry->setSizeHint(QSize(0, row->height()));
    list->setItemWidget(entry, row);

    const int rows = list->count() * row->height();
    setFixedSize(width(), rows + kBoxExtra);
    ui->rlFrameList->resize(ui->rlFrameList->width(), rows + kFrameExtra);
    list->setFixedSize(list->width(), rows + kListExtra);
}

void VRichList::setTitle(const QString &title)
{
    ui->rlLabelTitle->setText(title);
}

void VRichList::setListBelowTitle(bool below)
{
    ui->rlFrameList->move(0, below ? kTitleRowHeight : 0);
}
