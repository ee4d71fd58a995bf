#include "ui/widgets/WindowHelpers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFile>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QWidget>

QString readTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(file.readAll());
}

bool applyStyleSheet(QWidget *widget, const QString &path)
{
    const QString sheet = readTextFile(path);
    if (sheet.isEmpty())
        return false;
    widget->setStyleSheet(sheet);
    return true;
}

void addDropShadow(QWidget *widget, const QColor &color, int blurRadius)
{
    auto *shadow = new QGraphicsDropShadowEffect(widget);
    shadow->setOffset(0, 0);
    shadow->setColor(color);
    shadow->setBlurRadius(blurRadius);
    widget->setGraphicsEffect(shadow);
}

void styleComboPopup(QComboBox *combo)
{
    QWidget *popup = combo->view()->window();
    popup->setWindowFlags(Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    popup->setAttribute(Qt::WA_TranslucentBackground);
    // Without a styled delegate the popup's items ignore the sheet. The combo owns it, since
    // setItemDelegate does not take ownership.
    combo->setItemDelegate(new QStyledItemDelegate(combo));
}

void setUpApplicationTable(QTableWidget *table, const QString &header)
{
    constexpr int kScrollBarThickness = 10;
    table->verticalHeader()->hide();
    table->setColumnCount(1);
    table->setHorizontalHeaderLabels({header});
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setFocusPolicy(Qt::NoFocus);
    table->verticalScrollBar()->setMaximumWidth(kScrollBarThickness);
}
