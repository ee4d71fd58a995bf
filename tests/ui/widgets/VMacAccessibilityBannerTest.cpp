#include "ui/widgets/VMacAccessibilityBanner.h"

#include "config/language/TabletLanguage.h"

#include "support/QtPrinters.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

const QString EnglishText = QStringLiteral(
    "The driver may not function properly, and you need to correctly configure the driver "
    "permissions.");

QString pictureSheetOf(const VMacAccessibilityBanner &banner)
{
    return banner.findChild<QFrame *>(QStringLiteral("imgFrame"))->styleSheet();
}

void click(VMacAccessibilityBanner &banner, const char *button)
{
    banner.findChild<QPushButton *>(QString::fromLatin1(button))->click();
}

QString bannerText(const VMacAccessibilityBanner &banner)
{
    return banner.findChild<QLabel *>(QStringLiteral("labText"))->text();
}

class InterfaceLanguage : public testing::Test
{
protected:
    void TearDown() override { TabletLanguage::instance().setLanguage(0); }
};

} // namespace

TEST(VMacAccessibilityBanner, OnlySimplifiedChineseHasPicturesOfItsOwn)
{
    EXPECT_EQ(VMacAccessibilityBanner::accessibilityPictureSheet(0),
              QStringLiteral(
                  "#imgFrame {image:url(:/res/image/comm/macOS/privacy_accessibility_en.png);}"));
    EXPECT_EQ(VMacAccessibilityBanner::accessibilityPictureSheet(1),
              QStringLiteral(
                  "#imgFrame {image:url(:/res/image/comm/macOS/privacy_accessibility_cn.png);}"));
    EXPECT_EQ(VMacAccessibilityBanner::screenRecordingPictureSheet(0),
              QStringLiteral("#imgFrame {image:url(:/res/image/comm/macOS/privacy_screen_en.png);}"));
    EXPECT_EQ(VMacAccessibilityBanner::screenRecordingPictureSheet(1),
              QStringLiteral("#imgFrame {image:url(:/res/image/comm/macOS/privacy_screen_cn.png);}"));
    for (int languageId : {2, 3, 4, 6, 10}) {
        SCOPED_TRACE(languageId);
        EXPECT_EQ(VMacAccessibilityBanner::accessibilityPictureSheet(languageId),
                  VMacAccessibilityBanner::accessibilityPictureSheet(0));
        EXPECT_EQ(VMacAccessibilityBanner::screenRecordingPictureSheet(languageId),
                  VMacAccessibilityBanner::screenRecordingPictureSheet(0));
    }
}

TEST_F(InterfaceLanguage, TheButtonsAndTheLanguageChooseThePicture)
{
    VMacAccessibilityBanner banner;
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::accessibilityPictureSheet(0));
    click(banner, "btnScreenRecording");
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::screenRecordingPictureSheet(0));
    click(banner, "btnAccessibility");
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::accessibilityPictureSheet(0));

    ASSERT_TRUE(TabletLanguage::instance().setLanguage(1));
    banner.retranslate();
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::accessibilityPictureSheet(1));
    EXPECT_NE(bannerText(banner), EnglishText);
    click(banner, "btnScreenRecording");
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::screenRecordingPictureSheet(1));

    ASSERT_TRUE(TabletLanguage::instance().setLanguage(0));
    banner.retranslate();
    EXPECT_EQ(pictureSheetOf(banner), VMacAccessibilityBanner::accessibilityPictureSheet(0));
    EXPECT_EQ(bannerText(banner), EnglishText);
}

TEST(VMacAccessibilityBanner, HidingTheBannerStopsItsTimer)
{
    VMacAccessibilityBanner banner;
    const QTimer *timer = banner.findChild<QTimer *>();
    ASSERT_NE(timer, nullptr);
    banner.setBannerVisible(true);
    EXPECT_TRUE(banner.isVisible());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    banner.setBannerVisible(false);
    EXPECT_FALSE(banner.isVisible());
    EXPECT_FALSE(timer->isActive());
}
