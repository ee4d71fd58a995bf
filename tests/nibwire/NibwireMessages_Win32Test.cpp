// Post requests from QZTablet's pipe: a server in this process stands in for QZTablet, and the
// library's client posts what it is asked to windows of this process's contexts only.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include "ipc/IPCServer_Win32.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

using Context = NibwireApi::Context;
using Messages = std::vector<TestWindow::Message>;

constexpr std::uint64_t kMarker = 0xEEEE;

std::uint64_t windowValue(HWND window)
{
    return std::uint64_t(reinterpret_cast<std::uintptr_t>(window));
}


class NibwireMessages : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_TRUE(server.start(nullptr, nullptr));
        ASSERT_TRUE(module.loaded());
    }

    void TearDown() override { server.stop(); }

    Context open(TestWindow &target)
    {
        LOGCONTEXTA record{};
        record.lcOptions = CXO_MESSAGES;
        const Context context = module.openA()(target.handle(), &record, TRUE);
        target.pump();
        return context;
    }

    bool connected()
    {
        return waitUntil([this] { return server.connectionCount() == 1; });
    }

    void send(HWND target, std::uint32_t message, std::uint64_t wParam, std::uint64_t lParam)
    {
        EXPECT_EQ(server.send({windowValue(target), message, 0, wParam, lParam}), 1u);
    }

    // Sends a last request that is posted, and collects everything up to it: the pipe and the
    // library's reader keep the order.
    Messages throughMarker(TestWindow &target)
    {
        send(target.handle(), WT_CSRCHANGE, kMarker, kMarker);
        Messages all;
        EXPECT_TRUE(target.pumpUntil(
                [](const Messages &so) {
                    return !so.empty() && so.back().message == WT_CSRCHANGE
                            && so.back().wParam == kMarker;
                },
                all));
        if (!all.empty())
            all.pop_back();
        return all;
    }

    SessionBridge bridge;
    IPCServer server;
    NibwireModule module;
};

TEST_F(NibwireMessages, AnInformationCallStartsTheClient)
{
    std::this_thread::sleep_for(300ms);
    EXPECT_EQ(server.connectionCount(), 0u) << "the library connects only once it is asked";
    module.infoA()(0, 0, nullptr);
    EXPECT_TRUE(connected());
}

TEST_F(NibwireMessages, AnOpenStartsTheClientToo)
{
    TestWindow window;
    ASSERT_NE(open(window), nullptr);
    EXPECT_TRUE(connected());
}

TEST_F(NibwireMessages, PacketProximityAndCursorRequestsArePostedOnceToTheContextsWindow)
{
    TestWindow window;
    const Context context = open(window);
    ASSERT_NE(context, nullptr);
    // A second context on the same window: still one message per request.
    ASSERT_NE(open(window), nullptr);
    ASSERT_TRUE(connected());

    send(window.handle(), WT_PACKET, 17, reinterpret_cast<std::uintptr_t>(context));
    send(window.handle(), WT_PROXIMITY, 1, 0x10001);
    send(window.handle(), WT_CSRCHANGE, 2, 3);
    const Messages messages = throughMarker(window);
    ASSERT_EQ(messages.size(), 3u);
    EXPECT_EQ(messages[0].message, WT_PACKET);
    EXPECT_EQ(messages[0].wParam, 17u);
    EXPECT_EQ(messages[0].lParam, LPARAM(reinterpret_cast<std::uintptr_t>(context)));
    EXPECT_EQ(messages[1].message, WT_PROXIMITY);
    EXPECT_EQ(messages[1].lParam, 0x10001);
    EXPECT_EQ(messages[2].message, WT_CSRCHANGE);
}

TEST_F(NibwireMessages, RequestsThatAreNotForThisProcessesContextsAreDropped)
{
    TestWindow window;
    TestWindow bystander; // a window of this process without a context
    ASSERT_NE(open(window), nullptr);
    ASSERT_TRUE(connected());

    send(window.handle(), 1224, 1, 1);
    send(nullptr, WT_PACKET, 1, 1);
    send(bystander.handle(), WT_PACKET, 1, 1);
    send(window.handle(), WT_CTXOPEN, 1, 1);
    send(window.handle(), WT_INFOCHANGE, 1, 1);
    EXPECT_TRUE(throughMarker(window).empty());
    EXPECT_TRUE(bystander.pump().empty());
}

TEST_F(NibwireMessages, AClosedContextsWindowIsSentNothingMore)
{
    TestWindow window;
    const Context context = open(window);
    ASSERT_TRUE(connected());
    TestWindow other;
    ASSERT_NE(open(other), nullptr);
    ASSERT_TRUE(module.close()(context));
    window.pump();
    send(window.handle(), WT_PACKET, 1, 1);
    EXPECT_TRUE(throughMarker(other).empty());
    EXPECT_TRUE(window.pump().empty());
}

TEST_F(NibwireMessages, AReusedHandleSendsToItsNewWindow)
{
    auto first = std::make_unique<TestWindow>();
    const Context context = open(*first);
    ASSERT_NE(context, nullptr);
    const HWND gone = first->handle();
    first.reset();
    TestWindow second;
    ASSERT_NE(second.handle(), gone);
    // The slot of a window that is gone is the first free one again.
    ASSERT_EQ(open(second), context);
    ASSERT_TRUE(connected());
    send(gone, WT_PACKET, 1, 1);
    send(second.handle(), WT_PACKET, 2, 2);
    const Messages messages = throughMarker(second);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].wParam, 2u);
}

} // namespace
