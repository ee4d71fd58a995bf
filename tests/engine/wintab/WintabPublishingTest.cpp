#include "engine/wintab/WintabPublishing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

using namespace WintabPublishing;

constexpr std::uint32_t kOwnProcess = 100;
constexpr std::uint32_t kOtherProcess = 200;
constexpr std::uint32_t kForegroundProcess = 300;

// A section as Nibwire copies leave it: all slots free, queues empty.
class WintabPublishingTest : public testing::Test
{
protected:
    ContextSlot &openContext(std::uint32_t handle, std::uint32_t owner = kOtherProcess)
    {
        ContextSlot &slot = *contextSlotForHandle(view(), handle);
        slot.handle = handle;
        slot.ownerProcessId = owner;
        slot.window = 0x1000 + handle;
        slot.setHostCode(kUnrecognisedApplicationCode);
        return slot;
    }

    PacketQueue &queue(std::uint32_t handle) { return *packetQueueForHandle(view(), handle); }

    Outcome post(const WintabPenRecord &record, Proximity proximity = Proximity::Unchanged,
                 std::uint32_t packetCounter = 1)
    {
        Facts facts;
        facts.ownProcessId = kOwnProcess;
        facts.foregroundProcessId = [this] {
            ++foregroundQuestions;
            return kForegroundProcess;
        };
        facts.packetCounter = packetCounter;
        return publish(view(), record, makeEntry(record, 1234), proximity, facts);
    }

    static WintabPenRecord hovering()
    {
        WintabPenRecord record;
        record.x = 1000;
        record.y = 2000;
        record.pressure = 0;
        record.state = 0xA0;
        record.alternativeX = 3000;
        record.alternativeY = 4000;
        return record;
    }

    void *view() { return section.get(); }

    int foregroundQuestions = 0;
    std::unique_ptr<std::uint64_t[]> section{
            new std::uint64_t[kSharedSectionSize / sizeof(std::uint64_t)]()};
};

PostMessageRecord request(std::uint64_t window, std::uint32_t message, std::uint64_t wParam,
                          std::uint64_t lParam)
{
    PostMessageRecord record{};
    record.window = window;
    record.message = message;
    record.wParam = wParam;
    record.lParam = lParam;
    return record;
}

} // namespace

// Found by argument-dependent lookup, as the record lives in the global namespace.
static bool operator==(const PostMessageRecord &a, const PostMessageRecord &b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

static std::ostream &operator<<(std::ostream &out, const PostMessageRecord &record)
{
    return out << "{window 0x" << std::hex << record.window << ", message 0x" << record.message
               << ", wParam 0x" << record.wParam << ", lParam 0x" << record.lParam << std::dec
               << "}";
}

TEST(WintabProximity, FollowsTheStateOfConsecutiveRecords)
{
    EXPECT_EQ(transition(0xC0, 0xA0), Proximity::Entering);
    EXPECT_EQ(transition(0xC0, 0xA1), Proximity::Entering);
    EXPECT_EQ(transition(0xA0, 0xC0), Proximity::Leaving);
    EXPECT_EQ(transition(0xA1, 0xC0), Proximity::Leaving);
    EXPECT_EQ(transition(0xA0, 0xA1), Proximity::Unchanged);
    EXPECT_EQ(transition(0xC0, 0xC0), Proximity::Unchanged);
}

TEST(WintabEntry, CarriesPositionPressureAndTiltAsOrientation)
{
    WintabPenRecord record;
    record.x = 12345;
    record.y = 23456;
    record.pressure = 8191;
    record.tiltX = 30;
    record.tiltY = 0;

    const PacketQueueEntry entry = makeEntry(record, 777);

    EXPECT_EQ(entry.time, 777u);
    EXPECT_EQ(entry.x, 12345u);
    EXPECT_EQ(entry.y, 23456u);
    EXPECT_EQ(entry.pressure, 8191u);
    EXPECT_EQ(entry.azimuth, 900u);
    EXPECT_EQ(entry.altitude, 600u);
    EXPECT_EQ(entry.twist, 0u);

    record.tiltX = 0;
    const PacketQueueEntry upright = makeEntry(record, 0);
    EXPECT_EQ(upright.azimuth, 0u);
    EXPECT_EQ(upright.altitude, 900u);
}

TEST_F(WintabPublishingTest, WithoutASectionNothingIsPublishedAndPointerOutputGoesAhead)
{
    Facts facts;
    const Outcome outcome = publish(nullptr, hovering(), makeEntry(hovering(), 0),
                                    Proximity::Entering, facts);

    EXPECT_TRUE(outcome.pointerOutputWanted);
    EXPECT_EQ(outcome.foregroundHostCode, 0xFFFF);
    EXPECT_TRUE(outcome.requests.empty());
}

TEST_F(WintabPublishingTest, AnOpenContextGetsTheEntryUnderItsNextSerial)
{
    openContext(3).context.lcOptions = kOptionMessages;
    queue(3).writeCounter = 41;
    queue(3).readIndex = 40;

    const Outcome outcome = post(hovering());

    ASSERT_EQ(queue(3).writeCounter, 42u);
    const PacketQueueEntry &entry = queue(3).entryFor(41);
    EXPECT_EQ(entry.serial, 41u);
    EXPECT_EQ(entry.time, 1234u);
    EXPECT_EQ(entry.x, 1000u);
    EXPECT_EQ(entry.y, 2000u);
    EXPECT_EQ(entry.buttonsAndState, 0xA0u);
    EXPECT_EQ(queue(3).readIndex, 40u);
    ASSERT_EQ(outcome.requests.size(), 1u);
    EXPECT_EQ(outcome.requests[0], request(0x1003, kPacketMessage, 41, 3));
    EXPECT_TRUE(outcome.pointerOutputWanted);
}

TEST_F(WintabPublishingTest, FreeSlotsWindowlessSlotsAndThisProcesssOwnContextsGetNothing)
{
    openContext(1, kOwnProcess);
    openContext(2).window = 0;
    ContextSlot &freed = openContext(4);
    freed.handle = 0;

    const Outcome outcome = post(hovering(), Proximity::Entering);

    for (std::uint32_t handle = 1; handle <= kContextCount; ++handle)
        EXPECT_EQ(queue(handle).writeCounter, 0u) << "context " << handle;
    EXPECT_TRUE(outcome.requests.empty());
}

TEST_F(WintabPublishingTest, TheRingWrapsAfter1024Entries)
{
    openContext(16);
    queue(16).writeCounter = 1023;

    post(hovering());
    WintabPenRecord second = hovering();
    second.x = 5;
    post(second);

    EXPECT_EQ(queue(16).writeCounter, 1025u);
    EXPECT_EQ(queue(16).ring[1023].serial, 1023u);
    EXPECT_EQ(queue(16).ring[0].serial, 1024u);
    EXPECT_EQ(queue(16).ring[0].x, 5u);
}

TEST_F(WintabPublishingTest, ProximityAndCursorMessagesComeInOrderByTheContextsOptions)
{
    struct Case
    {
        std::uint32_t options;
        Proximity proximity;
        std::vector<std::uint32_t> messages;
    };
    const std::vector<Case> cases = {
        {0, Proximity::Unchanged, {}},
        {0, Proximity::Entering, {kProximityMessage}},
        {0, Proximity::Leaving, {kProximityMessage}},
        {kOptionMessages, Proximity::Unchanged, {kPacketMessage}},
        {kOptionMessages, Proximity::Entering, {kProximityMessage, kPacketMessage}},
        {kOptionCursorMessages, Proximity::Unchanged, {}},
        {kOptionCursorMessages, Proximity::Entering, {kProximityMessage, kCursorChangeMessage}},
        {kOptionCursorMessages, Proximity::Leaving, {kCursorChangeMessage, kProximityMessage}},
        {kOptionMessages | kOptionCursorMessages,
         Proximity::Entering,
         {kProximityMessage, kCursorChangeMessage, kPacketMessage}},
        {kOptionMessages | kOptionCursorMessages,
         Proximity::Leaving,
         {kCursorChangeMessage, kProximityMessage, kPacketMessage}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "options " << c.options << ", proximity "
                                        << int(c.proximity));
        openContext(5).context.lcOptions = c.options;

        const Outcome outcome = post(hovering(), c.proximity);

        std::vector<std::uint32_t> messages;
        for (const PostMessageRecord &record : outcome.requests)
            messages.push_back(record.message);
        EXPECT_EQ(messages, c.messages);
        EXPECT_EQ(queue(5).writeCounter, 1u) << "every case queues the packet";
        queue(5).writeCounter = 0;
    }
}

TEST_F(WintabPublishingTest, MessageParametersNameTheSerialAndTheContext)
{
    openContext(7).context.lcOptions = kOptionMessages | kOptionCursorMessages;
    queue(7).writeCounter = 9;

    const Outcome entering = post(hovering(), Proximity::Entering);
    WintabPenRecord away = hovering();
    away.state = 0xC0;
    const Outcome leaving = post(away, Proximity::Leaving);

    const std::vector<PostMessageRecord> expectedEntering = {
        request(0x1007, kProximityMessage, 7, kEnteringProximity),
        request(0x1007, kCursorChangeMessage, 9, 7),
        request(0x1007, kPacketMessage, 9, 7),
    };
    const std::vector<PostMessageRecord> expectedLeaving = {
        request(0x1007, kCursorChangeMessage, 10, 7),
        request(0x1007, kProximityMessage, 7, kLeavingProximity),
        request(0x1007, kPacketMessage, 10, 7),
    };
    EXPECT_EQ(entering.requests, expectedEntering);
    EXPECT_EQ(leaving.requests, expectedLeaving);
}

TEST_F(WintabPublishingTest, AForegroundOnlyApplicationIsServedOnlyInTheForegroundAndThenTakesThePen)
{
    ContextSlot &slot = openContext(2);
    slot.matchedCode = kForegroundOnlyCode;

    const Outcome behind = post(hovering());
    EXPECT_EQ(queue(2).writeCounter, 0u);
    EXPECT_TRUE(behind.pointerOutputWanted);

    slot.ownerProcessId = kForegroundProcess;
    const Outcome inFront = post(hovering());
    EXPECT_EQ(queue(2).writeCounter, 1u);
    EXPECT_FALSE(inFront.pointerOutputWanted);
}

TEST_F(WintabPublishingTest, PointerOnlyApplicationsGetNoPacketsAndHoldPointerOutputOnOddCounts)
{
    for (ApplicationCode code : {kPointerOnlyCodeA, kPointerOnlyCodeB}) {
        SCOPED_TRACE(code);
        openContext(4).matchedCode = code;
        for (std::uint32_t counter = 1; counter <= 4; ++counter) {
            const Outcome outcome = post(hovering(), Proximity::Entering, counter);
            EXPECT_EQ(outcome.pointerOutputWanted, counter % 2 == 0) << "packet " << counter;
            EXPECT_TRUE(outcome.requests.empty());
        }
        EXPECT_EQ(queue(4).writeCounter, 0u);
    }
}

TEST_F(WintabPublishingTest, TheInkApplicationGetsNothingWhileInkIsOn)
{
    openContext(6).matchedCode = kNoInkCode;
    openContext(8).matchedCode = 2;
    WintabPenRecord inked = hovering();
    inked.ink = 1;

    post(inked);
    EXPECT_EQ(queue(6).writeCounter, 0u);
    EXPECT_EQ(queue(8).writeCounter, 1u);

    post(hovering());
    EXPECT_EQ(queue(6).writeCounter, 1u);
}

TEST_F(WintabPublishingTest, TheAlternativePositionGoesToHostsRecognisedByNameExceptTwo)
{
    struct Case
    {
        std::uint32_t hostMatch;
        ApplicationCode code;
        bool alternative;
    };
    const std::vector<Case> cases = {
        {0, 0, false},
        {0, 11, false},
        {1, 11, true},
        {1, 2, true},
        {1, kNoAlternativePositionCode, false},
        {1, kForegroundOnlyCode, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "match " << c.hostMatch << ", code " << c.code);
        ContextSlot &slot = openContext(9, kForegroundProcess);
        slot.hostMatch = c.hostMatch;
        slot.matchedCode = c.code;
        queue(9).writeCounter = 0;

        post(hovering());

        const PacketQueueEntry &entry = queue(9).entryFor(0);
        EXPECT_EQ(entry.x, c.alternative ? 3000u : 1000u);
        EXPECT_EQ(entry.y, c.alternative ? 4000u : 2000u);
    }
}

TEST_F(WintabPublishingTest, ButtonsAndStateByPacketModeAndTheEraserBitByMoveMaskAndHost)
{
    struct Case
    {
        std::uint32_t packetMode;
        std::uint32_t moveMask;
        ApplicationCode hostCode;
        std::uint8_t eraser;
        std::uint32_t expected;
    };
    const std::vector<Case> cases = {
        {0, 0, 0xFFFF, 0, 0x000200A1},
        {kPacketModeButtonsRelative, 0, 0xFFFF, 0, 0x000000A1},
        {0, 0, 0xFFFF, 1, 0x000200A1},
        {0, kMoveMaskCursor, 0xFFFF, 1, 0x000A00A1},
        {kPacketModeButtonsRelative, kMoveMaskCursor, 0xFFFF, 1, 0x000800A1},
        {0, kMoveMaskCursor, 0xFFFF, 0, 0x000200A1},
        {0, kMoveMaskCursor, kMouseHostCode, 1, 0x000200A1},
    };
    WintabPenRecord record = hovering();
    record.state = 0xA1;
    record.buttons = 0x102; // only the low byte travels
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.packetMode << ", move mask "
                                        << c.moveMask << ", host " << c.hostCode);
        ContextSlot &slot = openContext(10);
        slot.context.lcPktMode = c.packetMode;
        slot.context.lcMoveMask = c.moveMask;
        slot.setHostCode(c.hostCode);
        record.eraser = c.eraser;
        queue(10).writeCounter = 0;

        post(record);

        EXPECT_EQ(queue(10).entryFor(0).buttonsAndState, c.expected);
    }
}

TEST_F(WintabPublishingTest, AMouseHostInTheForegroundIsReported)
{
    ContextSlot &slot = openContext(11);
    slot.setHostCode(kMouseHostCode);

    EXPECT_EQ(post(hovering()).foregroundHostCode, 0xFFFF);

    slot.ownerProcessId = kForegroundProcess;
    const Outcome outcome = post(hovering());
    EXPECT_EQ(outcome.foregroundHostCode, int(kMouseHostCode));
    EXPECT_TRUE(outcome.pointerOutputWanted);
    EXPECT_EQ(queue(11).writeCounter, 2u);
}

TEST_F(WintabPublishingTest, TheEnabledFlagIsNotConsulted)
{
    openContext(12).enabled = 0;

    post(hovering());

    EXPECT_EQ(queue(12).writeCounter, 1u);
}

TEST_F(WintabPublishingTest, TheForegroundIsAskedOnceAndOnlyWhenAContextsRuleDependsOnIt)
{
    struct Case
    {
        const char *contexts;
        std::vector<std::pair<ApplicationCode, ApplicationCode>> codes; // matched, host
        int questions;
    };
    const std::vector<Case> cases = {
        {"none", {}, 0},
        {"plain ones", {{0, kUnrecognisedApplicationCode}, {2, kUnrecognisedApplicationCode}}, 0},
        {"pointer-only and ink", {{kPointerOnlyCodeA, 0}, {kNoInkCode, 0}}, 0},
        {"a foreground-only one", {{kForegroundOnlyCode, kUnrecognisedApplicationCode}}, 1},
        {"a mouse host", {{0, kMouseHostCode}}, 1},
        {"both", {{kForegroundOnlyCode, 0}, {0, kMouseHostCode}, {kForegroundOnlyCode, 0}}, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.contexts);
        for (std::uint32_t handle = 1; handle <= kContextCount; ++handle)
            *contextSlotForHandle(view(), handle) = ContextSlot{};
        std::uint32_t handle = 1;
        for (const auto &[matched, host] : c.codes) {
            ContextSlot &slot = openContext(handle++);
            slot.matchedCode = matched;
            slot.setHostCode(host);
        }
        foregroundQuestions = 0;

        post(hovering());

        EXPECT_EQ(foregroundQuestions, c.questions);
    }
}

