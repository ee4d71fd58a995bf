// Opening, changing and closing contexts through the exports, with the slots of the session's
// section looked at as QZTablet sees them.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Context = NibwireApi::Context;

std::uint32_t handleOf(Context context)
{
    return std::uint32_t(reinterpret_cast<std::uintptr_t>(context));
}

Context contextOf(std::uint32_t handle)
{
    return reinterpret_cast<Context>(std::uintptr_t(handle));
}

LOGCONTEXTA requested(const char *name)
{
    LOGCONTEXTA context{};
    std::strcpy(context.lcName, name);
    context.lcOptions = CXO_MESSAGES;
    context.lcStatus = CXS_DISABLED;
    context.lcPktData = PK_BUTTONS | PK_X | PK_Y;
    context.lcInExtX = 32767;
    context.lcInExtY = 32767;
    context.lcOutExtX = 1920;
    context.lcOutExtY = 1080;
    context.lcOutExtZ = 5;
    return context;
}

std::uint64_t windowValue(HWND window)
{
    return std::uint64_t(reinterpret_cast<std::uintptr_t>(window));
}

class NibwireContexts : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_TRUE(module.loaded());
        ASSERT_NE(window.handle(), nullptr);
    }

    Context open(const char *name = "Test", BOOL enable = TRUE)
    {
        LOGCONTEXTA context = requested(name);
        return module.openA()(window.handle(), &context, enable);
    }

    // Hands a slot of this process to another one, as if that process had it all along.
    void giveAway(std::uint32_t handle)
    {
        ASSERT_TRUE(bridge.editSlot(handle, [](ContextSlot &slot) {
            slot.ownerProcessId = GetCurrentProcessId() + 4;
        }));
    }

    SessionBridge bridge;
    NibwireModule module;
    TestWindow window;
};

TEST_F(NibwireContexts, OpenFillsASlotAndPostsOpenThenOverlap)
{
    LOGCONTEXTA context = requested("Canvas");
    const Context opened = module.openA()(window.handle(), &context, TRUE);
    ASSERT_EQ(handleOf(opened), 1u);
    // The caller's record comes back on top.
    EXPECT_EQ(context.lcStatus, CXS_ONTOP);
    EXPECT_EQ(context.lcOutExtZ, 5);

    const auto messages = window.pump();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WT_CTXOPEN);
    EXPECT_EQ(messages[0].wParam, 1u);
    EXPECT_EQ(messages[0].lParam, LPARAM(CXS_ONTOP));
    EXPECT_EQ(messages[1].message, WT_CTXOVERLAP);
    EXPECT_EQ(messages[1].wParam, 1u);
    EXPECT_EQ(messages[1].lParam, LPARAM(CXS_ONTOP));

    const ContextSlot slot = bridge.slot(1);
    EXPECT_EQ(slot.handle, 1u);
    EXPECT_EQ(slot.ownerProcessId, GetCurrentProcessId());
    EXPECT_EQ(slot.window, windowValue(window.handle()));
    EXPECT_EQ(slot.enabled, 1);
    EXPECT_EQ(slot.hostMatch, 0u);
    EXPECT_STREQ(slot.context.lcName, "Canvas");
    EXPECT_EQ(slot.context.lcStatus, CXS_ONTOP);
    EXPECT_EQ(slot.context.lcOutExtX, 1920);
    EXPECT_EQ(slot.hostCode(), 0xFFFFu);
}

TEST_F(NibwireContexts, TheSeventeenthOpenReturnsNothingAndPostsNothing)
{
    for (std::uint32_t n = 1; n <= 16; ++n)
        ASSERT_EQ(handleOf(open()), n);
    const auto opened = window.pump();
    EXPECT_EQ(opened.size(), 32u);
    EXPECT_EQ(open(), nullptr);
    EXPECT_TRUE(window.pump().empty());
    UINT count = 0;
    module.infoA()(WTI_STATUS, STA_CONTEXTS, &count);
    EXPECT_EQ(count, 16u);
}

TEST_F(NibwireContexts, GetAfterOpenShowsOnTopAndTheHostCodeOfAnUnknownHost)
{
    const Context opened = open();
    LOGCONTEXTA seen{};
    ASSERT_TRUE(module.getA()(opened, &seen));
    EXPECT_EQ(seen.lcStatus, CXS_ONTOP);
    EXPECT_EQ(std::uint32_t(seen.lcOutExtZ), 0xFFFFu);
    EXPECT_STREQ(seen.lcName, "Test");
    EXPECT_EQ(seen.lcPktData, PK_BUTTONS | PK_X | PK_Y);
}

TEST_F(NibwireContexts, WideRecordsCarryTheNameBothWays)
{
    LOGCONTEXTW context{};
    std::memcpy(context.lcName, u"Wide canvas", sizeof(u"Wide canvas"));
    context.lcPktData = PK_X;
    context.lcOutExtY = -1080;
    const Context opened = module.openW()(window.handle(), &context, FALSE);
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(std::u16string(context.lcName), u"Wide canvas");
    EXPECT_STREQ(bridge.slot(handleOf(opened)).context.lcName, "Wide canvas");
    EXPECT_EQ(bridge.slot(handleOf(opened)).enabled, 0);

    LOGCONTEXTW seen{};
    ASSERT_TRUE(module.getW()(opened, &seen));
    EXPECT_EQ(std::u16string(seen.lcName), u"Wide canvas");
    EXPECT_EQ(seen.lcOutExtY, -1080);
    EXPECT_EQ(seen.lcStatus, CXS_ONTOP);

    window.pump();
    std::memcpy(seen.lcName, u"Renamed", sizeof(u"Renamed"));
    seen.lcOutExtX = 640;
    ASSERT_TRUE(module.setW()(opened, &seen));
    const ContextSlot slot = bridge.slot(handleOf(opened));
    EXPECT_STREQ(slot.context.lcName, "Renamed");
    EXPECT_EQ(slot.context.lcOutExtX, 640);
    EXPECT_EQ(slot.hostCode(), 0xFFFFu);
    const auto messages = window.pump();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, WT_CTXUPDATE);
    EXPECT_EQ(messages[0].wParam, WPARAM(handleOf(opened)));
}

TEST_F(NibwireContexts, SetTakesTheRecordButKeepsTheHostCode)
{
    const Context opened = open();
    window.pump();
    LOGCONTEXTA changed = requested("Changed");
    changed.lcOutExtZ = 77;
    ASSERT_TRUE(module.setA()(opened, &changed));
    LOGCONTEXTA seen{};
    ASSERT_TRUE(module.getA()(opened, &seen));
    EXPECT_STREQ(seen.lcName, "Changed");
    EXPECT_EQ(seen.lcStatus, CXS_DISABLED);
    EXPECT_EQ(std::uint32_t(seen.lcOutExtZ), 0xFFFFu);
    const auto messages = window.pump();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, WT_CTXUPDATE);
    EXPECT_EQ(messages[0].lParam, 0);
}

TEST_F(NibwireContexts, CloseClearsTheSlotPostsCloseAndForgetsTheHandle)
{
    const Context opened = open();
    window.pump();
    ASSERT_TRUE(module.close()(opened));
    const auto messages = window.pump();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].message, WT_CTXCLOSE);
    EXPECT_EQ(messages[0].wParam, WPARAM(handleOf(opened)));
    EXPECT_EQ(messages[0].lParam, LPARAM(CXS_ONTOP));
    const ContextSlot slot = bridge.slot(handleOf(opened));
    const ContextSlot zero{};
    EXPECT_EQ(std::memcmp(&slot, &zero, sizeof slot), 0);
    EXPECT_FALSE(module.close()(opened));
    LOGCONTEXTA seen{};
    EXPECT_FALSE(module.getA()(opened, &seen));
}

TEST_F(NibwireContexts, AnotherProcessesContextCannotBeReadChangedOrClosed)
{
    // A slot that another process opened, with a live window.
    ASSERT_TRUE(bridge.editSlot(3, [this](ContextSlot &slot) {
        slot.handle = 3;
        slot.ownerProcessId = GetCurrentProcessId() + 4;
        slot.window = windowValue(window.handle());
        slot.context.lcStatus = CXS_ONTOP;
    }));
    // And one that this process opened, taken over by another since.
    const Context taken = open();
    giveAway(handleOf(taken));
    window.pump();

    for (const Context context : {contextOf(3), taken}) {
        SCOPED_TRACE(handleOf(context));
        const ContextSlot before = bridge.slot(handleOf(context));
        LOGCONTEXTA record = requested("Intruder");
        EXPECT_FALSE(module.getA()(context, &record));
        EXPECT_FALSE(module.setA()(context, &record));
        EXPECT_FALSE(module.enable()(context, FALSE));
        EXPECT_FALSE(module.overlap()(context, FALSE));
        EXPECT_EQ(module.packetsGet()(context, 5, nullptr), 0);
        EXPECT_FALSE(module.close()(context));
        const ContextSlot after = bridge.slot(handleOf(context));
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    }
    EXPECT_TRUE(window.pump().empty());
}

TEST_F(NibwireContexts, EnablingDropsThePacketsThatWait)
{
    const Context opened = open("Test", FALSE);
    ASSERT_TRUE(bridge.publish(handleOf(opened), 5));
    EXPECT_TRUE(module.enable()(opened, FALSE));
    EXPECT_EQ(bridge.slot(handleOf(opened)).enabled, 0);
    EXPECT_EQ(module.packetsPeek()(opened, 10, nullptr), 5);

    EXPECT_TRUE(module.enable()(opened, TRUE));
    EXPECT_EQ(bridge.slot(handleOf(opened)).enabled, 1);
    std::vector<unsigned char> buffer(64 * 12);
    EXPECT_EQ(module.packetsGet()(opened, 10, buffer.data()), 0);
    ASSERT_TRUE(bridge.publish(handleOf(opened), 1));
    EXPECT_EQ(module.packetsGet()(opened, 10, buffer.data()), 1);
}

TEST_F(NibwireContexts, OverlapSetsTheStatusAndPostsIt)
{
    const Context opened = open();
    window.pump();
    ASSERT_TRUE(module.overlap()(opened, FALSE));
    EXPECT_EQ(bridge.slot(handleOf(opened)).context.lcStatus, CXS_OBSCURED);
    ASSERT_TRUE(module.overlap()(opened, TRUE));
    EXPECT_EQ(bridge.slot(handleOf(opened)).context.lcStatus, CXS_ONTOP);
    const auto messages = window.pump();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].message, WT_CTXOVERLAP);
    EXPECT_EQ(messages[0].lParam, LPARAM(CXS_OBSCURED));
    EXPECT_EQ(messages[1].lParam, LPARAM(CXS_ONTOP));
}

TEST_F(NibwireContexts, ConfigShowsNothingAndChangesNothing)
{
    const Context opened = open();
    TestWindow other;
    const ContextSlot before = bridge.slot(handleOf(opened));
    EXPECT_FALSE(module.get<NibwireApi::Config>("WTConfig")(opened, other.handle()));
    const ContextSlot after = bridge.slot(handleOf(opened));
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
}

TEST_F(NibwireContexts, ASlotWhoseWindowIsGoneIsTakenByTheNextOpen)
{
    ASSERT_TRUE(bridge.editSlot(1, [](ContextSlot &slot) {
        slot.handle = 1;
        slot.ownerProcessId = GetCurrentProcessId() + 4;
        slot.window = 0x7FFF0001; // no such window
    }));
    ASSERT_TRUE(bridge.editSlot(2, [this](ContextSlot &slot) {
        slot.handle = 2;
        slot.ownerProcessId = GetCurrentProcessId() + 4;
        slot.window = windowValue(window.handle());
    }));
    ASSERT_TRUE(bridge.editQueue(1, [](PacketQueue &queue) {
        queue.readIndex = 7;
        queue.writeCounter = 9;
    }));
    const Context opened = open();
    ASSERT_EQ(handleOf(opened), 1u);
    EXPECT_EQ(bridge.slot(1).ownerProcessId, GetCurrentProcessId());
    EXPECT_EQ(bridge.slot(2).ownerProcessId, GetCurrentProcessId() + 4);
    EXPECT_EQ(module.packetsPeek()(opened, 10, nullptr), 0);
}

TEST_F(NibwireContexts, MissingArgumentsAndForeignHandlesGiveNothing)
{
    LOGCONTEXTA context = requested("Test");
    EXPECT_EQ(module.openA()(nullptr, &context, TRUE), nullptr);
    EXPECT_EQ(module.openA()(window.handle(), nullptr, TRUE), nullptr);
    EXPECT_EQ(module.openW()(window.handle(), nullptr, TRUE), nullptr);
    const Context opened = open();
    EXPECT_FALSE(module.getA()(opened, nullptr));
    EXPECT_FALSE(module.setA()(opened, nullptr));
    for (const std::uintptr_t handle : {std::uintptr_t(0), std::uintptr_t(17),
                                        std::uintptr_t(0x100000001ull)}) {
        SCOPED_TRACE(handle);
        const Context foreign = reinterpret_cast<Context>(handle);
        LOGCONTEXTA seen{};
        EXPECT_FALSE(module.getA()(foreign, &seen));
        EXPECT_FALSE(module.close()(foreign));
        EXPECT_FALSE(module.enable()(foreign, TRUE));
    }
    EXPECT_EQ(bridge.slot(1).handle, 1u);
}

TEST_F(NibwireContexts, QueueSizeIsRememberedOnly)
{
    const auto sizeGet = module.get<NibwireApi::QueueSizeGet>("WTQueueSizeGet");
    const auto sizeSet = module.get<NibwireApi::QueueSizeSet>("WTQueueSizeSet");
    EXPECT_EQ(sizeGet(nullptr), 32);
    EXPECT_FALSE(sizeSet(nullptr, 0));
    EXPECT_FALSE(sizeSet(nullptr, -5));
    EXPECT_EQ(sizeGet(nullptr), 32);
    EXPECT_TRUE(sizeSet(nullptr, 128));
    EXPECT_EQ(sizeGet(nullptr), 128);
}

} // namespace
