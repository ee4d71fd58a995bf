#include "engine/output/DriverInterfaceSet.h"

#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/output/KeyboardDriver.h"
#include "engine/output/PointerDriver.h"
#include "engine/output/VirtualHidReportSink.h"

#include "engine/support/RecordingReportSink.h"
#include "engine/support/SimulatedVirtualDevice.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

class FakePointerDriver : public IPointerDriverInterface
{
public:
    bool open() override
    {
        ++openCalls;
        return opens;
    }
    bool sendPointerEvent(const std::shared_ptr<PointerEvent> &) override { return false; }
    void setMode(int) override {}

    bool opens = true;
    int openCalls = 0;
};

class FakeKeyboardDriver : public IKeyboardDriverInterface
{
public:
    bool open() override
    {
        ++openCalls;
        return opens;
    }
    bool keyNameToVirtualKey(const std::string &, int &code, KeyTable) const override
    {
        code = -1;
        return false;
    }
    bool sendKey(const std::shared_ptr<KeyboardEvent> &, int) override { return false; }

    bool opens = true;
    int openCalls = 0;
};

class FakeWintabDriver : public IWintabDriverInterface
{
public:
    bool open() override
    {
        ++openCalls;
        return opens;
    }
    bool postWintabPacket(const WintabPenRecord &) override { return true; }
    int pointerOutputWanted() const override { return 1; }
    int foregroundHostCode() const override { return 0; }
    int clientCount() const override { return clients; }

    bool opens = true;
    int openCalls = 0;
    int clients = 0;
};

// One session, this one: output always goes ahead.
class SingleSessionState : public IPointerSystemState
{
public:
    bool mouseButtonsSwapped() const override { return false; }
    std::optional<std::vector<SessionState>> sessions() const override
    {
        return std::vector<SessionState>{{1, true}};
    }
    std::optional<std::uint32_t> ownSessionId() const override { return 1u; }
};

struct OpenCase
{
    bool pointerOpens;
    bool keyboardOpens;
    std::uint32_t status;
};

class DriverInterfaceSetOpenTest : public testing::TestWithParam<OpenCase>
{
};

// The drivers of the program, over the simulated bus instead of the system's HID.
class DriverInterfaceSetOnBusTest : public testing::Test
{
protected:
    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
    DriverInterfaceSet drivers{
            std::make_shared<PointerDriver>(std::make_shared<VirtualHidReportSink>(bus, kTestVendorId),
                                            std::make_shared<SingleSessionState>()),
            std::make_shared<KeyboardDriver>(std::make_shared<VirtualHidReportSink>(bus, kTestVendorId),
                                             [](int) {})};
};

} // namespace

TEST_P(DriverInterfaceSetOpenTest, EachDriverThatOpensSetsItsStatusBit)
{
    auto pointer = std::make_shared<FakePointerDriver>();
    auto keyboard = std::make_shared<FakeKeyboardDriver>();
    pointer->opens = GetParam().pointerOpens;
    keyboard->opens = GetParam().keyboardOpens;
    DriverInterfaceSet drivers(pointer, keyboard);

    drivers.openAll();

    EXPECT_EQ(drivers.status(), GetParam().status);
    EXPECT_EQ(pointer->openCalls, 1);
    EXPECT_EQ(keyboard->openCalls, 1);
}

INSTANTIATE_TEST_SUITE_P(PointerAndKeyboard, DriverInterfaceSetOpenTest,
                         testing::Values(OpenCase{false, false, 0u}, OpenCase{true, false, 1u},
                                         OpenCase{false, true, 2u}, OpenCase{true, true, 3u}));

TEST(DriverInterfaceSet, StatusIsZeroBeforeOpenAll)
{
    DriverInterfaceSet drivers(std::make_shared<FakePointerDriver>(),
                               std::make_shared<FakeKeyboardDriver>());

    EXPECT_EQ(drivers.status(), 0u);
}

TEST(DriverInterfaceSet, StatusBitsAreNeverCleared)
{
    auto pointer = std::make_shared<FakePointerDriver>();
    auto keyboard = std::make_shared<FakeKeyboardDriver>();
    DriverInterfaceSet drivers(pointer, keyboard);
    drivers.openAll();
    pointer->opens = false;
    keyboard->opens = false;

    drivers.openAll();

    EXPECT_EQ(drivers.status(), 3u);
}

TEST(DriverInterfaceSet, OpenAllSucceedsWhenAnOutputOpensAndTheWintabServerStarts)
{
    struct Case
    {
        bool pointerOpens;
        bool wintabPresent;
        bool wintabOpens;
        bool result;
    };
    const std::vector<Case> cases = {
        {true, true, true, true},
        {true, true, false, false},
        {true, false, false, false},
        {false, true, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.pointerOpens << c.wintabPresent << c.wintabOpens);
        auto pointer = std::make_shared<FakePointerDriver>();
        auto keyboard = std::make_shared<FakeKeyboardDriver>();
        auto wintab = std::make_shared<FakeWintabDriver>();
        pointer->opens = c.pointerOpens;
        keyboard->opens = false;
        wintab->opens = c.wintabOpens;
        DriverInterfaceSet drivers(pointer, keyboard, c.wintabPresent ? wintab : nullptr);

        EXPECT_EQ(drivers.openAll(), c.result);
        EXPECT_EQ(wintab->openCalls, c.wintabPresent ? 1 : 0);
    }
}

TEST(DriverInterfaceSet, TheWintabBitFollowsTheConnectedClients)
{
    auto wintab = std::make_shared<FakeWintabDriver>();
    DriverInterfaceSet drivers(std::make_shared<FakePointerDriver>(), nullptr, wintab);
    drivers.openAll();
    EXPECT_EQ(drivers.status(), 1u);

    wintab->clients = 2;
    EXPECT_EQ(drivers.status(), 1u | DriverInterfaceSet::WintabClientsPresent);

    wintab->clients = 0;
    EXPECT_EQ(drivers.status(), 1u);
    EXPECT_EQ(drivers.wintabDriver(), wintab);
}

TEST(DriverInterfaceSet, MissingDriversLeaveTheirBitsClear)
{
    DriverInterfaceSet drivers(nullptr, nullptr);

    EXPECT_FALSE(drivers.openAll());
    EXPECT_EQ(drivers.status(), 0u);
}

TEST(DriverInterfaceSet, TheAccessorsHandOutTheDriversItWasGiven)
{
    auto pointer = std::make_shared<FakePointerDriver>();
    auto keyboard = std::make_shared<FakeKeyboardDriver>();
    DriverInterfaceSet drivers(pointer, keyboard);

    EXPECT_EQ(drivers.pointerDriver(), pointer);
    EXPECT_EQ(drivers.keyboardDriver(), keyboard);
}

TEST_F(DriverInterfaceSetOnBusTest, WithoutTheVirtualDeviceNoStatusBitIsSetAndNothingIsSent)
{
    drivers.openAll();

    EXPECT_EQ(drivers.status(), 0u);
    EXPECT_FALSE(drivers.pointerDriver()->sendPointerEvent(
            std::make_shared<DigitizerPointerEvent>(1, 2, 3, 0, 0, 0xA1, 0, 0)));
    EXPECT_FALSE(drivers.keyboardDriver()->sendKey(
            std::make_shared<KeyboardEvent>(KeyboardEvent::Ctrl, 0x16, -1, true), 0));
}

TEST_F(DriverInterfaceSetOnBusTest, WithTheVirtualDeviceBothDriversOpenOnHandlesOfTheirOwn)
{
    bus->addDevice(simulatedVirtualDevice());

    drivers.openAll();

    EXPECT_EQ(drivers.status(), 3u);
    EXPECT_EQ(bus->openHandleCount(kVirtualDevicePath), 2u);
}

TEST_F(DriverInterfaceSetOnBusTest, AVirtualDeviceOfAnotherUsagePageIsNotUsed)
{
    SimulatedHidDevice device = simulatedVirtualDevice();
    device.usagePage = 0x0001;
    bus->addDevice(device);

    drivers.openAll();

    EXPECT_EQ(drivers.status(), 0u);
}

TEST_F(DriverInterfaceSetOnBusTest, APenEventEndsAsItsExactReportOnTheDevice)
{
    bus->addDevice(simulatedVirtualDevice());
    drivers.openAll();

    ASSERT_TRUE(drivers.pointerDriver()->sendPointerEvent(std::make_shared<DigitizerPointerEvent>(
            0x1234, 0x5678, 9000, 0x01F5, 0xFFF0, 0xA1, 0, 0)));

    const std::vector<SimulatedOutputReport> written = bus->writtenReports(kVirtualDevicePath);
    ASSERT_EQ(written.size(), 1u);
    EXPECT_EQ(written[0].bytes,
              zeroPaddedReport({9, 10, 2, 0x21, 0x34, 0x12, 0x78, 0x56, 0x28, 0x03, 0xF5, 0xF0}));
}

TEST_F(DriverInterfaceSetOnBusTest, AnAbsoluteMouseClickEndsAsItsExactReportOnTheDevice)
{
    bus->addDevice(simulatedVirtualDevice());
    drivers.openAll();

    ASSERT_TRUE(drivers.pointerDriver()->sendPointerEvent(std::make_shared<MousePointerEvent>(
            PointerEvent::AbsoluteMouse, 16384, 0x7FFF, MousePointerEvent::Right, 1)));

    EXPECT_EQ(writtenBytes(bus->writtenReports(kVirtualDevicePath), 0),
              zeroPaddedReport({9, 7, 1, 2, 0x00, 0x40, 0xFF, 0x7F, 0}));
}

TEST_F(DriverInterfaceSetOnBusTest, AKeyPressAndReleaseEndAsTheirExactReportsOnTheDevice)
{
    bus->addDevice(simulatedVirtualDevice());
    drivers.openAll();
    const auto press = std::make_shared<KeyboardEvent>(KeyboardEvent::Ctrl, 0x16, -1, true);

    ASSERT_TRUE(drivers.keyboardDriver()->sendKey(press, 5));
    ASSERT_TRUE(drivers.keyboardDriver()->sendKey(std::make_shared<KeyboardEvent>(press->released()), 5));

    const std::vector<SimulatedOutputReport> written = bus->writtenReports(kVirtualDevicePath);
    ASSERT_EQ(written.size(), 2u);
    EXPECT_EQ(written[0].bytes, zeroPaddedReport({9, 9, 4, 0x01, 0, 0x16, 0xFF}));
    EXPECT_EQ(written[1].bytes, zeroPaddedReport({9, 9, 4}));
}

TEST_F(DriverInterfaceSetOnBusTest, SendsFailOnceTheVirtualDeviceIsGone)
{
    bus->addDevice(simulatedVirtualDevice());
    drivers.openAll();
    bus->removeDevice(kVirtualDevicePath);

    EXPECT_FALSE(drivers.pointerDriver()->sendPointerEvent(std::make_shared<MousePointerEvent>(
            PointerEvent::RelativeMouse, std::uint32_t(-3), 2, 0, 0)));
    EXPECT_FALSE(drivers.keyboardDriver()->sendKey(
            std::make_shared<KeyboardEvent>(KeyboardEvent::Shift, -1, -1, true), 0));
    EXPECT_EQ(drivers.status(), 3u);
}
