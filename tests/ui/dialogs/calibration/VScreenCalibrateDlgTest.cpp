#include "ui/dialogs/calibration/VScreenCalibrateDlg.h"

#include "config/packets/PacketMetaTypes.h"
#include "config/packets/TabletPenPacketWrapper.h"
#include "engine/core/AppLogic.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace {

const QRect kDisplay(0, 0, 1000, 500);
// Marks at (100, 50), (100, 450), (900, 50), (900, 450) and (500, 250); touches that give the
// factors (1.2, 0.9, 1.1, 0.96) at rotation 0.
const std::vector<QPoint> kMarks = {QPoint(100, 50), QPoint(100, 450), QPoint(900, 50), QPoint(900, 450),
                                    QPoint(500, 250)};
const std::vector<QPoint> kOffTouches = {QPoint(20, 70), QPoint(20, 430), QPoint(980, 70), QPoint(980, 430),
                                         QPoint(550, 240)};

QVariant penData(int pressure, bool valid = true)
{
    TabletPenPacketWrapper wrapper;
    wrapper.processed.pressure = std::uint16_t(pressure);
    wrapper.valid = valid ? 1 : 0;
    return QVariant::fromValue(wrapper);
}

// An overlay on a display of 1000 x 500 whose clock and pointer the test moves.
class VScreenCalibrateDlgTest : public testing::Test
{
protected:
    VScreenCalibrateDlgTest() : finished(&dialog, &VScreenCalibrateDlg::calibrateFinish)
    {
        dialog.setClock([this] { return now; });
        dialog.setPointerPosition([this] { return dialog.mapToGlobal(pointer); });
    }

    void show(int rotation) { dialog.showOnScreen({kDisplay, 4095, 4095, rotation}); }

    // The pen comes near at `point`, then its tip goes down there, a second after the last tap.
    void tapAt(const QPoint &point, int pressure = 2000)
    {
        now += 1000;
        pointer = point;
        dialog.slotPenDataChanged(penData(0));
        dialog.slotPenDataChanged(penData(pressure));
    }

    void tapAll(const std::vector<QPoint> &points)
    {
        for (const QPoint &point : points)
            tapAt(point);
    }

    std::vector<double> lastResult() const
    {
        std::vector<double> result;
        for (const QVariant &value : finished.last())
            result.push_back(value.toDouble());
        return result;
    }

    VScreenCalibrateDlg dialog;
    QSignalSpy finished;
    std::uint64_t now = 100000;
    QPoint pointer;
};

} // namespace

TEST_F(VScreenCalibrateDlgTest, FiveTapsReportTheFactorsOfTheRotationAndHideTheOverlay)
{
    const struct {
        int rotation;
        const std::vector<QPoint> &touches;
        std::vector<double> expected;
    } rows[] = {
        {0, kMarks, {1.0, 1.0, 1.0, 1.0}},
        {2, kMarks, {1.0, 1.0, 1.0, 1.0}},
        {0, kOffTouches, {1.2, 0.9, 1.1, 0.96}},
        {1, kOffTouches, {0.9, 0.8, 0.96, 0.9}},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.rotation);
        show(row.rotation);
        EXPECT_EQ(dialog.geometry(), kDisplay);
        tapAll(std::vector<QPoint>(row.touches.begin(), row.touches.end() - 1));
        EXPECT_EQ(finished.count(), 0);
        tapAt(row.touches.back());
        ASSERT_EQ(finished.count(), 1);
        const std::vector<double> result = lastResult();
        for (std::size_t i = 0; i < 4; ++i)
            EXPECT_DOUBLE_EQ(result[i], row.expected[i]) << i;
        EXPECT_FALSE(dialog.isVisible());
        finished.clear();
    }
}

TEST_F(VScreenCalibrateDlgTest, CancelReportsNeutralFactorsAndTheNextCalibrationStartsAtTheFirstMark)
{
    show(0);
    tapAll({kOffTouches[0], kOffTouches[1]});
    dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->click();
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(lastResult(), (std::vector<double>{1.0, 1.0, 1.0, 1.0}));
    EXPECT_FALSE(dialog.isVisible());

    show(0);
    tapAll(kOffTouches);
    ASSERT_EQ(finished.count(), 2);
    EXPECT_DOUBLE_EQ(lastResult()[0], 1.2);
}

TEST_F(VScreenCalibrateDlgTest, ALastTapOnCancelReportsNoFactors)
{
    show(0);
    tapAll({kMarks[0], kMarks[1], kMarks[2], kMarks[3]});
    tapAt(dialog.findChild<QPushButton *>(QStringLiteral("btnCancel"))->geometry().center());
    EXPECT_EQ(finished.count(), 0);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(VScreenCalibrateDlgTest, OnlyValidPacketsPressingHarderThan1500TakePoints)
{
    show(0);
    tapAt(QPoint(1, 1), 1500);
    dialog.slotPenDataChanged(penData(0, false));
    dialog.slotPenDataChanged(penData(3000, false));
    tapAll(kMarks);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(lastResult(), (std::vector<double>{1.0, 1.0, 1.0, 1.0}));
}

// Hovering over a hidden overlay leaves no hover state behind, so the tip already down when it
// shows takes no point.
TEST_F(VScreenCalibrateDlgTest, AHiddenOverlayIgnoresThePen)
{
    now += 1000;
    pointer = QPoint(1, 1);
    dialog.slotPenDataChanged(penData(0));
    show(0);
    dialog.slotPenDataChanged(penData(2000));
    tapAll(kMarks);
    ASSERT_EQ(finished.count(), 1);
    EXPECT_EQ(lastResult(), (std::vector<double>{1.0, 1.0, 1.0, 1.0}));
}

TEST(VScreenCalibrateDlg, FollowsThePenDataOfTheEngineInTheEventLoop)
{
    registerPacketMetaTypes();
    AppLogic engine{EnginePlatform()};
    VScreenCalibrateDlg::setPenDataSource(&engine);
    VScreenCalibrateDlg dialog;
    VScreenCalibrateDlg::setPenDataSource(nullptr);
    QSignalSpy finished(&dialog, &VScreenCalibrateDlg::calibrateFinish);
    std::uint64_t now = 100000;
    QPoint pointer;
    dialog.setClock([&now] { return now; });
    dialog.setPointerPosition([&] { return dialog.mapToGlobal(pointer); });
    dialog.showOnScreen({kDisplay, -1, -1, 0});
    for (const QPoint &mark : kMarks) {
        now += 1000;
        pointer = mark;
        emit engine.penDataChanged(penData(0));
        emit engine.penDataChanged(penData(2000));
        EXPECT_EQ(finished.count(), 0);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(finished.count(), 1);
}
