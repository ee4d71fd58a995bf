// The Wintab road across two processes: this test publishes pen records through QZTablet's real
// Wintab driver; WintabProbe.exe, a 64-bit Wintab client with a real window, loads Nibwire.dll,
// opens a context and prints what it is sent and what it reads.
#include "engine/wintab/WintabDriverInterface_Win32.h"

#include "engine/support/WintabProbeProcess.h"
#include "support/WaitUntil.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace {

constexpr int kStrokeLength = 40;

// A stroke as the pen handler hands it over: hover in, touch down with rising pressure (the
// barrel button held on a few of them), lift, and leave.
std::vector<WintabPenRecord> stroke()
{
    std::vector<WintabPenRecord> records;
    for (int i = 0; i < kStrokeLength; ++i) {
        WintabPenRecord record;
        record.x = 1000 + i * 137;
        record.y = 30000 - i * 211;
        const bool last = i == kStrokeLength - 1;
        const bool touching = i >= 2 && i < kStrokeLength - 3;
        record.state = last ? 0xC0 : touching ? 0xA1 : 0xA0;
        record.pressure = touching ? 500u + std::uint32_t(i) * 97u : 0u;
        record.buttons = (i >= 10 && i < 14) ? 2 : 0;
        records.push_back(record);
    }
    return records;
}

// The buttons field of an absolute-buttons context: a bit per pressed button, the tip's and the
// barrel button's together.
std::uint32_t expectedButtons(const WintabPenRecord &record)
{
    return std::uint32_t(record.state & 1) | record.buttons;
}


// How the probe makes its context: the text width of its calls and the information category
// whose record it starts from.
struct ClientForm
{
    bool narrow;
    unsigned contextCategory;
    const char *name;
};

void PrintTo(const ClientForm &form, std::ostream *out)
{
    *out << form.name;
}

class WintabEndToEnd : public testing::TestWithParam<ClientForm>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(wintabProbeExists())
                << "WintabProbe.exe is built in the nibwire tree; not found beside "
                << std::string(QZ_NIBWIRE_BIN_DIR);
        ASSERT_TRUE(driver.open());
    }

    WintabDriverInterface_Win32 driver;
    WintabProbeProcess probe;
};

} // namespace

TEST_P(WintabEndToEnd, AClientWindowReceivesProximityAndReadsEveryPacketItWasSent)
{
    const ClientForm form = GetParam();
    const std::wstring arguments = L"--packets " + std::to_wstring(kStrokeLength)
                                   + L" --timeout-ms 60000 --context-category "
                                   + std::to_wstring(form.contextCategory)
                                   + (form.narrow ? L" --narrow" : L"");
    ASSERT_TRUE(probe.start(arguments));
    const std::string ready = probe.waitForKind("ready", 60s);
    ASSERT_FALSE(ready.empty()) << "the probe never opened a context; it printed:\n"
                                << ::testing::PrintToString(probe.lines());
    const std::string context = probeFields(ready)["contexts"];
    ASSERT_TRUE(waitUntil([&] { return driver.clientCount() > 0; }, 30s))
            << "Nibwire never connected to the pipe";

    const std::vector<WintabPenRecord> records = stroke();
    for (const WintabPenRecord &record : records)
        ASSERT_TRUE(driver.postWintabPacket(record));

    ASSERT_FALSE(probe.waitForKind("done", 60s).empty());
    EXPECT_EQ(probe.exitCode(30s), 0);

    std::map<std::uint32_t, std::map<std::string, std::string>> packets;
    std::vector<std::string> proximity;
    int readOneByOne = 0;
    int readTogether = 0;
    for (const std::string &line : probe.lines()) {
        auto fields = probeFields(line);
        if (fields["kind"] == "proximity") {
            EXPECT_EQ(fields["ctx"], context);
            proximity.push_back(fields["entering"]);
        } else if (fields["kind"] == "packet") {
            const std::uint32_t serial = std::uint32_t(std::stoul(fields["serial"]));
            EXPECT_EQ(packets.count(serial), 0u) << "serial " << serial << " read twice";
            (fields["via"] == "packet" ? readOneByOne : readTogether) += 1;
            packets[serial] = fields;
        }
    }
    EXPECT_EQ(proximity, (std::vector<std::string>{"1", "0"}));
    EXPECT_GT(readOneByOne, 0);
    EXPECT_GT(readTogether, 0);
    ASSERT_EQ(packets.size(), records.size());
    for (std::uint32_t serial = 0; serial < records.size(); ++serial) {
        SCOPED_TRACE(serial);
        ASSERT_EQ(packets.count(serial), 1u);
        auto &packet = packets[serial];
        const WintabPenRecord &record = records[serial];
        EXPECT_EQ(packet["ctx"], context);
        EXPECT_EQ(packet["x"], std::to_string(record.x));
        EXPECT_EQ(packet["y"], std::to_string(record.y));
        EXPECT_EQ(packet["pressure"], std::to_string(record.pressure));
        EXPECT_EQ(packet["buttons"], std::to_string(expectedButtons(record)));
        EXPECT_EQ(packet["cursor"], "1");
        EXPECT_EQ(packet["azimuth"], "0");
        EXPECT_EQ(packet["altitude"], "900");
    }
}

// 3 is WTI_DEFCONTEXT; 400 is WTI_DDCTXS, the default digitizing context of device 0, from which
// clients written for Wintab 1.4 start.
INSTANTIATE_TEST_SUITE_P(WideAndNarrow, WintabEndToEnd,
                         testing::Values(ClientForm{false, 3, "WTOpenW"},
                                         ClientForm{true, 3, "WTOpenA"},
                                         ClientForm{false, 400, "WTOpenWFromDigitizingContext"}),
                         [](const testing::TestParamInfo<ClientForm> &info) {
                             return std::string(info.param.name);
                         });
