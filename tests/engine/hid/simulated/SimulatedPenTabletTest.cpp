// The shipped description of a simulated pen tablet and the virtual HID device, read through the
// seam as the program reads the real ones.
#include "engine/hid/HidPathEnumeration.h"
#include "engine/hid/UsbDevice_Win32Private.h"
#include "engine/hid/simulated/SimulatedHidBus.h"
#include "engine/hid/simulated/SimulatedHidDescription.h"
#include "engine/support/SourceTreePath.h"

#include <QDir>
#include <QFileInfo>

#include <gmock/gmock.h>

#include <algorithm>

using namespace std::chrono_literals;
using Bytes = std::vector<std::uint8_t>;

namespace {

constexpr std::uint16_t kVendorId = 0x5A4C;

QString shippedDescriptionPath()
{
    return sourceTreePath(QStringLiteral("tools/simulated-hid/pen-tablet.json"));
}

std::string lowBytesText(const Bytes &raw)
{
    std::string text;
    for (std::size_t i = 0; i + 1 < raw.size() && raw[i] != 0; i += 2)
        text.push_back(char(raw[i]));
    return text;
}

unsigned littleEndian16(const Bytes &bytes, std::size_t offset)
{
    return bytes.at(offset) | (unsigned(bytes.at(offset + 1)) << 8);
}

class SimulatedPenTabletTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const SimulatedHidDescription::Devices read =
                SimulatedHidDescription::readFile(shippedDescriptionPath());
        ASSERT_EQ(read.error.toStdString(), "");
        devices = read.devices;
        for (SimulatedHidDevice device : devices) {
            device.outputLogPath.clear(); // the test keeps the source tree clean
            ASSERT_EQ(bus->addDevice(device), SimulatedHidBus::AddResult::Added);
        }
    }

    const SimulatedHidDevice &tablet() const
    {
        return *std::find_if(devices.begin(), devices.end(), [](const SimulatedHidDevice &device) {
            return device.path.find("mi_02") != std::string::npos;
        });
    }

    std::vector<SimulatedHidDevice> devices;
    std::shared_ptr<SimulatedHidBus> bus = std::make_shared<SimulatedHidBus>();
};

} // namespace

TEST_F(SimulatedPenTabletTest, EnumerationFindsExactlyOneTabletInterface)
{
    const std::vector<std::string> paths = enumerateTabletHidPaths(*bus, kVendorId);

    ASSERT_EQ(paths.size(), 1u);
    EXPECT_NE(paths[0].find("mi_02"), std::string::npos);
}

TEST_F(SimulatedPenTabletTest, TheTabletAnswersEveryStringIdentificationAsks)
{
    UsbDevice_Win32Private device(bus);
    ASSERT_TRUE(device.open(enumerateTabletHidPaths(*bus, kVendorId).at(0)));
    Bytes product, string3, string22, featureBlock;
    Bytes string23(32);

    ASSERT_TRUE(device.indexedString(2, product));
    ASSERT_TRUE(device.indexedString(3, string3));
    ASSERT_TRUE(device.indexedString(22, string22));
    ASSERT_TRUE(device.indexedString(20, featureBlock));
    ASSERT_TRUE(device.indexedString(23, string23));

    EXPECT_EQ(device.vendorId(), kVendorId);
    EXPECT_LE(device.productId(), 4096) << "a pen tablet, not a pen display";
    EXPECT_EQ(device.inputReportLength(), 13);
    EXPECT_EQ(lowBytesText(product), "QZ-Pen 6");
    EXPECT_FALSE(lowBytesText(string3).empty());
    EXPECT_FALSE(lowBytesText(string23).empty());
    EXPECT_EQ(string22.at(2), 0) << "coordinate width 2";
    EXPECT_EQ(littleEndian16(featureBlock, 0), 30480u); // maximum x
    EXPECT_EQ(littleEndian16(featureBlock, 2), 20320u); // maximum y
    EXPECT_EQ(littleEndian16(featureBlock, 4), 8191u);  // maximum pressure
    EXPECT_EQ(featureBlock.at(9), 6);                   // express keys
}

TEST_F(SimulatedPenTabletTest, TheVirtualDeviceIsFoundByPathIdsAndUsagePage)
{
    std::vector<std::string> candidates;
    for (const std::string &path : enumerateHidPaths(*bus, "")) {
        if (path.find("tablet") == std::string::npos)
            continue;
        const std::unique_ptr<IHidHandle> handle = bus->open(path);
        if (handle && handle->attributes().vendorId == kVendorId
            && handle->attributes().productId == 0xFFFE
            && handle->capabilities().usagePage == 0xFF00)
            candidates.push_back(path);
    }

    ASSERT_EQ(candidates.size(), 1u);
    EXPECT_EQ(bus->open(candidates[0])->capabilities().outputReportLength, 65);
}

TEST_F(SimulatedPenTabletTest, TheStrokeHoversTouchesDownWithRisingAndFallingPressureLiftsAndLeaves)
{
    const std::vector<SimulatedInputReport> &stroke = tablet().inputReports;
    std::vector<std::uint8_t> states;
    std::vector<unsigned> tipPressures;
    for (const SimulatedInputReport &report : stroke) {
        ASSERT_EQ(report.bytes.size(), 13u);
        EXPECT_EQ(report.bytes[0], 9);
        EXPECT_EQ(report.bytes[1], 'A');
        if (states.empty() || states.back() != report.bytes[2])
            states.push_back(report.bytes[2]);
        if (report.bytes[2] == 0xA1)
            tipPressures.push_back(littleEndian16(report.bytes, 7));
    }

    EXPECT_EQ(states, (std::vector<std::uint8_t>{0xA0, 0xA1, 0xA0, 0xC0}));
    ASSERT_GE(tipPressures.size(), 3u);
    const auto peak = std::max_element(tipPressures.begin(), tipPressures.end());
    EXPECT_TRUE(std::is_sorted(tipPressures.begin(), peak + 1));
    EXPECT_TRUE(std::is_sorted(peak, tipPressures.end(), std::greater<unsigned>()));
    EXPECT_LT(tipPressures.front(), *peak);
    EXPECT_LT(tipPressures.back(), *peak);
}

TEST_F(SimulatedPenTabletTest, TheStrokeIsReplayedToTheTabletInterfaceOnceItIsRead)
{
    UsbDevice_Win32Private device(bus);
    ASSERT_TRUE(device.open(enumerateTabletHidPaths(*bus, kVendorId).at(0)));
    std::size_t received = 0;

    for (std::size_t i = 0; i < tablet().inputReports.size(); ++i) {
        Bytes buffer(device.inputReportLength());
        if (device.read(buffer, 10s) != HidIoStatus::Completed)
            break;
        EXPECT_EQ(buffer, tablet().inputReports[i].bytes) << "report " << i;
        ++received;
    }

    EXPECT_EQ(received, tablet().inputReports.size());
}
