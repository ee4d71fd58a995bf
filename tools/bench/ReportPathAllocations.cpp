// Allocations along the whole report path, natively: the engine on a simulated tablet, each
// route of the worker (absolute pen, mouse mode, the three relative modes, express keys, dials,
// the touch control) fed round after round, from the tablet's input report through the read
// thread, the queue and the worker to the output report of the real pointer and keyboard
// drivers. Counts every malloc and operator new of the read thread and the worker after two
// warm-up rounds, and prints them per report with the output reports written and the time per
// report (which includes waiting for each batch of 16 reports to be read).
// Usage: report_path_allocations [ROUNDS]
#include "engine/support/ReportRoutes.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;
    constexpr int kWarmRounds = 2;
    std::printf("%-24s %9s %9s %12s %14s %12s\n", "route", "reports", "outputs", "allocations", "per report",
                "us/report");
    bool allComplete = true;
    for (const ReportRoutes::Route &route : ReportRoutes::allRoutes()) {
        const ReportRoutes::RouteCount count = ReportRoutes::countRoute(route, kWarmRounds, rounds);
        if (!count.complete) {
            std::printf("%-24s did not finish: reports were lost or not handled in time\n", route.name);
            allComplete = false;
            continue;
        }
        const double reports = double(count.reports);
        std::printf("%-24s %9zu %9zu %12zu %14.3f %12.2f\n", route.name, count.reports, count.outputReports,
                    count.allocations,
                    double(count.allocations) / reports,
                    std::chrono::duration<double, std::micro>(count.elapsed).count() / reports);
    }
    return allComplete ? 0 : 1;
}
