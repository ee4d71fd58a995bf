#include "engine/ddc/SimulatedDDCInterface.h"

#include "engine/ddc/MccsCodes.h"
#include "engine/support/DdcExpectations.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <vector>

namespace {

using std::chrono::milliseconds;
using testing::ElementsAre;

constexpr milliseconds kSettle{300};

std::vector<std::uint8_t> codesOf(const std::vector<SimulatedDdcMonitor::VcpWrite> &writes)
{
    std::vector<std::uint8_t> codes;
    for (const auto &write : writes)
        codes.push_back(write.code);
    return codes;
}

// Display 0 is a pen display with DDC/CI, display 1 has none; the pauses are only recorded.
class SimulatedDDCInterfaceTest : public testing::Test
{
protected:
    SimulatedDDCInterfaceTest()
        : monitor(std::make_shared<SimulatedDdcMonitor>())
        , ddc({monitor, nullptr}, [this](milliseconds pause) { pauses.push_back(pause); })
    {
    }

    std::shared_ptr<SimulatedDdcMonitor> monitor;
    std::vector<milliseconds> pauses;
    SimulatedDDCInterface ddc;
};


} // namespace

TEST_F(SimulatedDDCInterfaceTest, BindsToADisplayWithDdc)
{
    EXPECT_TRUE(ddc.init(0));
}

TEST_F(SimulatedDDCInterfaceTest, BeforeInitNothingAnswers)
{
    expectNothingAnswers(ddc);
    EXPECT_TRUE(monitor->writes().empty());
    EXPECT_TRUE(pauses.empty());
}

TEST_F(SimulatedDDCInterfaceTest, ADisplayWithoutDdcLeavesNoMonitor)
{
    EXPECT_FALSE(ddc.init(1));
    expectNothingAnswers(ddc);
    EXPECT_TRUE(pauses.empty());
}

TEST_F(SimulatedDDCInterfaceTest, AMonitorThatDoesNotAnswerIsNoMonitor)
{
    monitor->setAnswering(false);
    EXPECT_FALSE(ddc.init(0));
    monitor->setAnswering(true);
    expectNothingAnswers(ddc);
    EXPECT_TRUE(monitor->writes().empty());
}

TEST_F(SimulatedDDCInterfaceTest, AnIndexOutOfRangeLeavesNoMonitor)
{
    EXPECT_FALSE(ddc.init(2));
    EXPECT_FALSE(ddc.init(-1));
    expectNothingAnswers(ddc);
}

TEST_F(SimulatedDDCInterfaceTest, ANinthDisplayIsNotListed)
{
    std::vector<std::shared_ptr<SimulatedDdcMonitor>> nine;
    for (int i = 0; i < 9; ++i)
        nine.push_back(std::make_shared<SimulatedDdcMonitor>());
    SimulatedDDCInterface many(nine, [](milliseconds) {});
    EXPECT_TRUE(many.init(7));
    EXPECT_FALSE(many.init(8));
    expectNothingAnswers(many);
    EXPECT_TRUE(nine[8]->writes().empty());
}

TEST_F(SimulatedDDCInterfaceTest, AFailedInitDropsTheMonitorBoundBefore)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_FALSE(ddc.init(1));
    expectNothingAnswers(ddc);
    EXPECT_TRUE(monitor->writes().empty());
}

TEST_F(SimulatedDDCInterfaceTest, CapabilitiesKeepBrightnessContrastAndColourTemperature)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setCapabilities(0xFFF, 0xFF);
    EXPECT_EQ(ddc.capabilities(), 0xEu);
    monitor->setCapabilities(0x12, 0);
    EXPECT_EQ(ddc.capabilities(), std::uint32_t(IDDCInterface::CapabilityBrightness));
    monitor->setCapabilities(0, 0);
    EXPECT_EQ(ddc.capabilities(), 0u);
}

TEST_F(SimulatedDDCInterfaceTest, CapabilitiesAreZeroWhenTheMonitorStopsAnswering)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setAnswering(false);
    EXPECT_EQ(ddc.capabilities(), 0u);
}

TEST_F(SimulatedDDCInterfaceTest, BrightnessAndContrastReadTheirRanges)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setValue(MccsCodes::kContrast, 75, 80);
    std::uint32_t minimum = 9, current = 9, maximum = 9;
    ASSERT_TRUE(ddc.brightness(minimum, current, maximum));
    EXPECT_EQ(minimum, 0u);
    EXPECT_EQ(current, 50u);
    EXPECT_EQ(maximum, 100u);
    ASSERT_TRUE(ddc.contrast(minimum, current, maximum));
    EXPECT_EQ(current, 75u);
    EXPECT_EQ(maximum, 80u);
}

TEST_F(SimulatedDDCInterfaceTest, BrightnessIsWrittenAndSettles)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_TRUE(ddc.setBrightness(80));
    std::uint32_t minimum = 0, current = 0, maximum = 0;
    ASSERT_TRUE(ddc.brightness(minimum, current, maximum));
    EXPECT_EQ(current, 80u);
    EXPECT_THAT(codesOf(monitor->writes()), ElementsAre(MccsCodes::kBrightness));
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, ContrastIsWrittenAndSettles)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_TRUE(ddc.setContrast(0));
    std::uint32_t minimum = 0, current = 9, maximum = 0;
    ASSERT_TRUE(ddc.contrast(minimum, current, maximum));
    EXPECT_EQ(current, 0u);
    EXPECT_THAT(codesOf(monitor->writes()), ElementsAre(MccsCodes::kContrast));
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, AFailedWriteStillSettles)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setFailingCode(MccsCodes::kBrightness, true);
    EXPECT_FALSE(ddc.setBrightness(10));
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, GainsReadAsMinimumCurrentMaximum)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setValue(MccsCodes::kRedGain, 10, 100);
    monitor->setValue(MccsCodes::kGreenGain, 20, 100);
    monitor->setValue(MccsCodes::kBlueGain, 30, 255);
    std::vector<std::uint32_t> red, green, blue{1, 2, 3, 4, 5};
    ASSERT_TRUE(ddc.gains(red, green, blue));
    EXPECT_THAT(red, ElementsAre(0u, 10u, 100u));
    EXPECT_THAT(green, ElementsAre(0u, 20u, 100u));
    EXPECT_THAT(blue, ElementsAre(0u, 30u, 255u));
}

TEST_F(SimulatedDDCInterfaceTest, GainsFailWhenAnyOfTheThreeReadsFails)
{
    ASSERT_TRUE(ddc.init(0));
    for (std::uint8_t failing : {MccsCodes::kRedGain, MccsCodes::kGreenGain, MccsCodes::kBlueGain}) {
        monitor->setFailingCode(failing, true);
        std::vector<std::uint32_t> red, green, blue;
        EXPECT_FALSE(ddc.gains(red, green, blue)) << int(failing);
        EXPECT_EQ(red.size(), 3u);
        EXPECT_EQ(green.size(), 3u);
        EXPECT_EQ(blue.size(), 3u);
        monitor->setFailingCode(failing, false);
    }
}

TEST_F(SimulatedDDCInterfaceTest, GainsAreWrittenRedGreenBlueWithOnePause)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_TRUE(ddc.setGains(10, 20, 30));
    EXPECT_THAT(codesOf(monitor->writes()), ElementsAre(MccsCodes::kRedGain, MccsCodes::kGreenGain, MccsCodes::kBlueGain));
    EXPECT_THAT(pauses, ElementsAre(kSettle));
    std::vector<std::uint32_t> red, green, blue;
    ASSERT_TRUE(ddc.gains(red, green, blue));
    EXPECT_EQ(red[1], 10u);
    EXPECT_EQ(green[1], 20u);
    EXPECT_EQ(blue[1], 30u);
}

TEST_F(SimulatedDDCInterfaceTest, AZeroGainIsNotWritten)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_TRUE(ddc.setGains(0, 70, 0));
    EXPECT_THAT(codesOf(monitor->writes()), ElementsAre(MccsCodes::kGreenGain));
    EXPECT_EQ(monitor->value(MccsCodes::kRedGain), 50u);
    EXPECT_EQ(monitor->value(MccsCodes::kGreenGain), 70u);
}

TEST_F(SimulatedDDCInterfaceTest, NoGainWritesNothingAndStillPauses)
{
    ASSERT_TRUE(ddc.init(0));
    EXPECT_FALSE(ddc.setGains(0, 0, 0));
    EXPECT_TRUE(monitor->writes().empty());
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, OneGainIsWrittenAloneEvenAtZero)
{
    struct Row
    {
        IDDCInterface::Gain gain;
        std::uint32_t value;
        std::uint8_t code;
    };
    const Row rows[] = {
        {IDDCInterface::Gain::Red, 0, MccsCodes::kRedGain},
        {IDDCInterface::Gain::Green, 70, MccsCodes::kGreenGain},
        {IDDCInterface::Gain::Blue, 100, MccsCodes::kBlueGain},
    };
    ASSERT_TRUE(ddc.init(0));
    for (const Row &row : rows) {
        SCOPED_TRACE(int(row.code));
        const std::size_t writesBefore = monitor->writes().size();
        pauses.clear();
        EXPECT_TRUE(ddc.setGain(row.gain, row.value));
        EXPECT_EQ(monitor->writes().size(), writesBefore + 1);
        EXPECT_EQ(monitor->writes().back().code, row.code);
        EXPECT_EQ(monitor->value(row.code), row.value);
        EXPECT_THAT(pauses, ElementsAre(kSettle));
    }
    EXPECT_EQ(monitor->value(MccsCodes::kRedGain), 0u);
}

TEST_F(SimulatedDDCInterfaceTest, GainsAnswerWithTheLastWriteMade)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setFailingCode(MccsCodes::kRedGain, true);
    EXPECT_TRUE(ddc.setGains(10, 20, 0));
    monitor->setFailingCode(MccsCodes::kRedGain, false);
    monitor->setFailingCode(MccsCodes::kGreenGain, true);
    EXPECT_FALSE(ddc.setGains(10, 20, 0));
}

TEST_F(SimulatedDDCInterfaceTest, AnUnreadablePresetIsNoPreset)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setFailingCode(MccsCodes::kSelectColorPreset, true);
    EXPECT_EQ(ddc.colorPreset(), IDDCInterface::NoPreset);
    EXPECT_FALSE(ddc.setColorPreset(IDDCInterface::Preset6500K));
}

TEST_F(SimulatedDDCInterfaceTest, FactoryColourRestoresGainsAndPreset)
{
    ASSERT_TRUE(ddc.init(0));
    ddc.setBrightness(90);
    ddc.setGains(5, 6, 7);
    ddc.setColorPreset(IDDCInterface::PresetUser);
    pauses.clear();

    EXPECT_TRUE(ddc.restoreFactoryColor());

    std::vector<std::uint32_t> red, green, blue;
    ASSERT_TRUE(ddc.gains(red, green, blue));
    EXPECT_EQ(red[1], 50u);
    EXPECT_EQ(green[1], 50u);
    EXPECT_EQ(blue[1], 50u);
    EXPECT_EQ(ddc.colorPreset(), IDDCInterface::Preset6500K);
    EXPECT_EQ(monitor->value(MccsCodes::kBrightness), 90u);
    EXPECT_EQ(monitor->writes().back().code, MccsCodes::kRestoreFactoryColorDefaults);
    EXPECT_EQ(monitor->writes().back().value, 1u);
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, SaveSettingsStoresTheCurrentValues)
{
    ASSERT_TRUE(ddc.init(0));
    ddc.setBrightness(33);
    ddc.setContrast(44);
    pauses.clear();

    EXPECT_TRUE(ddc.saveSettings());

    EXPECT_EQ(monitor->writes().back().code, MccsCodes::kSaveSettings);
    EXPECT_EQ(monitor->writes().back().value, 1u);
    EXPECT_EQ(monitor->savedValue(MccsCodes::kBrightness), 33u);
    EXPECT_EQ(monitor->savedValue(MccsCodes::kContrast), 44u);
    EXPECT_THAT(pauses, ElementsAre(kSettle));
}

TEST_F(SimulatedDDCInterfaceTest, RequestsFailWhenTheMonitorStopsAnswering)
{
    ASSERT_TRUE(ddc.init(0));
    monitor->setAnswering(false);
    std::uint32_t a = 0, b = 0, c = 0;
    EXPECT_FALSE(ddc.brightness(a, b, c));
    EXPECT_FALSE(ddc.setContrast(10));
    EXPECT_FALSE(ddc.saveSettings());
    EXPECT_EQ(ddc.colorPreset(), IDDCInterface::NoPreset);
}

TEST(DdcChannelInterface, PausesOnTheCallersThreadForTheSettleTime)
{
    const auto start = std::chrono::steady_clock::now();
    DdcChannelInterface::sleep(milliseconds(20));
    EXPECT_GE(std::chrono::steady_clock::now() - start, milliseconds(20));
    EXPECT_EQ(DdcChannelInterface::kSettleTime, kSettle);
}
