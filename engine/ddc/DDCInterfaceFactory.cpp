#include "engine/ddc/DDCInterfaceFactory.h"

#include "engine/ddc/SimulatedDDCInterface.h"

#include <QtGlobal>

#include <algorithm>
#include <mutex>

namespace {

// The number of simulated monitors a setting asks for; 0 for none or an unusable setting.
int simulatedCount(const QString &setting)
{
    bool isNumber = false;
    const int count = setting.trimmed().toInt(&isNumber);
    return isNumber && count >= 1 && count <= IDDCInterface::kMaxDisplays ? count : 0;
}

} // namespace

std::shared_ptr<IDDCInterface> DDCInterfaceFactory::fromEnvironment(const SystemInterfaceMaker &makeSystemInterface)
{
    return fromSetting(qEnvironmentVariable(kEnvironmentVariable), makeSystemInterface);
}

std::shared_ptr<IDDCInterface> DDCInterfaceFactory::fromSetting(const QString &setting,
                                                                const SystemInterfaceMaker &makeSystemInterface)
{
    const int count = simulatedCount(setting);
    if (count == 0)
        return makeSystemInterface();
    return std::make_shared<SimulatedDDCInterface>(simulatedMonitors(count));
}

std::vector<std::shared_ptr<SimulatedDdcMonitor>> DDCInterfaceFactory::simulatedMonitors(int count)
{
    static std::mutex mutex;
    static std::vector<std::shared_ptr<SimulatedDdcMonitor>> monitors;
    std::lock_guard<std::mutex> lock(mutex);
    while (int(monitors.size()) < count)
        monitors.push_back(std::make_shared<SimulatedDdcMonitor>());
    return {monitors.begin(), monitors.begin() + std::max(count, 0)};
}
