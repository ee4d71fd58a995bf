#include "ui/pages/LayoutComponentShape.h"
#include "ui/pages/VHotkeyLayoutPanel.h"

#include "config/layout/TabletLayoutTouch.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <array>
#include <memory>

namespace {

using State = VHotkeyLayoutPanel::ComponentState;

std::shared_ptr<TabletLayoutKey> key(int id, const QRect &rect, bool isVirtual = false)
{
    auto component = std::make_shared<TabletLayoutKey>();
    component->id = id;
    component->rect = rect;
    component->isVirtual = isVirtual;
    component->radius = {4, 4, 4, 4, 4, 4};
    return component;
}

std::shared_ptr<TabletLayoutDial> dial(int id, const QRect &rect, int centre)
{
    auto component = std::make_shared<TabletLayoutDial>();
    component->id = id;
    component->rect = rect;
    component->r = centre;
    return component;
}

std::shared_ptr<TabletLayoutTouch> touch(int event, const QRect &rect)
{
    auto component = std::make_shared<TabletLayoutTouch>();
    component->id = 1;
    component->event = event;
    component->rect = rect;
    return component;
}

State state(std::uint32_t kind, std::uint16_t index, std::uint16_t value = 0, bool physical = true)
{
    State live;
    live.kind = kind;
    live.index = index;
    live.value = value;
    live.physical = physical ? 1 : 0;
    live.pressed = 1;
    return live;
}

void click(QWidget &widget, const QPoint &at)
{
    QTest::mousePress(&widget, Qt::LeftButton, Qt::NoModifier, at);
    QTest::mouseRelease(&widget, Qt::LeftButton, Qt::NoModifier, at);
}

QTimer *blinkTimer(VHotkeyLayoutPanel &panel)
{
    return panel.findChild<QTimer *>();
}

// Runs the event loop until `done` holds or two seconds passed; whether it holds.
template <typename Condition>
bool waitUntil(Condition done)
{
    QElapsedTimer waited;
    waited.start();
    while (!done() && waited.elapsed() < 2000)
        QTest::qWait(5);
    return done();
}

} // namespace

TEST(LayoutComponentShape, AKeyIsSquareExactlyAtTheCornersWhoseRadiusIsZero)
{
    const QRect area(10, 20, 40, 30);
    const QPointF nearCorner[] = {{10.5, 20.5}, {49.5, 20.5}, {49.5, 49.5}, {10.5, 49.5}};
    const struct {
        const char *what;
        std::array<double, 6> radius;
        std::array<bool, 4> square;
    } cases[] = {
        {"all rounded", {3, 3, 3, 3, 8, 8}, {false, false, false, false}},
        {"all square", {0, 0, 0, 0, 8, 8}, {true, true, true, true}},
        {"rounded top only", {8, 8, 0, 0, 8, 8}, {false, false, true, true}},
        {"rounded bottom only", {0, 0, 8, 8, 8, 8}, {true, true, false, false}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TabletLayoutKey shapeOf;
        shapeOf.rect = area;
        shapeOf.radius = entry.radius;
        const QPainterPath shape = LayoutComponentShape::key(shapeOf);
        for (int corner = 0; corner < 4; ++corner)
            EXPECT_EQ(shape.contains(nearCorner[corner]), entry.square[corner]) << "corner " << corner;
        EXPECT_TRUE(shape.contains(QPointF(30, 35)));
        EXPECT_EQ(shape.boundingRect(), QRectF(area));
    }
}

TEST(LayoutComponentShape, ADialIsARingAroundAnOpenCentre)
{
    TabletLayoutDial shapeOf;
    shapeOf.rect = QRect(0, 0, 56, 56);
    shapeOf.r = 16;
    const QPainterPath ring = LayoutComponentShape::dialRing(shapeOf);
    EXPECT_FALSE(ring.contains(QPointF(28, 28)));
    EXPECT_FALSE(ring.contains(QPointF(28 + 15, 28)));
    EXPECT_TRUE(ring.contains(QPointF(28 + 20, 28)));
    EXPECT_FALSE(ring.contains(QPointF(2, 2))) << "outside the ellipse";
}

TEST(VHotkeyLayoutPanel, LightsTheComponentOfTheReportedKindNumberGroupAndSegment)
{
    const auto expressKey = key(2, QRect());
    const auto virtualKey = key(2, QRect(), true);
    const auto theDial = dial(1, QRect(), 8);
    const auto touchDown = touch(2, QRect());
    const struct {
        const char *what;
        const TabletLayoutComponent *component;
        State live;
        bool lit;
    } cases[] = {
        {"express key 2", expressKey.get(), state(State::Key, 2), true},
        {"express key 2 is not virtual key 2", virtualKey.get(), state(State::Key, 2), false},
        {"virtual key 2", virtualKey.get(), state(State::Key, 2, 0, false), true},
        {"another key", expressKey.get(), state(State::Key, 3), false},
        {"a dial of the same number", expressKey.get(), state(State::Dial, 2), false},
        {"the dial turning", theDial.get(), state(State::Dial, 1, 2), true},
        {"another dial", theDial.get(), state(State::Dial, 2, 1), false},
        {"its touch segment", touchDown.get(), state(State::Touch, 1, 2), true},
        {"another segment", touchDown.get(), state(State::Touch, 1, 3), false},
        {"nothing", theDial.get(), State(), false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        EXPECT_EQ(VHotkeyLayoutPanel::isLit(*entry.component, entry.live), entry.lit);
    }
}

TEST(VHotkeyLayoutPanel, ADialTouchOrVirtualKeyGoesOutAfterItsLastPacketAnExpressKeyOnRelease)
{
    const auto theDial = dial(1, QRect(0, 0, 50, 50), 10);
    const auto expressKey = key(4, QRect(60, 0, 30, 20));
    const auto virtualKey = key(1, QRect(100, 0, 30, 20), true);
    const auto segment = touch(3, QRect(140, 0, 20, 20));
    const struct {
        const char *what;
        const TabletLayoutComponent *component;
        State live;
        bool blinks;
    } cases[] = {
        {"dial", theDial.get(), state(State::Dial, 1, 1), true},
        {"touch", segment.get(), state(State::Touch, 1, 3), true},
        {"virtual key", virtualKey.get(), state(State::Key, 1, 0, false), true},
        {"express key", expressKey.get(), state(State::Key, 4), false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        VHotkeyLayoutPanel panel;
        QTimer *timer = blinkTimer(panel);
        ASSERT_TRUE(timer);
        panel.setComponentState(entry.live);
        EXPECT_TRUE(panel.isLit(*entry.component));
        EXPECT_EQ(timer->isActive(), entry.blinks);
        if (entry.blinks) {
            EXPECT_EQ(timer->interval(), VHotkeyLayoutPanel::kBlinkMilliseconds);
            QTest::qWait(30);
            panel.setComponentState(entry.live);
            EXPECT_GT(timer->remainingTime(), 60) << "a new packet starts the time again";
            EXPECT_TRUE(waitUntil([&] { return !panel.isLit(*entry.component); }));
            EXPECT_FALSE(timer->isActive());
            continue;
        }
        QTest::qWait(VHotkeyLayoutPanel::kBlinkMilliseconds + 40);
        EXPECT_TRUE(panel.isLit(*entry.component)) << "held";
        panel.setComponentState(State());
        EXPECT_FALSE(panel.isLit(*entry.component));
    }
}

TEST(VHotkeyLayoutPanel, AHeldKeyAfterADialTurnStaysLitUntilItsRelease)
{
    VHotkeyLayoutPanel panel;
    const auto expressKey = key(4, QRect());
    panel.setComponentState(state(State::Dial, 1, 1));
    panel.setComponentState(state(State::Key, 4));
    QTest::qWait(VHotkeyLayoutPanel::kBlinkMilliseconds + 40);
    EXPECT_TRUE(panel.isLit(*expressKey));
}

TEST(VHotkeyLayoutPanel, ALayoutSelectsItsFirstComponentAndClicksSelectTheLastOneHit)
{
    VHotkeyLayoutPanel panel;
    panel.resize(620, 350);
    QSignalSpy selected(&panel, &VHotkeyLayoutPanel::componentSelected);

    panel.setLayout(TabletLayout());
    EXPECT_EQ(selected.count(), 0);
    EXPECT_EQ(panel.selectedComponent(), nullptr);

    TabletLayout layout;
    const auto first = key(1, QRect(10, 10, 40, 20));
    const auto under = key(2, QRect(100, 10, 40, 40));
    const auto over = dial(1, QRect(120, 30, 40, 40), 5);
    layout.tablet.components = {first, under, over};
    panel.setLayout(layout);
    EXPECT_EQ(selected.count(), 1);
    EXPECT_EQ(panel.selectedComponent(), first);

    const struct {
        const char *what;
        QPoint at;
        TabletLayoutComponentPtr expected;
        int emitted;
    } clicks[] = {
        {"the second key", QPoint(105, 15), under, 1},
        {"where the dial lies over the key", QPoint(125, 35), over, 2},
        {"outside every component", QPoint(300, 300), over, 0},
        {"the first key's far edge", QPoint(49, 29), first, 1},
        {"just beyond it", QPoint(50, 29), first, 0},
    };
    for (const auto &entry : clicks) {
        SCOPED_TRACE(entry.what);
        selected.clear();
        click(panel, entry.at);
        EXPECT_EQ(panel.selectedComponent(), entry.expected);
        EXPECT_EQ(selected.count(), entry.emitted);
    }
}
