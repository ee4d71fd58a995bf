#include "ui/widgets/VRichList.h"

#include "ui/widgets/VRichItem.h"

#include <QFrame>
#include <QListWidget>
#include <QScrollBar>

#include <gtest/gtest.h>

namespace {

QFrame *listFrame(VRichList &list)
{
    return list.findChild<QFrame *>(QStringLiteral("rlFrameList"));
}

QListWidget *listWidget(VRichList &list)
{
    return list.findChild<QListWidget *>(QStringLiteral("rlListWidget"));
}

} // namespace

TEST(VRichList, EachRowMakesTheBoxItsFrameAndItsListOneRowHigher)
{
    struct Row
    {
        int rows;
        int rowHeight;
        int boxHeight;
        int frameHeight;
        int listHeight;
    };
    const Row rows[] = {
        {1, 60, 120, 78, 62},
        {3, 60, 240, 198, 182},
        {2, 42, 144, 102, 86},
        {4, 42, 228, 186, 170},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(QStringLiteral("%1 rows of %2").arg(row.rows).arg(row.rowHeight).toStdString());
        VRichList list(QStringLiteral("General"));
        for (int i = 0; i < row.rows; ++i) {
            auto *item = new VRichItem(1, QString(), QString());
            item->resize(item->width(), row.rowHeight);
            if (i % 2 == 0)
                list.addItem(item);
            else
                list.addLanguageItem(item);
        }
        EXPECT_EQ(list.size(), QSize(520, row.boxHeight));
        EXPECT_EQ(list.minimumSize(), list.maximumSize());
        EXPECT_EQ(listFrame(list)->size(), QSize(520, row.frameHeight));
        EXPECT_EQ(listWidget(list)->size(), QSize(518, row.listHeight));
        EXPECT_EQ(listWidget(list)->minimumSize(), listWidget(list)->maximumSize());
        EXPECT_EQ(listWidget(list)->count(), row.rows);
        listWidget(list)->doItemsLayout();
        EXPECT_EQ(listWidget(list)->visualItemRect(listWidget(list)->item(row.rows - 1)).height(),
                  row.rowHeight);
        // The rows span the list: it never scrolls sideways.
        EXPECT_EQ(listWidget(list)->horizontalScrollBar()->maximum(), 0);
    }
}

TEST(VRichList, TheListSitsBelowTheTitleOrInItsPlace)
{
    VRichList list;
    list.setListBelowTitle(false);
    EXPECT_EQ(listFrame(list)->pos(), QPoint(0, 0));
    list.setListBelowTitle(true);
    EXPECT_EQ(listFrame(list)->pos(), QPoint(0, 32));
}
