#include "engine/ddc/DDCInterface_Win32.h"

#include "engine/display/DisplayManager_Win32.h"
#include "engine/support/DdcExpectations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <vector>

namespace {

using std::chrono::milliseconds;

// No display of the test machine (Wine, a virtual display) answers over DDC/CI.
class DDCInterface_Win32Test : public testing::Test
{
protected:
    DDCInterface_Win32Test()
        : ddc([this](milliseconds pause) { pauses.push_back(pause); })
    {
    }

    void expectNothingAnswers()
    {
        ::expectNothingAnswers(ddc);
        EXPECT_TRUE(pauses.empty());
    }

    std::vector<milliseconds> pauses;
    DDCInterface_Win32 ddc;
};

} // namespace

TEST_F(DDCInterface_Win32Test, BeforeInitNothingAnswers)
{
    expectNothingAnswers();
}

TEST_F(DDCInterface_Win32Test, ADisplayWithoutDdcLeavesNoMonitor)
{
    EXPECT_FALSE(ddc.init(0));
    expectNothingAnswers();
}

TEST_F(DDCInterface_Win32Test, AnIndexOutOfRangeLeavesNoMonitor)
{
    EXPECT_FALSE(ddc.init(8));
    EXPECT_FALSE(ddc.init(-1));
    EXPECT_FALSE(ddc.init(1000));
    expectNothingAnswers();
}

TEST_F(DDCInterface_Win32Test, InitMayBeRepeated)
{
    for (int round = 0; round < 3; ++round)
        EXPECT_FALSE(ddc.init(0));
    expectNothingAnswers();
}

TEST(DDCInterface_Win32, TheDisplayManagerMakesTheSystemsInterface)
{
    qunsetenv("QZTABLET_SIMULATED_DDC");
    const std::shared_ptr<IDDCInterface> ddc = DisplayManager_Win32::instance()->createDDCInterface();
    EXPECT_NE(std::dynamic_pointer_cast<DDCInterface_Win32>(ddc), nullptr);
    EXPECT_NE(ddc, DisplayManager_Win32::instance()->createDDCInterface());
}

TEST(DDCInterface_Win32, TheDisplayManagerMakesSimulatedMonitorsOnRequest)
{
    qputenv("QZTABLET_SIMULATED_DDC", "1");
    const std::shared_ptr<IDDCInterface> ddc = DisplayManager_Win32::instance()->createDDCInterface();
    qunsetenv("QZTABLET_SIMULATED_DDC");
    EXPECT_EQ(std::dynamic_pointer_cast<DDCInterface_Win32>(ddc), nullptr);
    EXPECT_TRUE(ddc->init(0));
    std::uint32_t minimum = 0, current = 0, maximum = 0;
    EXPECT_TRUE(ddc->brightness(minimum, current, maximum));
}

TEST(DDCInterface_Win32, FindsEachListedDisplayByItsDeviceName)
{
    const std::vector<MonitorInfo> monitors = DisplayManager_Win32::instance()->enumerateMonitors(false);
    ASSERT_FALSE(monitors.empty());
    std::vector<int> indexes;
    for (const MonitorInfo &monitor : monitors)
        indexes.push_back(DDCInterface_Win32::displayIndexOf(monitor.deviceName));
    std::sort(indexes.begin(), indexes.end());
    for (int position = 0; position < int(indexes.size()); ++position)
        EXPECT_EQ(indexes[std::size_t(position)], position);
    EXPECT_EQ(DDCInterface_Win32::displayIndexOf("\\\\.\\DISPLAY99"), -1);
    EXPECT_EQ(DDCInterface_Win32::displayIndexOf(""), -1);
}
