#include "ui/widgets/VRichItem.h"

#include "ui/widgets/VSwitchButton.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QPushButton *rowButton(VRichItem &item)
{
    return item.findChild<QPushButton *>(QStringLiteral("riBtnMain"));
}

VSwitchButton *rowSwitch(VRichItem &item)
{
    return item.findChild<VSwitchButton *>(QStringLiteral("widgetSwitch"));
}

QList<int> activations(const QSignalSpy &spy)
{
    QList<int> kinds;
    for (const QList<QVariant> &call : spy)
        kinds << call.at(0).toInt();
    return kinds;
}

// Remembers whether a mouse press reached it.
class PressWatcher : public QWidget
{
public:
    bool pressed = false;

protected:
    void mousePressEvent(QMouseEvent *) override { pressed = true; }
};

} // namespace

TEST(VRichItem, TheKindChoosesSwitchPictureOrPlainText)
{
    struct Row
    {
        int kind;
        bool switchShown;
        bool pictureShown;
        bool rowButtonShown;
    };
    const Row rows[] = {
        {1, true, false, true}, {2, false, true, true}, {3, false, true, true},
        {4, false, false, false}, {0, false, false, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.kind);
        VRichItem item(row.kind, QStringLiteral("Pen tilt data"), QStringLiteral("Caption"));
        const QLabel *icon = item.findChild<QLabel *>(QStringLiteral("riLabelIcon"));
        EXPECT_EQ(rowSwitch(item)->isVisibleTo(&item), row.switchShown);
        EXPECT_EQ(!icon->pixmap(Qt::ReturnByValue).isNull(), row.pictureShown);
        EXPECT_TRUE(icon->text().isEmpty());
        EXPECT_EQ(rowButton(item)->isVisibleTo(&item), row.rowButtonShown);
        EXPECT_EQ(item.findChild<QLabel *>(QStringLiteral("riLabelTitle"))->text(),
                  QStringLiteral("Pen tilt data"));
    }
}

TEST(VRichItem, ARowClickReportsItsKindAndFlipsOnlyASwitchUnderThePointer)
{
    struct Row
    {
        int kind;
        bool pointerOnRow;
        bool expectedChecked;
    };
    const Row rows[] = {
        {1, true, true}, {1, false, false}, {2, true, false}, {3, true, false},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QStringLiteral("kind %1, pointer on row %2").arg(row.kind).arg(row.pointerOnRow).toStdString());
        VRichItem item(row.kind, QString(), QString());
        item.move(100, 100);
        const QPoint onRow = item.mapToGlobal(QPoint(100, 30));
        QCursor::setPos(row.pointerOnRow ? onRow : onRow + QPoint(0, 400));
        QSignalSpy activated(&item, &VRichItem::activated);
        rowButton(item)->click();
        EXPECT_EQ(activations(activated), QList<int>{row.kind});
        EXPECT_EQ(item.isChecked(), row.expectedChecked);
    }
}

TEST(VRichItem, ClickingTheSwitchFlipsItAndReportsASwitchRow)
{
    VRichItem item(1, QString(), QString());
    QSignalSpy activated(&item, &VRichItem::activated);
    QTest::mouseClick(rowSwitch(item), Qt::LeftButton);
    EXPECT_TRUE(item.isChecked());
    EXPECT_EQ(activations(activated), QList<int>{1});
}

TEST(VRichItem, APlainRowHasNothingToClick)
{
    PressWatcher list;
    auto *item = new VRichItem(4, QStringLiteral("Title"), QStringLiteral("Caption"), &list);
    QSignalSpy activated(item, &VRichItem::activated);
    QTest::mouseClick(item, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mousePress(item, Qt::LeftButton, Qt::NoModifier, QPoint(515, 55));
    EXPECT_EQ(activated.count(), 0);
    EXPECT_FALSE(list.pressed);
}

TEST(VRichItem, ADisabledSwitchRowIsOffAndSilent)
{
    VRichItem item(1, QString(), QString());
    item.setChecked(true);
    QSignalSpy activated(&item, &VRichItem::activated);
    item.setDisabled(true);
    EXPECT_FALSE(item.isChecked());
    EXPECT_FALSE(item.isEnabled());
    QTest::mouseClick(rowSwitch(item), Qt::LeftButton);
    QTest::mouseClick(rowButton(item), Qt::LeftButton);
    EXPECT_FALSE(item.isChecked());
    EXPECT_EQ(activated.count(), 0);

    item.setDisabled(false);
    EXPECT_TRUE(item.isEnabled());
    QTest::mouseClick(rowSwitch(item), Qt::LeftButton);
    EXPECT_TRUE(item.isChecked());
}
