// Allocations on the report path, counted by replacing the program's allocation functions
// (tests/engine/support/CountedAllocations.h, included through ReportRoutes.h). A program of its
// own, since the replacement counts for every test in it.
#include "engine/support/ReportRoutes.h"

#include <gtest/gtest.h>

using namespace ReportRoutes;

namespace {

// The reports of a stroke with keys, a dial and the touch control between its packets.
std::vector<Bytes> reports()
{
    std::vector<Bytes> all;
    for (int i = 0; i < 64; ++i) {
        all.push_back(penReport(i % 8 == 0 ? 0xA0 : 0xA1, std::uint16_t(1000 + 100 * i), std::uint16_t(50 * i)));
        if (i % 16 == 5)
            all.push_back({9, 'B', 1, 1, 0x04, 0, 0, 0, 0});
        if (i % 16 == 9)
            all.push_back({9, 'B', 3, 1, 3, 0, 0, 0, 0});
        if (i % 16 == 13)
            all.push_back({9, 'C', 1, 0x10, 0, 0, 0, 0, 0});
    }
    all.push_back(penReport(0xC0, 7400, 0));
    all.push_back(penReport(0xC0, 7400, 0)); // dropped by the out-of-range filter
    return all;
}

} // namespace

TEST(ReportPathAllocations, TheReadThreadAllocatesNothingFromReadToQueue)
{
    for (const bool workerRuns : {true, false}) {
        SCOPED_TRACE(workerRuns ? "the worker takes the packets" : "the queue runs full");
        CountedAllocations::allocations = 0; // the previous round's read thread logged its end
        auto bus = std::make_shared<SimulatedHidBus>();
        bus->addDevice(simulatedTablet(kPath, "QZ-Pen 6"));
        EnginePlatform platform;
        platform.hid = bus;
        AppLogic logic(std::move(platform));
        logic.setConfigure(wholeScreen());
        logic.start();
        if (!workerRuns)
            logic.stop();
        ASSERT_TRUE(logic.currentDevice());
        CountedReadThread readThread(*logic.currentDevice());

        const std::vector<Bytes> stroke = reports();
        const int rounds = workerRuns ? 4 : 40; // beyond the queue's limit without the worker
        std::size_t fed = 0;
        for (int round = 0; round < rounds; ++round) {
            // The handle keeps 32 reports; more at once would drop some before they are read.
            for (std::size_t first = 0; first < stroke.size(); first += 16) {
                for (std::size_t i = first; i < std::min(first + 16, stroke.size()); ++i)
                    ASSERT_TRUE(bus->feedReport(kPath, stroke[i]));
                fed += std::min<std::size_t>(16, stroke.size() - first);
                ASSERT_TRUE(readThread.waitFor(fed));
            }
        }
        EXPECT_EQ(CountedAllocations::allocations, 0u);
        if (!workerRuns) {
            EXPECT_EQ(logic.queuedPacketCount(), std::size_t(AppLogic::kQueueLimit) + 1);
        }
    }
}

TEST(ReportPathAllocations, NoRouteAllocatesFromTheTabletsReportToTheOutputReport)
{
    constexpr int kWarmRounds = 2;
    constexpr int kCountedRounds = 4;
    for (const Route &route : allRoutes()) {
        SCOPED_TRACE(route.name);
        const RouteCount count = countRoute(route, kWarmRounds, kCountedRounds);
        ASSERT_TRUE(count.complete);
        EXPECT_EQ(count.allocations, 0u) << "over " << count.reports << " reports";
        EXPECT_GT(count.outputReports, 0u) << "the route wrote its reports";
    }
}
