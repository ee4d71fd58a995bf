#include "engine/ddc/SimulatedDDCInterface.h"

#include <algorithm>
#include <utility>

SimulatedDDCInterface::SimulatedDDCInterface(std::vector<std::shared_ptr<SimulatedDdcMonitor>> displays,
                                             Pause pause)
    : DdcChannelInterface(std::move(pause))
    , displays(std::move(displays))
{
}

bool SimulatedDDCInterface::init(int monitorIndex)
{
    unbindChannel();
    const int listed = std::min(int(displays.size()), kMaxDisplays);
    if (monitorIndex < 0 || monitorIndex >= listed)
        return false;
    return bindChannel(displays[std::size_t(monitorIndex)]);
}
