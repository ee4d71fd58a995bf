#include "engine/output/PointerDriver.h"

#include "engine/support/RecordingReportSink.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class FakeSystemState : public IPointerSystemState
{
public:
    bool mouseButtonsSwapped() const override { return swapped; }
    std::optional<std::vector<SessionState>> sessions() const override { return sessionList; }
    std::optional<std::uint32_t> ownSessionId() const override { return ownSession; }

    bool swapped = false;
    std::optional<std::vector<SessionState>> sessionList = std::vector<SessionState>{{1, true}};
    std::optional<std::uint32_t> ownSession = 1u;
};

class UnknownPointerEvent : public PointerEvent
{
public:
    UnknownPointerEvent() : PointerEvent(3, 0, 0) {}
};

std::shared_ptr<PointerEvent> pen(std::uint32_t x, std::uint32_t y, std::uint16_t pressure,
                                  std::uint8_t status)
{
    return std::make_shared<DigitizerPointerEvent>(x, y, pressure, 0, 0, status, 0, 0);
}

std::shared_ptr<PointerEvent> mouse(std::uint32_t kind, std::uint32_t x, std::uint32_t y,
                                    std::uint32_t button, bool pressed)
{
    return std::make_shared<MousePointerEvent>(kind, x, y, button, pressed);
}

class PointerDriverTest : public ::testing::Test
{
protected:
    PointerDriverTest()
        : sink(std::make_shared<RecordingReportSink>()),
          system(std::make_shared<FakeSystemState>()), driver(sink, system)
    {
    }

    std::shared_ptr<RecordingReportSink> sink;
    std::shared_ptr<FakeSystemState> system;
    PointerDriver driver;
};

} // namespace

TEST_F(PointerDriverTest, OpenOpensTheSinkOnceAndReportsItsResult)
{
    EXPECT_TRUE(driver.open());
    EXPECT_TRUE(driver.open());
    EXPECT_TRUE(driver.isOpen());
    EXPECT_EQ(sink->openCalls, 1);
}

TEST_F(PointerDriverTest, WithoutTheDeviceEverySendFailsWithoutWriting)
{
    sink->opens = false;

    EXPECT_FALSE(driver.open());
    EXPECT_FALSE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));
    EXPECT_FALSE(driver.sendPointerEvent(mouse(PointerEvent::AbsoluteMouse, 1, 2, 1, true)));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(PointerDriverTest, EachEventKindIsWrittenAsItsReport)
{
    ASSERT_TRUE(driver.open());
    struct Row
    {
        const char *what;
        std::shared_ptr<PointerEvent> event;
        Bytes expected;
    };
    const std::vector<Row> rows = {
        {"pen", pen(0x100, 0x200, 9000, 0xA1),
         zeroPaddedReport({9, 10, 2, 0x21, 0x00, 0x01, 0x00, 0x02, 0x28, 0x03})},
        {"absolute mouse", mouse(PointerEvent::AbsoluteMouse, 0x100, 0x200, 1, true),
         zeroPaddedReport({9, 7, 1, 1, 0x00, 0x01, 0x00, 0x02, 0})},
        {"relative mouse", mouse(PointerEvent::RelativeMouse, static_cast<std::uint32_t>(-3), 4, 3,
                                 true),
         zeroPaddedReport({9, 5, 3, 2, 0xFD, 0x04, 0})},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        sink->reports.clear();
        EXPECT_TRUE(driver.sendPointerEvent(row.event));
        ASSERT_EQ(sink->reports.size(), 1u);
        EXPECT_EQ(sink->reports[0], row.expected);
    }
}

TEST_F(PointerDriverTest, EventsOfAnUnknownKindOrWithoutTheirFieldsAreNotSent)
{
    ASSERT_TRUE(driver.open());

    EXPECT_FALSE(driver.sendPointerEvent(std::make_shared<UnknownPointerEvent>()));
    EXPECT_FALSE(driver.sendPointerEvent(
        std::make_shared<PointerEvent>(PointerEvent::AbsoluteMouse, 1, 2)));
    EXPECT_FALSE(driver.sendPointerEvent(std::make_shared<PointerEvent>(PointerEvent::Digitizer,
                                                                        1, 2)));
    EXPECT_FALSE(driver.sendPointerEvent(nullptr));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(PointerDriverTest, SendFailsWhenTheWriteFails)
{
    ASSERT_TRUE(driver.open());
    sink->writes = false;

    EXPECT_FALSE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));
    EXPECT_EQ(sink->reports.size(), 1u);
}

TEST_F(PointerDriverTest, WithTwoSessionsAndTheOtherOneActiveNothingIsWritten)
{
    ASSERT_TRUE(driver.open());
    system->sessionList = std::vector<SessionState>{{1, false}, {2, true}};

    EXPECT_FALSE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));
    EXPECT_FALSE(driver.sendPointerEvent(mouse(PointerEvent::AbsoluteMouse, 1, 2, 1, true)));
    EXPECT_FALSE(driver.sendPointerEvent(mouse(PointerEvent::RelativeMouse, 1, 2, 1, true)));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(PointerDriverTest, OutputResumesWhenTheOwnSessionIsActiveAgain)
{
    ASSERT_TRUE(driver.open());
    system->sessionList = std::vector<SessionState>{{1, false}, {2, true}};
    EXPECT_FALSE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));

    system->sessionList = std::vector<SessionState>{{1, true}, {2, false}};
    EXPECT_TRUE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));
    EXPECT_EQ(sink->reports.size(), 1u);
}

TEST_F(PointerDriverTest, OutputGoesAheadWhenSessionsCannotBeRead)
{
    ASSERT_TRUE(driver.open());
    system->sessionList = std::nullopt;
    EXPECT_TRUE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));

    system->sessionList = std::vector<SessionState>{{1, false}, {2, true}};
    system->ownSession = std::nullopt;
    EXPECT_TRUE(driver.sendPointerEvent(pen(1, 2, 3, 0xA1)));

    EXPECT_EQ(sink->reports.size(), 2u);
}

TEST_F(PointerDriverTest, WithSwappedMouseButtonsButtonCodeOneSetsBitTwo)
{
    ASSERT_TRUE(driver.open());
    system->swapped = true;

    EXPECT_TRUE(driver.sendPointerEvent(mouse(PointerEvent::AbsoluteMouse, 5, 6, 1, true)));

    ASSERT_EQ(sink->reports.size(), 1u);
    EXPECT_EQ(sink->reports[0], zeroPaddedReport({9, 7, 1, 2, 5, 0, 6, 0, 0}));
}

TEST_F(PointerDriverTest, TheHeldModeShapesTheFollowingReports)
{
    ASSERT_TRUE(driver.open());
    EXPECT_EQ(driver.mode(), 0);

    driver.setMode(3);
    EXPECT_EQ(driver.mode(), 3);
    EXPECT_TRUE(driver.sendPointerEvent(pen(1, 2, 0, 0xA0)));
    EXPECT_TRUE(driver.sendPointerEvent(mouse(PointerEvent::AbsoluteMouse, 1, 2, 0, false)));
    driver.setMode(0);
    EXPECT_TRUE(driver.sendPointerEvent(pen(1, 2, 0, 0xA0)));

    const std::vector<Bytes> expected = {
        zeroPaddedReport({9, 10, 2, 0x23, 1, 0, 2, 0, 0xFF, 0x1F}),
        zeroPaddedReport({9, 7, 1, 2, 1, 0, 2, 0, 0}),
        zeroPaddedReport({9, 10, 2, 0x20, 1, 0, 2, 0}),
    };
    EXPECT_EQ(sink->reports, expected);
}

TEST_F(PointerDriverTest, AToolChangeGivesOneLeavingReport)
{
    ASSERT_TRUE(driver.open());

    EXPECT_TRUE(driver.sendPointerEvent(
        std::make_shared<DigitizerPointerEvent>(7, 8, 4000, 5, 6, 0xA1, 1, 0)));

    ASSERT_EQ(sink->reports.size(), 1u);
    EXPECT_EQ(sink->reports[0], zeroPaddedReport({9, 10, 2, 0xC0, 7, 0, 8, 0}));
}

TEST(PointerDriver, WorksWithoutASystemStateAsOneSessionWithUnswappedButtons)
{
    auto sink = std::make_shared<RecordingReportSink>();
    PointerDriver driver(sink, nullptr);
    ASSERT_TRUE(driver.open());

    EXPECT_TRUE(driver.sendPointerEvent(mouse(PointerEvent::AbsoluteMouse, 5, 6, 1, true)));

    ASSERT_EQ(sink->reports.size(), 1u);
    EXPECT_EQ(sink->reports[0], zeroPaddedReport({9, 7, 1, 1, 5, 0, 6, 0, 0}));
}
