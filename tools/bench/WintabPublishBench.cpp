// Cost of the Wintab road under Wine:
//   1. one postWintabPacket with 1 and with 16 open contexts (contexts of a made-up process in
//      a section of the benchmark's own, no client connected);
//   2. the time from postWintabPacket to a Wintab client reading the packet: WintabProbe.exe
//      loads Nibwire.dll beside this program and reads every packet on its WT_PACKET message;
//      and the cost of postWintabPacket with that client connected.
// Usage: wintab_publish_bench.exe [PACKETS [PER_SECOND]]
#include "engine/wintab/WintabDriverInterface_Win32.h"
#include "ipc/SectionLock_Win32.h"

#include "engine/support/WintabProbeProcess.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <thread>
#include <vector>

namespace {

using namespace std::chrono_literals;

double percentile(std::vector<double> values, double fraction)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const std::size_t index =
            std::min(values.size() - 1, std::size_t(fraction * double(values.size() - 1) + 0.5));
    return values[index];
}

double microseconds(LONGLONG ticks)
{
    static const LONGLONG frequency = [] {
        LARGE_INTEGER value;
        QueryPerformanceFrequency(&value);
        return value.QuadPart;
    }();
    return double(ticks) * 1e6 / double(frequency);
}

LONGLONG now()
{
    LARGE_INTEGER value;
    QueryPerformanceCounter(&value);
    return value.QuadPart;
}

WintabPenRecord penRecord(int i)
{
    WintabPenRecord record;
    record.x = 1000 + i % 20000;
    record.y = 2000 + i % 20000;
    record.pressure = 1000;
    record.state = 0xA1;
    return record;
}

WintabDriverInterface_Win32::Names privateNames()
{
    const std::string tag = "qz_bench_" + std::to_string(GetCurrentProcessId());
    WintabDriverInterface_Win32::Names names;
    names.section = "Local\\" + tag + "_section";
    names.mutex = "Local\\" + tag + "_mutex";
    names.pipePrefix = "\\\\.\\pipe\\" + tag;
    return names;
}

void openMadeUpContexts(WintabSharedSection &section, std::uint32_t count)
{
    SectionLock lock(section);
    for (std::uint32_t handle = 1; handle <= kContextCount; ++handle) {
        ContextSlot *slot = section.slotForHandle(handle);
        *slot = ContextSlot{};
        if (handle > count)
            continue;
        slot->handle = handle;
        slot->ownerProcessId = GetCurrentProcessId() + 4;
        slot->window = 0x10000 + handle;
        slot->context.lcOptions = 0x4;
    }
}

void measurePublishCost(int packets)
{
    const WintabDriverInterface_Win32::Names names = privateNames();
    WintabDriverInterface_Win32 driver(names);
    WintabSharedSection nibwireSide(WintabSharedSection::kNibwireLockTimeout, names.section,
                                    names.mutex);
    if (!nibwireSide.openSection()) {
        std::printf("the benchmark's shared section could not be opened\n");
        return;
    }
    for (std::uint32_t contexts : {1u, 16u}) {
        openMadeUpContexts(nibwireSide, contexts);
        std::vector<double> costs;
        for (int i = 0; i < packets; ++i) {
            const LONGLONG start = now();
            driver.postWintabPacket(penRecord(i));
            costs.push_back(microseconds(now() - start));
        }
        std::printf("postWintabPacket, %2u contexts: median %.1f us, p99 %.1f us (%d packets)\n",
                    contexts, percentile(costs, 0.5), percentile(costs, 0.99), packets);
    }
}

void measureLatency(std::uint32_t contexts, int packets, int perSecond)
{
    WintabDriverInterface_Win32 driver;
    driver.open();
    WintabProbeProcess probe;
    const std::wstring arguments = L"--contexts " + std::to_wstring(contexts) + L" --packets "
                                   + std::to_wstring(packets) + L" --timeout-ms 120000";
    if (!probe.start(arguments) || probe.waitForKind("ready", 60s).empty()) {
        std::printf("WintabProbe.exe did not start or open its contexts\n");
        return;
    }
    for (int i = 0; i < 3000 && driver.clientCount() == 0; ++i)
        std::this_thread::sleep_for(10ms);

    std::vector<LONGLONG> posted;
    std::vector<double> postCosts;
    const auto interval = std::chrono::microseconds(1000000 / std::max(1, perSecond));
    auto next = std::chrono::steady_clock::now();
    for (int i = 0; i < packets; ++i) {
        std::this_thread::sleep_until(next);
        next += interval;
        posted.push_back(now());
        driver.postWintabPacket(penRecord(i));
        postCosts.push_back(microseconds(now() - posted.back()));
    }
    probe.waitForKind("done", 120s);

    std::vector<double> latencies;
    for (const std::string &line : probe.lines()) {
        auto fields = probeFields(line);
        if (fields["kind"] != "packet")
            continue;
        const std::size_t serial = std::stoul(fields["serial"]);
        if (serial < posted.size())
            latencies.push_back(microseconds(std::stoll(fields["qpc"]) - posted[serial]));
    }
    // A publisher slower than the pace sends fewer packets a second than asked, which spares
    // the client: the rate reached is shown beside the one asked for.
    const double seconds = microseconds(posted.back() - posted.front()) / 1e6;
    const double reached = seconds > 0 ? double(posted.size() - 1) / seconds : 0.0;
    std::printf("postWintabPacket with the client, %2u contexts: median %.1f us, p99 %.1f us\n",
                contexts, percentile(postCosts, 0.5), percentile(postCosts, 0.99));
    std::printf("post to client read, %2u contexts: median %.1f us, p99 %.1f us "
                "(%zu of %d packets read, %d per second asked, %.0f reached)\n",
                contexts, percentile(latencies, 0.5), percentile(latencies, 0.99),
                latencies.size(), packets * int(contexts), perSecond, reached);
}

} // namespace

int main(int argc, char **argv)
{
    const int packets = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    const int perSecond = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    measurePublishCost(packets * 5);
    measureLatency(1, packets, perSecond);
    measureLatency(16, packets / 4, perSecond);
    return 0;
}
