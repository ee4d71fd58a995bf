#include "ui/dialogs/display/ScreenIdentification.h"

#include "ui/dialogs/display/VScreenDetectDlg.h"

#include <QPointer>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<MonitorInfo> threeMonitors()
{
    std::vector<MonitorInfo> monitors(3);
    monitors[0].systemMonitorRect = QRect(0, 0, 1920, 1080);
    monitors[1].systemMonitorRect = QRect(1920, 0, 1280, 1024);
    monitors[2].systemMonitorRect = QRect(-1025, 100, 1025, 768);
    return monitors;
}

std::vector<QPointer<VScreenDetectDlg>> guarded(const std::vector<VScreenDetectDlg *> &windows)
{
    return std::vector<QPointer<VScreenDetectDlg>>(windows.begin(), windows.end());
}

} // namespace

TEST(ScreenIdentification, EachMonitorShowsItsNumber128PixelsAboveItsBottomForTwoSeconds)
{
    ScreenIdentification identification;
    identification.identify(threeMonitors());
    const std::vector<VScreenDetectDlg *> windows = identification.windows();
    ASSERT_EQ(windows.size(), 3u);
    const struct {
        const char *number;
        QPoint position;
    } expected[] = {{"1", QPoint(800, 712)}, {"2", QPoint(2400, 656)}, {"3", QPoint(-672, 500)}};
    for (std::size_t i = 0; i < windows.size(); ++i) {
        SCOPED_TRACE(i);
        VScreenDetectDlg *window = windows[i];
        EXPECT_EQ(window->numberText(), QLatin1String(expected[i].number));
        EXPECT_EQ(window->pos(), expected[i].position);
        EXPECT_EQ(window->size(), QSize(320, 240));
        EXPECT_TRUE(window->isVisible());
        auto *timer = window->findChild<QTimer *>();
        ASSERT_NE(timer, nullptr);
        EXPECT_TRUE(timer->isActive());
        EXPECT_EQ(timer->interval(), VScreenDetectDlg::kShowMilliseconds);
        QMetaObject::invokeMethod(timer, "timeout");
        EXPECT_FALSE(window->isVisible());
    }
}

TEST(ScreenIdentification, AgainWhileTheNumbersShowMakesNoNewWindowsAfterwardsNewOnes)
{
    ScreenIdentification identification;
    identification.identify(threeMonitors());
    const std::vector<QPointer<VScreenDetectDlg>> first = guarded(identification.windows());
    identification.identify(threeMonitors());
    EXPECT_EQ(guarded(identification.windows()), first);

    for (VScreenDetectDlg *window : identification.windows())
        window->close();
    identification.identify(threeMonitors());
    EXPECT_EQ(identification.windows().size(), 3u);
    for (const QPointer<VScreenDetectDlg> &window : first)
        EXPECT_TRUE(window.isNull());
}

TEST(ScreenIdentification, TheNumberWindowsGoWithTheirOwner)
{
    std::vector<QPointer<VScreenDetectDlg>> windows;
    {
        ScreenIdentification identification;
        identification.identify(threeMonitors());
        windows = guarded(identification.windows());
    }
    ASSERT_EQ(windows.size(), 3u);
    for (const QPointer<VScreenDetectDlg> &window : windows)
        EXPECT_TRUE(window.isNull());
}
