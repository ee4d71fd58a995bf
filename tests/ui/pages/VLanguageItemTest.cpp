#include "ui/pages/VLanguageItem.h"

#include "config/language/TabletLanguage.h"
#include "support/QtPrinters.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>
#include <QWheelEvent>

#include <gtest/gtest.h>

namespace {

constexpr int kEnglish = 0;
constexpr int kGerman = 4;

QComboBox *comboOf(VLanguageItem &item)
{
    return item.findChild<QComboBox *>(QStringLiteral("comboBox"));
}

} // namespace

TEST(VLanguageItem, OnlyAnotherKnownLanguageIsSelectedAndReported)
{
    VLanguageItem item;
    ASSERT_EQ(comboOf(item)->count(), 11);
    item.setLanguage(3);
    QSignalSpy reported(&item, &VLanguageItem::languageChanged);
    const struct {
        int id;
        int selected;
        QList<int> signalled;
    } steps[] = {{11, 3, {}}, {-1, 3, {}}, {3, 3, {}}, {10, 10, {10}}, {0, 0, {0}}};
    for (const auto &step : steps) {
        SCOPED_TRACE(step.id);
        reported.clear();
        item.setLanguage(step.id);
        EXPECT_EQ(item.language(), step.selected);
        QList<int> ids;
        for (const QList<QVariant> &call : reported)
            ids << call.at(0).toInt();
        EXPECT_EQ(ids, step.signalled);
    }
    reported.clear();
    comboOf(item)->clear();
    EXPECT_TRUE(reported.isEmpty()) << "a cleared combo names no language";
}

TEST(VLanguageItem, TheWheelNeverChangesTheLanguage)
{
    VLanguageItem item;
    item.setLanguage(5);
    QSignalSpy reported(&item, &VLanguageItem::languageChanged);
    for (int delta : {120, -120}) {
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(comboOf(item), &wheel);
    }
    EXPECT_EQ(item.language(), 5);
    EXPECT_TRUE(reported.isEmpty());
}

TEST(VLanguageItem, TheLabelFollowsALanguageChangeWhileTheNamesKeepTheirFirstLanguage)
{
    ASSERT_TRUE(TabletLanguage::instance().setLanguage(kEnglish));
    VLanguageItem item;
    ASSERT_TRUE(TabletLanguage::instance().setLanguage(kGerman));
    item.retranslate();
    EXPECT_EQ(item.findChild<QLabel *>(QStringLiteral("labelUseLanguage"))->text(), QStringLiteral("Diese Sprache verwenden"));
    EXPECT_EQ(comboOf(item)->itemText(kGerman), QStringLiteral("German"));

    VLanguageItem german;
    EXPECT_EQ(comboOf(german)->itemText(kGerman), QStringLiteral("Deutsch"));
    ASSERT_TRUE(TabletLanguage::instance().setLanguage(kEnglish));
}
