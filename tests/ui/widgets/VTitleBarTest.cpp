#include "ui/widgets/VTitleBar.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

QPushButton *button(VTitleBar &bar, const char *name)
{
    return bar.findChild<QPushButton *>(QLatin1String(name));
}

QLabel *titleLabel(VTitleBar &bar)
{
    return bar.findChild<QLabel *>(QStringLiteral("text"));
}

void sendMouse(QWidget *widget, QEvent::Type type, const QPoint &global, Qt::MouseButtons buttons)
{
    const QPoint local = widget->mapFromGlobal(global);
    QMouseEvent event(type, local, local, global, Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

} // namespace

TEST(VTitleBarLayout, ButtonsRunLeftwardsFromTheRightEdgeAndTheTitleEndsBeforeThem)
{
    const struct {
        int flags;
        int width;
        int height;
        int resizedWidth; // 0: the bar keeps its first width
        std::vector<std::pair<const char *, int>> placed;
        std::vector<const char *> hidden;
        int titleWidth;
        int y;
    } cases[] = {
        {5, 400, 32, 0, {{"close", 364}, {"min", 328}}, {"max", "set", "thumbtack"}, 314, 4},
        {1, 400, 32, 0, {{"close", 364}}, {"max", "min", "set", "thumbtack"}, 350, 4},
        {17, 400, 32, 0, {{"close", 364}, {"thumbtack", 328}}, {"max", "min", "set"}, 314, 4},
        {17, 400, 24, 0, {{"close", 364}, {"thumbtack", 328}}, {"max", "min", "set"}, 314, 0},
        {5, 400, 32, 600, {{"close", 564}, {"min", 528}}, {"max", "set", "thumbtack"}, 514, 4},
        {1, 300, 24, 500, {{"close", 464}}, {"max", "min", "set", "thumbtack"}, 450, 0},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(testing::Message() << "flags " << entry.flags << ", " << entry.width << " x "
                                        << entry.height << ", resized to " << entry.resizedWidth);
        QWidget window;
        window.resize(entry.width, 200);
        auto *bar = new VTitleBar(&window);
        bar->resize(entry.width, entry.height);
        bar->setButtons(entry.flags);
        window.show();
        if (entry.resizedWidth)
            bar->resize(entry.resizedWidth, entry.height);

        for (const auto &placement : entry.placed) {
            QPushButton *placed = button(*bar, placement.first);
            EXPECT_TRUE(placed->isVisible()) << placement.first;
            EXPECT_EQ(placed->geometry(), QRect(placement.second, entry.y, 24, 24)) << placement.first;
        }
        for (const char *name : entry.hidden)
            EXPECT_FALSE(button(*bar, name)->isVisible()) << name;
        EXPECT_EQ(titleLabel(*bar)->geometry(), QRect(12, 0, entry.titleWidth, entry.height));
    }
}

TEST(VTitleBarThumbtack, PressedTwiceRestoresTheWindowFlagsAndLeavesTheWindowShown)
{
    QWidget window;
    window.resize(400, 200);
    auto *bar = new VTitleBar(&window);
    bar->setButtons(VTitleBar::Close | VTitleBar::Thumbtack);
    window.show();
    const Qt::WindowFlags before = window.windowFlags();

    button(*bar, "thumbtack")->click();
    EXPECT_TRUE(bar->isStayOnTop());
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.isVisible());

    button(*bar, "thumbtack")->click();
    EXPECT_FALSE(bar->isStayOnTop());
    EXPECT_EQ(window.windowFlags(), before);
    EXPECT_TRUE(window.isVisible());
}

TEST(VTitleBarDragging, DraggingABarInsideAChildWidgetMovesTheWindow)
{
    QWidget window;
    window.resize(400, 300);
    window.move(100, 100);
    auto *owner = new QWidget(&window);
    owner->setGeometry(20, 40, 300, 200);
    auto *bar = new VTitleBar(owner);
    window.show();
    const QPoint windowStart = window.pos();

    const QPoint grip = bar->mapToGlobal(QPoint(50, 10));
    sendMouse(bar, QEvent::MouseButtonPress, grip, Qt::LeftButton);
    sendMouse(bar, QEvent::MouseMove, grip + QPoint(30, 20), Qt::LeftButton);
    sendMouse(bar, QEvent::MouseMove, grip + QPoint(45, 25), Qt::LeftButton);
    sendMouse(bar, QEvent::MouseButtonRelease, grip + QPoint(45, 25), Qt::NoButton);
    sendMouse(bar, QEvent::MouseMove, grip + QPoint(90, 90), Qt::NoButton);

    EXPECT_EQ(window.pos(), windowStart + QPoint(45, 25));
    EXPECT_EQ(owner->pos(), QPoint(20, 40)) << "the child stays where it is in its window";
}
