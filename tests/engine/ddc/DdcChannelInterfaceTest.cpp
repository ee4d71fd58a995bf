#include "engine/ddc/DdcChannelInterface.h"

#include "engine/ddc/MccsCodes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using testing::ElementsAre;
using Requests = std::vector<std::string>;

std::string hexByte(std::uint32_t value)
{
    char text[8];
    std::snprintf(text, sizeof(text), "0x%02X", value);
    return text;
}

// A channel that records the requests it receives ("vcp 0x14=5", "temperature 1") and answers
// reads from the values the test gives it. Writes change nothing it reads, so a read-back can
// only show what the code under test asked for.
class RecordingChannel : public IDdcChannel
{
public:
    bool capabilities(std::uint32_t &bits, std::uint32_t &temperatures) override
    {
        bits = 0x2 | 0x4 | 0x8;
        temperatures = 0xFF;
        return true;
    }
    bool brightness(std::uint32_t &, std::uint32_t &, std::uint32_t &) override { return false; }
    bool contrast(std::uint32_t &, std::uint32_t &, std::uint32_t &) override { return false; }
    bool gain(Gain, std::uint32_t &, std::uint32_t &, std::uint32_t &) override { return false; }
    bool setColorTemperature(ColorTemperature temperature) override
    {
        requests.push_back("temperature " + std::to_string(int(temperature)));
        return answers;
    }
    bool readVcp(std::uint8_t code, std::uint32_t &current, std::uint32_t &maximum) override
    {
        requests.push_back("read " + hexByte(code));
        current = presetValue;
        maximum = 13;
        return code == MccsCodes::kSelectColorPreset;
    }
    bool writeVcp(std::uint8_t code, std::uint32_t value) override
    {
        requests.push_back("vcp " + hexByte(code) + "=" + std::to_string(value));
        return answers;
    }

    bool answers = true;
    std::uint32_t presetValue = 0;
    Requests requests;
};

class RecordingInterface : public DdcChannelInterface
{
public:
    explicit RecordingInterface(std::shared_ptr<RecordingChannel> channel)
        : DdcChannelInterface([](std::chrono::milliseconds) {}), channel(std::move(channel))
    {
    }
    bool init(int) override { return bindChannel(channel); }

private:
    const std::shared_ptr<RecordingChannel> channel;
};

class DdcChannelInterfaceTest : public testing::Test
{
protected:
    DdcChannelInterfaceTest() : channel(std::make_shared<RecordingChannel>()), ddc(channel)
    {
        ddc.init(0);
    }

    std::shared_ptr<RecordingChannel> channel;
    RecordingInterface ddc;
};

struct PresetRequest
{
    int preset;
    const char *request; // nullptr: no request at all
};

} // namespace

TEST_F(DdcChannelInterfaceTest, EachPresetMakesItsOwnRequestAndAnswersWithItsOutcome)
{
    const PresetRequest rows[] = {
        {IDDCInterface::PresetSrgb, "vcp 0x14=1"},
        {IDDCInterface::Preset4000K, "temperature 1"},
        {IDDCInterface::Preset5000K, "vcp 0x14=4"},
        {IDDCInterface::Preset6500K, "vcp 0x14=5"},
        {IDDCInterface::Preset7500K, "vcp 0x14=6"},
        {IDDCInterface::Preset9300K, "vcp 0x14=8"},
        {IDDCInterface::PresetUser, "vcp 0x14=11"},
        {IDDCInterface::NoPreset, nullptr},
        {3, nullptr},
        {64, nullptr},
        {241, nullptr},
    };
    for (const bool answers : {true, false}) {
        channel->answers = answers;
        for (const PresetRequest &row : rows) {
            SCOPED_TRACE(testing::Message() << "preset " << row.preset << (answers ? "" : ", refused"));
            channel->requests.clear();
            const bool set = ddc.setColorPreset(row.preset);
            if (!row.request) {
                EXPECT_FALSE(set);
                EXPECT_TRUE(channel->requests.empty());
                continue;
            }
            EXPECT_EQ(set, answers);
            EXPECT_THAT(channel->requests, ElementsAre(row.request));
        }
    }
}

TEST_F(DdcChannelInterfaceTest, ThePresetIsReadFromTheSelectColorPresetCode)
{
    const std::pair<std::uint32_t, int> rows[] = {
        {1, IDDCInterface::PresetSrgb},  {3, IDDCInterface::Preset4000K}, {5, IDDCInterface::Preset6500K},
        {11, IDDCInterface::PresetUser}, {2, IDDCInterface::NoPreset},    {12, IDDCInterface::NoPreset},
    };
    for (const auto &[value, preset] : rows) {
        channel->requests.clear();
        channel->presetValue = value;
        EXPECT_EQ(ddc.colorPreset(), preset) << value;
        EXPECT_THAT(channel->requests, ElementsAre("read 0x14"));
    }
}
