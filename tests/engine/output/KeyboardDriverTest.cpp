#include "engine/output/KeyboardDriver.h"

#include "engine/actions/ShortcutText.h"
#include "engine/core/YieldDelay.h"

#include "engine/support/RecordingReportSink.h"

#include <gtest/gtest.h>

#include <QString>

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::int32_t NoKey = KeyboardEvent::NoKey;
constexpr int UsageA = 0x04;
constexpr int UsageV = 0x19;

std::shared_ptr<KeyboardEvent> press(std::uint32_t modifiers, std::int32_t key1 = NoKey)
{
    return std::make_shared<KeyboardEvent>(modifiers, key1, NoKey, true);
}

std::shared_ptr<KeyboardEvent> release(std::uint32_t modifiers, std::int32_t key1 = NoKey)
{
    return std::make_shared<KeyboardEvent>(modifiers, key1, NoKey, false);
}

class KeyboardDriverTest : public ::testing::Test
{
protected:
    KeyboardDriverTest()
        : sink(std::make_shared<RecordingReportSink>()),
          driver(sink, [this](int milliseconds) { waits.push_back(milliseconds); })
    {
    }

    // Sends the strokes of a hotkey text the way keyboard actions do.
    bool sendShortcut(const QString &text, bool pressed, bool hotkeySync = false)
    {
        bool allWritten = true;
        for (const KeyboardEvent &stroke : ShortcutText::keyStrokes(text, pressed, hotkeySync))
            allWritten = driver.sendKey(std::make_shared<KeyboardEvent>(stroke),
                                        ShortcutText::StrokeDelayMilliseconds)
                && allWritten;
        return allWritten;
    }

    std::shared_ptr<RecordingReportSink> sink;
    std::vector<int> waits;
    KeyboardDriver driver;
};

} // namespace

TEST_F(KeyboardDriverTest, OpenOpensTheSinkOnceAndReportsItsResult)
{
    EXPECT_TRUE(driver.open());
    EXPECT_TRUE(driver.open());
    EXPECT_TRUE(driver.isOpen());
    EXPECT_EQ(sink->openCalls, 1);
}

TEST_F(KeyboardDriverTest, WithoutTheDeviceOpenFailsAndEverySendFailsWithoutWriting)
{
    sink->opens = false;

    EXPECT_FALSE(driver.open());
    EXPECT_FALSE(driver.sendKey(press(KeyboardEvent::Ctrl, UsageA), 5));
    EXPECT_FALSE(driver.sendKey(release(0), 5));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(KeyboardDriverTest, SendBeforeOpenFailsWithoutWriting)
{
    EXPECT_FALSE(driver.sendKey(press(0, UsageA), 5));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(KeyboardDriverTest, SendOfANullEventFails)
{
    ASSERT_TRUE(driver.open());
    EXPECT_FALSE(driver.sendKey(nullptr, 5));
    EXPECT_TRUE(sink->reports.empty());
}

TEST_F(KeyboardDriverTest, SendWritesOneReportThenWaitsTheDelay)
{
    ASSERT_TRUE(driver.open());

    EXPECT_TRUE(driver.sendKey(press(KeyboardEvent::Ctrl, 0x16), 7));

    ASSERT_EQ(sink->reports.size(), 1u);
    EXPECT_EQ(sink->reports[0], zeroPaddedReport({9, 9, 4, 0x01, 0, 0x16, 0xFF}));
    EXPECT_EQ(waits, std::vector<int>({7}));
}

TEST_F(KeyboardDriverTest, SendFailsWhenTheWriteFails)
{
    ASSERT_TRUE(driver.open());
    sink->writes = false;

    EXPECT_FALSE(driver.sendKey(press(0, UsageA), 5));
    EXPECT_EQ(sink->reports.size(), 1u);
}

TEST_F(KeyboardDriverTest, AFailedWriteStillChangesTheStickyState)
{
    ASSERT_TRUE(driver.open());
    sink->writes = false;

    EXPECT_FALSE(driver.sendKey(press(KeyboardEvent::Shift), 5));

    EXPECT_EQ(driver.stickyModifiers(), 0x02);
}

TEST_F(KeyboardDriverTest, StickyModifiersFollowASequenceOfEvents)
{
    ASSERT_TRUE(driver.open());
    struct Step
    {
        const char *what;
        std::shared_ptr<KeyboardEvent> event;
        Bytes report;
        std::uint8_t stickyAfter;
    };
    const Step steps[] = {
        {"plain A carries no modifiers", press(0, UsageA),
         zeroPaddedReport({9, 9, 4, 0x00, 0, 0x04, 0xFF}), 0x00},
        {"shift alone is held", press(KeyboardEvent::Shift),
         zeroPaddedReport({9, 9, 4, 0x02, 0, 0xFF, 0xFF}), 0x02},
        {"A then carries shift", press(0, UsageA),
         zeroPaddedReport({9, 9, 4, 0x02, 0, 0x04, 0xFF}), 0x02},
        {"releasing A releases everything but keeps shift held", release(0, UsageA),
         zeroPaddedReport({9, 9, 4}), 0x02},
        {"ctrl alone joins shift", press(KeyboardEvent::Ctrl),
         zeroPaddedReport({9, 9, 4, 0x01, 0, 0xFF, 0xFF}), 0x03},
        {"A then carries ctrl and shift", press(0, UsageA),
         zeroPaddedReport({9, 9, 4, 0x03, 0, 0x04, 0xFF}), 0x03},
        {"alt with a key uses its own modifiers only", press(KeyboardEvent::Alt, UsageA),
         zeroPaddedReport({9, 9, 4, 0x04, 0, 0x04, 0xFF}), 0x03},
        {"shift released alone", release(KeyboardEvent::Shift), zeroPaddedReport({9, 9, 4}),
         0x01},
        {"A then carries ctrl only", press(0, UsageA),
         zeroPaddedReport({9, 9, 4, 0x01, 0, 0x04, 0xFF}), 0x01},
        {"ctrl released alone", release(KeyboardEvent::Ctrl), zeroPaddedReport({9, 9, 4}), 0x00},
        {"A is plain again", press(0, UsageA), zeroPaddedReport({9, 9, 4, 0x00, 0, 0x04, 0xFF}),
         0x00},
    };
    for (const Step &step : steps) {
        SCOPED_TRACE(step.what);
        sink->reports.clear();
        EXPECT_TRUE(driver.sendKey(step.event, 5));
        ASSERT_EQ(sink->reports.size(), 1u);
        EXPECT_EQ(sink->reports[0], step.report);
        EXPECT_EQ(driver.stickyModifiers(), step.stickyAfter);
    }
}

TEST_F(KeyboardDriverTest, KeyNamesAreLookedUpInTheChosenTable)
{
    int code = 0;
    EXPECT_TRUE(driver.keyNameToVirtualKey("/", code, KeyTable::Usage));
    EXPECT_EQ(code, 0x38);
    EXPECT_FALSE(driver.keyNameToVirtualKey("/", code, KeyTable::System));
    EXPECT_EQ(code, -1);
    EXPECT_TRUE(driver.keyNameToVirtualKey("V", code, KeyTable::Usage));
    EXPECT_EQ(code, UsageV);
    EXPECT_TRUE(driver.keyNameToVirtualKey("VolumeUp", code, KeyTable::System));
    EXPECT_EQ(code, 0xAF);
}

TEST_F(KeyboardDriverTest, KeyNamesAreKnownEvenWhenTheDeviceIsAbsent)
{
    sink->opens = false;
    EXPECT_FALSE(driver.open());

    int code = 0;
    EXPECT_TRUE(driver.keyNameToVirtualKey("RETURE", code, KeyTable::Usage));
    EXPECT_EQ(code, 0x28);
}

TEST_F(KeyboardDriverTest, PastingSendsCtrlVPressAndReleaseWithTheirDelays)
{
    ASSERT_TRUE(driver.open());
    int v = -1;
    ASSERT_TRUE(driver.keyNameToVirtualKey("V", v, KeyTable::Usage));

    EXPECT_TRUE(driver.sendKey(press(KeyboardEvent::Ctrl, v), 15));
    EXPECT_TRUE(driver.sendKey(release(KeyboardEvent::Ctrl, v), 10));

    const std::vector<Bytes> expected = {zeroPaddedReport({9, 9, 4, 0x01, 0, 0x19, 0xFF}),
                                         zeroPaddedReport({9, 9, 4})};
    EXPECT_EQ(sink->reports, expected);
    EXPECT_EQ(waits, std::vector<int>({15, 10}));
}

TEST_F(KeyboardDriverTest, ShortcutsAreTypedAsTheseReports)
{
    ASSERT_TRUE(driver.open());
    const Bytes releaseAll = zeroPaddedReport({9, 9, 4});
    struct Row
    {
        const char *text;
        bool pressed;
        std::vector<Bytes> reports;
    };
    const std::vector<Row> rows = {
        {"CTRL+S", true, {zeroPaddedReport({9, 9, 4, 0x01, 0, 0x16, 0xFF}), releaseAll}},
        {"CTRL+S", false, {}},
        {"ctrl + shift + z", true, {zeroPaddedReport({9, 9, 4, 0x03, 0, 0x1D, 0xFF}), releaseAll}},
        {"CTRL++", true, {zeroPaddedReport({9, 9, 4, 0x01, 0, 0x2E, 0xFF}), releaseAll}},
        {"Num(+)", true, {zeroPaddedReport({9, 9, 4, 0x00, 0, 0x57, 0xFF}), releaseAll}},
        {"Ctrl+Reture", true, {zeroPaddedReport({9, 9, 4, 0x01, 0, 0x28, 0xFF}), releaseAll}},
        {"CTRL+C;CTRL+V",
         true,
         {zeroPaddedReport({9, 9, 4, 0x01, 0, 0x06, 0xFF}), releaseAll,
          zeroPaddedReport({9, 9, 4, 0x01, 0, 0x19, 0xFF}), releaseAll}},
        {"CTRL+C;CTRL+V", false, {}},
        {"BrowserBack", true, {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(testing::Message() << row.text << (row.pressed ? " pressed" : " released"));
        sink->reports.clear();
        waits.clear();
        EXPECT_TRUE(sendShortcut(QString::fromLatin1(row.text), row.pressed));
        EXPECT_EQ(sink->reports, row.reports);
        EXPECT_EQ(waits, std::vector<int>(row.reports.size(), 5));
    }
}

TEST_F(KeyboardDriverTest, AShortcutHeldWithTheControlKeepsItsModifierStickyUntilReleased)
{
    ASSERT_TRUE(driver.open());

    EXPECT_TRUE(sendShortcut(QStringLiteral("Ctrl"), true, true));
    EXPECT_EQ(driver.stickyModifiers(), 0x01);
    EXPECT_TRUE(driver.sendKey(press(0, UsageA), 5));
    EXPECT_TRUE(sendShortcut(QStringLiteral("Ctrl"), false, true));
    EXPECT_EQ(driver.stickyModifiers(), 0x00);

    const std::vector<Bytes> expected = {zeroPaddedReport({9, 9, 4, 0x01, 0, 0xFF, 0xFF}),
                                         zeroPaddedReport({9, 9, 4, 0x01, 0, 0x04, 0xFF}),
                                         zeroPaddedReport({9, 9, 4})};
    EXPECT_EQ(sink->reports, expected);
}

TEST(YieldDelay, ReturnsOnlyOnceTheSteadyClockHasAdvancedByTheDelay)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    yieldDelay(2);
    EXPECT_GE(Clock::now() - start, std::chrono::milliseconds(2));
}

TEST(YieldDelay, ReturnsForNoDelayOrANegativeOne)
{
    using Clock = std::chrono::steady_clock;
    for (const int delay : {0, -5}) {
        SCOPED_TRACE(delay);
        // The quickest of several calls, so that a busy machine cannot make a prompt return look
        // slow; one that waited would take a millisecond or more every time.
        Clock::duration quickest = Clock::duration::max();
        for (int call = 0; call < 20; ++call) {
            const Clock::time_point start = Clock::now();
            yieldDelay(delay);
            quickest = std::min(quickest, Clock::now() - start);
        }
        EXPECT_LT(std::chrono::duration_cast<std::chrono::microseconds>(quickest).count(), 1000) << "microseconds";
    }
}
