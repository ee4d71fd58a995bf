#include "ui/widgets/VMappingConnector.h"

#include "config/layout/ModelTables.h"
#include "ui/GeometryPrinters.h"
#include "ui/ScriptedDisplays.h"
#include "ui/widgets/VDisplayMappingPanel.h"
#include "ui/widgets/VDisplayPanel.h"
#include "ui/widgets/VTabletPanel.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <optional>

namespace {

const std::vector<ScriptedMonitor> kTwoScreens = {{QRect(0, 0, 1920, 1080), "GSM5B7F"},
                                                  {QRect(1920, 0, 1920, 1080), "ZLV1601"}};
const std::vector<ScriptedMonitor> kOneScreen = {{QRect(0, 0, 1920, 1080), "GSM5B7F"}};

// Where the QZ-Pen 6 work area is drawn in the container at rotation 0.
const QRect kTabletArea(164, 312, 142, 94);

class DisplayMapping : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        modelTables().clear();
        loadModelTables();
    }
    static void TearDownTestSuite() { modelTables().clear(); }
};

// The container over scripted displays with the QZ-Pen 6 picture.
struct Rig
{
    explicit Rig(const std::vector<ScriptedMonitor> &monitors) : displays(scriptedMonitors(monitors))
    {
        panel.setDisplays(&displays);
        const TabletLayoutPtr layout = layoutForModel(QStringLiteral("QZ-Pen 6"));
        if (layout)
            panel.tabletPanel()->setLayout(layout->tablet);
        connector()->setRotation(0);
    }

    VMappingConnector *connector() const { return panel.connector(); }

    ScriptedDisplays displays;
    VDisplayMappingPanel panel;
};

void send(QWidget *widget, QEvent::Type type, const QPoint &at, Qt::MouseButtons buttons)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void hover(QWidget *widget, const QPoint &at)
{
    send(widget, QEvent::MouseMove, at, Qt::NoButton);
}

// Press, two moves with the button down, release.
void drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    send(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    send(widget, QEvent::MouseMove, to, Qt::LeftButton);
    send(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

std::optional<QRect> lastScreenSignal(const QSignalSpy &spy, int expectedIndex)
{
    if (spy.isEmpty())
        return std::nullopt;
    EXPECT_EQ(spy.last().at(0).toInt(), expectedIndex);
    return spy.last().at(1).toRect();
}

std::optional<QRect> lastTabletSignal(const QSignalSpy &spy)
{
    return spy.isEmpty() ? std::nullopt : std::optional<QRect>(spy.last().at(0).toRect());
}

} // namespace

TEST_F(DisplayMapping, ScreensAreChosenByIndexAndEveryIndexBeyondTheDisplaysIsAllScreens)
{
    Rig rig(kTwoScreens);
    VMappingConnector *connector = rig.connector();
    ASSERT_EQ(connector->tabletArea(), kTabletArea);
    EXPECT_EQ(connector->screenArea(), QRect(20, 66, 210, 118)) << "the first thumbnail at first";
    const struct
    {
        int chosen;
        int index;
        QRect screen;
        QRect area;
    } rows[] = {
        {1, 1, QRect(1920, 0, 1920, 1080), QRect(230, 66, 210, 118)},
        {2, 99, QRect(0, 0, 3840, 1080), QRect(20, 66, 420, 118)},
        {0, 0, QRect(0, 0, 1920, 1080), QRect(20, 66, 210, 118)},
        {7, 99, QRect(0, 0, 3840, 1080), QRect(20, 66, 420, 118)},
        {-1, 0, QRect(0, 0, 1920, 1080), QRect(20, 66, 420, 118)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.chosen);
        connector->selectScreen(row.chosen);
        EXPECT_EQ(connector->screenIndex(), row.index);
        EXPECT_EQ(connector->screenRect(), row.screen);
        EXPECT_EQ(connector->screenArea(), row.area);
    }
    DisplayMappingInfo info;
    ASSERT_TRUE(connector->displayInfo(1, info));
    EXPECT_EQ(info.monitor.identifier, "ZLV1601");
    EXPECT_EQ(info.containerThumbnailRect, QRect(230, 66, 210, 118));
    EXPECT_EQ(info.containerDesktopRect, QRect(20, 66, 420, 118));
    EXPECT_FALSE(connector->displayInfo(VMappingConnector::kAllScreens, info));
}

TEST_F(DisplayMapping, AreasGivenInPixelsOrPercentAreDrawnOverTheirBoundsWithoutASignal)
{
    Rig rig(kTwoScreens);
    VMappingConnector *connector = rig.connector();
    QSignalSpy screenSignals(connector, &VMappingConnector::screenSelectChanged);
    QSignalSpy tabletSignals(connector, &VMappingConnector::tabletSelectChanged);

    connector->selectScreen(1);
    connector->setScreenRect(QRect(960, 540, 960, 540));
    EXPECT_EQ(connector->screenArea(), QRect(335, 125, 105, 59));
    connector->setScreenRect(QRect(0, 0, 5, 5));
    EXPECT_EQ(connector->screenArea(), QRect(230, 66, 1, 1)) << "never drawn narrower than a pixel";
    connector->selectScreen(2);
    connector->setScreenRect(QRect(1920, 0, 1920, 1080));
    EXPECT_EQ(connector->screenArea(), QRect(230, 66, 210, 118)) << "all screens: desktop pixels";

    connector->setTabletRect(QRect(25, 25, 50, 50));
    EXPECT_EQ(connector->tabletSelection(), QRect(199, 335, 71, 47));
    connector->setTabletRect(QRect(10, 10, 0, 50));
    EXPECT_EQ(connector->tabletSelection(), QRect(199, 335, 71, 47)) << "an empty area is refused";
    EXPECT_EQ(screenSignals.count(), 0);
    EXPECT_EQ(tabletSignals.count(), 0);
}

TEST_F(DisplayMapping, ADrawnAreaIsCutToItsBoundAndReportedInPixelsOrPercent)
{
    const struct
    {
        const char *what;
        int screen;
        QPoint from;
        QPoint to;
        std::optional<QRect> screenSignal;
        std::optional<QRect> tabletSignal;
        QRect screenArea;
    } rows[] = {
        {"inside the second screen", 1, {260, 80}, {330, 130}, QRect(274, 128, 649, 467), {}, QRect(260, 80, 71, 51)},
        {"partly beyond its thumbnail", 1, {400, 150}, {470, 200}, QRect(1554, 769, 366, 311), {},
         QRect(400, 150, 40, 34)},
        {"wholly on the other screen", 1, {40, 80}, {100, 120}, {}, {}, QRect(230, 66, 210, 118)},
        {"across all screens", 2, {120, 100}, {339, 150}, QRect(914, 311, 2011, 467), {}, QRect(120, 100, 220, 51)},
        {"on the tablet", 0, {180, 330}, {250, 380}, {}, QRect(11, 19, 50, 54), QRect(20, 66, 210, 118)},
        {"a click that does not move", 1, {300, 100}, {300, 100}, {}, {}, QRect(230, 66, 210, 118)},
        {"far from both", 1, {450, 300}, {455, 350}, {}, {}, QRect(230, 66, 210, 118)},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.what);
        Rig rig(kTwoScreens);
        VMappingConnector *connector = rig.connector();
        connector->selectScreen(row.screen);
        QSignalSpy screenSignals(connector, &VMappingConnector::screenSelectChanged);
        QSignalSpy tabletSignals(connector, &VMappingConnector::tabletSelectChanged);
        drag(connector, row.from, row.to);
        EXPECT_EQ(lastScreenSignal(screenSignals, connector->screenIndex()), row.screenSignal);
        EXPECT_EQ(lastTabletSignal(tabletSignals), row.tabletSignal);
        EXPECT_EQ(connector->screenArea(), row.screenArea);
    }
}

TEST_F(DisplayMapping, EveryReleaseEndsThePressSoALaterMoveDrawsNothing)
{
    Rig rig(kTwoScreens);
    VMappingConnector *connector = rig.connector();
    connector->selectScreen(1);
    QSignalSpy screenSignals(connector, &VMappingConnector::screenSelectChanged);

    send(connector, QEvent::MouseButtonPress, {300, 100}, Qt::LeftButton);
    send(connector, QEvent::MouseButtonRelease, {300, 100}, Qt::NoButton);
    hover(connector, {350, 150});
    send(connector, QEvent::MouseButtonRelease, {350, 150}, Qt::NoButton);
    EXPECT_EQ(screenSignals.count(), 0);
    EXPECT_EQ(connector->screenArea(), QRect(230, 66, 210, 118));

    drag(connector, {260, 80}, {330, 130});
    EXPECT_EQ(lastScreenSignal(screenSignals, 1), QRect(274, 128, 649, 467)) << "the next drag still works";
}

TEST_F(DisplayMapping, AHandleResizesItsAreaUpToSixteenPixelsBeforeTheOppositeSide)
{
    Rig rig(kTwoScreens);
    VMappingConnector *connector = rig.connector();
    connector->setScreenRect(QRect(0, 0, 1920, 1080));
    ASSERT_EQ(connector->screenArea(), QRect(20, 66, 210, 118));
    QSignalSpy screenSignals(connector, &VMappingConnector::screenSelectChanged);

    hover(connector, {229, 124});
    EXPECT_EQ(connector->cursor().shape(), Qt::SizeHorCursor) << "over the right edge's handle";
    drag(connector, {229, 124}, {20, 124});
    EXPECT_EQ(connector->screenArea(), QRect(20, 66, 17, 118));
    EXPECT_EQ(lastScreenSignal(screenSignals, 0), QRect(0, 0, 155, 1080));

    hover(connector, {120, 300});
    EXPECT_EQ(connector->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(DisplayMapping, WhileNotEditableNothingIsDrawnOrResized)
{
    Rig rig(kTwoScreens);
    VMappingConnector *connector = rig.connector();
    connector->setEditable(false);
    QSignalSpy screenSignals(connector, &VMappingConnector::screenSelectChanged);
    QSignalSpy tabletSignals(connector, &VMappingConnector::tabletSelectChanged);
    hover(connector, {229, 124});
    EXPECT_EQ(connector->cursor().shape(), Qt::ArrowCursor);
    drag(connector, {229, 124}, {60, 124});
    drag(connector, {180, 330}, {250, 380});
    EXPECT_EQ(screenSignals.count() + tabletSignals.count(), 0);
    EXPECT_EQ(connector->screenArea(), QRect(20, 66, 210, 118));
}

TEST_F(DisplayMapping, ARotationTurnsThePictureAndReportsTheWholeTablet)
{
    Rig rig(kOneScreen);
    VMappingConnector *connector = rig.connector();
    connector->setTabletRect(QRect(25, 25, 50, 50));
    QSignalSpy tabletSignals(connector, &VMappingConnector::tabletSelectChanged);
    connector->setRotation(1);
    EXPECT_EQ(rig.panel.tabletPanel()->rotation(), 1);
    ASSERT_EQ(tabletSignals.count(), 1);
    EXPECT_EQ(tabletSignals.at(0).at(0).toRect(), QRect(QPoint(0, 0), QPoint(99, 99)));
    EXPECT_EQ(connector->tabletSelection(), connector->tabletArea());
    EXPECT_EQ(connector->tabletArea().size(), kTabletArea.size().transposed());
}

TEST_F(DisplayMapping, ADisplayChangeGivesOneSignalOnceTheDisplaysHaveSettled)
{
    Rig rig(kTwoScreens);
    VDisplayPanel *display = rig.panel.displayPanel();
    VMappingConnector *connector = rig.connector();
    connector->selectScreen(1);
    QSignalSpy changes(display, &VDisplayPanel::displayChanged);

    rig.displays.monitors = {};
    display->refresh(true);
    EXPECT_EQ(changes.count(), 0) << "no monitors listed: nothing changes";
    EXPECT_EQ(display->displayInfos().size(), 2u);

    rig.displays.monitors = scriptedMonitors(kOneScreen);
    display->slotDisplayChanged();
    display->slotDisplayChanged();
    emit rig.displays.displayChanged();
    QApplication::processEvents();
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(display->displayInfos().size(), 1u);
    DisplayMappingInfo info;
    EXPECT_FALSE(connector->displayInfo(1, info)) << "the connector follows the display panel";
    EXPECT_EQ(connector->screenArea(), QRect(43, 20, 373, 210));

    rig.displays.slotVirtualGeometryChanged(QRect());
    emit rig.displays.displayChanged();
    QApplication::processEvents();
    EXPECT_EQ(changes.count(), 1) << "still settling";
    rig.displays.slotTimeout();
    QApplication::processEvents();
    EXPECT_EQ(changes.count(), 2) << "settled";
}
