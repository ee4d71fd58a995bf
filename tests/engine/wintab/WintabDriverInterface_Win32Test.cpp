// The Wintab driver over a real shared section and a real pipe, with this test acting as the
// Nibwire side.
#include "engine/wintab/WintabDriverInterface_Win32.h"
#include "ipc/InterprocessCommunication_Win32.h"
#include "ipc/SectionLock_Win32.h"
#include "ipc/SessionId_Win32.h"

#include "engine/support/UniqueWintabNames.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {


class ReceivedRecords
{
public:
    InterprocessCommunication::DataCallback callback()
    {
        return [this](unsigned, std::shared_ptr<std::vector<std::uint8_t>> bytes) {
            PostMessageRecord record{};
            if (bytes && decodePostMessageRecord(bytes->data(), bytes->size(), record)) {
                std::lock_guard<std::mutex> lock(mutex);
                records.push_back(record);
            }
        };
    }
    std::vector<PostMessageRecord> all() const
    {
        std::lock_guard<std::mutex> lock(mutex);
        return records;
    }

private:
    mutable std::mutex mutex;
    std::vector<PostMessageRecord> records;
};

// Nibwire's end of the pipe with a reader thread, as its connection keeper runs it.
class ReadingClient
{
public:
    ReadingClient(const std::string &pipe, ReceivedRecords &received)
    {
        connected = waitUntil([&] {
            return end->openNamed(pipe, received.callback(), true, nullptr, 0)
                   == InterprocessCommunication::OpenResult::Connected;
        });
        if (connected)
            reader = std::thread([this] { end->readUntilClosed(); });
    }
    ~ReadingClient() { close(); }

    void close()
    {
        end->close();
        if (reader.joinable())
            reader.join();
    }

    bool connected = false;
    std::shared_ptr<InterprocessCommunication> end = std::make_shared<InterprocessCommunication>();
    std::thread reader;
};

class WintabDriverTest : public testing::Test
{
protected:
    WintabDriverTest() : driver(names), nibwireSide(WintabSharedSection::kNibwireLockTimeout,
                                                    names.section, names.mutex)
    {
        nibwireSide.openSection();
    }

    // A context of another process, asking for packet messages.
    void openContext(std::uint32_t handle, std::uint32_t options = 0x4)
    {
        SectionLock lock(nibwireSide);
        ContextSlot *slot = nibwireSide.slotForHandle(handle);
        slot->handle = handle;
        slot->ownerProcessId = GetCurrentProcessId() + 4;
        slot->window = 0xABC0 + handle;
        slot->context.lcOptions = options;
        slot->setHostCode(kUnrecognisedApplicationCode);
    }

    PacketQueue queueCopy(std::uint32_t handle)
    {
        SectionLock lock(nibwireSide);
        return *nibwireSide.queueForHandle(handle);
    }

    std::string pipeName() const { return currentSessionName(names.pipePrefix); }

    static WintabPenRecord record(std::uint16_t state, std::int32_t x = 100)
    {
        WintabPenRecord pen;
        pen.x = x;
        pen.y = 200;
        pen.pressure = state == 0xA1 ? 4000 : 0;
        pen.state = state;
        return pen;
    }

    WintabDriverInterface_Win32::Names names = uniqueWintabNames();
    WintabDriverInterface_Win32 driver;
    WintabSharedSection nibwireSide;
};

} // namespace

TEST_F(WintabDriverTest, PacketsLandInTheQueuesOfOtherProcessesContexts)
{
    openContext(2);
    openContext(15);

    ASSERT_TRUE(driver.postWintabPacket(record(0xA0, 10)));
    ASSERT_TRUE(driver.postWintabPacket(record(0xA1, 20)));

    for (std::uint32_t handle : {2u, 15u}) {
        const PacketQueue queue = queueCopy(handle);
        ASSERT_EQ(queue.writeCounter, 2u) << handle;
        EXPECT_EQ(queue.ring[0].x, 10u);
        EXPECT_EQ(queue.ring[1].x, 20u);
        EXPECT_EQ(queue.ring[1].pressure, 4000u);
        EXPECT_EQ(queue.ring[1].buttonsAndState, 0xA1u);
        EXPECT_EQ(queue.ring[1].serial, 1u);
    }
    EXPECT_EQ(queueCopy(3).writeCounter, 0u);
    EXPECT_EQ(driver.pointerOutputWanted(), 1);
    EXPECT_EQ(driver.foregroundHostCode(), 0xFFFF);
}

TEST_F(WintabDriverTest, AContextOfThisProcessGetsNothing)
{
    openContext(1);
    {
        SectionLock lock(nibwireSide);
        nibwireSide.slotForHandle(1)->ownerProcessId = GetCurrentProcessId();
    }

    ASSERT_TRUE(driver.postWintabPacket(record(0xA0)));

    EXPECT_EQ(queueCopy(1).writeCounter, 0u);
}

TEST_F(WintabDriverTest, ConnectedClientsAreCountedAndHearProximityThenPacket)
{
    ASSERT_TRUE(driver.open());
    EXPECT_EQ(driver.clientCount(), 0);
    ReceivedRecords received;
    ReadingClient client(pipeName(), received);
    ASSERT_TRUE(client.connected);
    ASSERT_TRUE(waitUntil([&] { return driver.clientCount() == 1; }));
    openContext(4);

    ASSERT_TRUE(driver.postWintabPacket(record(0xA0)));
    ASSERT_TRUE(driver.postWintabPacket(record(0xA0)));
    ASSERT_TRUE(driver.postWintabPacket(record(0xC0)));

    ASSERT_TRUE(waitUntil([&] { return received.all().size() == 5; }));
    const std::vector<PostMessageRecord> all = received.all();
    const std::vector<std::uint32_t> expected = {0x7FF5, 0x7FF0, 0x7FF0, 0x7FF5, 0x7FF0};
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(all[i].message, expected[i]) << i;
        EXPECT_EQ(all[i].window, 0xABC4u) << i;
    }
    EXPECT_EQ(all[0].lParam, 0x10001u);
    EXPECT_EQ(all[1].wParam, 0u);
    EXPECT_EQ(all[2].wParam, 1u);
    EXPECT_EQ(all[3].lParam, 0x10000u);
    EXPECT_EQ(all[4].wParam, 2u);
}

TEST_F(WintabDriverTest, AClientThatWentAwayIsNoLongerCountedWithoutAnyPacket)
{
    ASSERT_TRUE(driver.open());
    ReceivedRecords received;
    ReadingClient client(pipeName(), received);
    ASSERT_TRUE(client.connected);
    ASSERT_TRUE(waitUntil([&] { return driver.clientCount() == 1; }));

    client.close();

    EXPECT_TRUE(waitUntil([&] { return driver.clientCount() == 0; }));
}

TEST_F(WintabDriverTest, ADriverWithAConnectedClientIsDestroyedWithoutHanging)
{
    const WintabDriverInterface_Win32::Names otherNames = uniqueWintabNames();
    auto other = std::make_unique<WintabDriverInterface_Win32>(otherNames);
    ASSERT_TRUE(other->open());
    ReceivedRecords received;
    ReadingClient client(currentSessionName(otherNames.pipePrefix), received);
    ASSERT_TRUE(client.connected);
    ASSERT_TRUE(waitUntil([&] { return other->clientCount() == 1; }));

    // A hang shows as a time-out of the whole test; the bound here only names the failure.
    const auto start = std::chrono::steady_clock::now();
    other.reset();
    EXPECT_LT(std::chrono::steady_clock::now() - start, 20s);
    EXPECT_TRUE(waitUntil([&] { return !client.end->isConnected(); }));
}
