#pragma once

#include "engine/ddc/IDDCInterface.h"
#include "engine/ddc/SimulatedDdcMonitor.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

// Chooses the DDC/CI of a new interface: simulated monitors when the environment variable
// QZTABLET_SIMULATED_DDC holds their number (1 to 8; display i is then simulated monitor i),
// the system's DDC/CI otherwise.
class DDCInterfaceFactory
{
public:
    static constexpr const char *kEnvironmentVariable = "QZTABLET_SIMULATED_DDC";

    using SystemInterfaceMaker = std::function<std::shared_ptr<IDDCInterface>()>;

    static std::shared_ptr<IDDCInterface> fromEnvironment(const SystemInterfaceMaker &makeSystemInterface);
    // `setting` as the environment variable would hold it.
    static std::shared_ptr<IDDCInterface> fromSetting(const QString &setting,
                                                      const SystemInterfaceMaker &makeSystemInterface);

    // The first `count` simulated monitors of the process. They live as long as the process, so
    // what one interface writes, the next one reads.
    static std::vector<std::shared_ptr<SimulatedDdcMonitor>> simulatedMonitors(int count);
};
