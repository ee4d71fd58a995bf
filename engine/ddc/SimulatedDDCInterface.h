#pragma once

#include "engine/ddc/DdcChannelInterface.h"
#include "engine/ddc/SimulatedDdcMonitor.h"

#include <memory>
#include <vector>

// DDC/CI over simulated monitors: display i of the enumeration is entry i; a null entry is a
// display without DDC/CI.
class SimulatedDDCInterface : public DdcChannelInterface
{
public:
    explicit SimulatedDDCInterface(std::vector<std::shared_ptr<SimulatedDdcMonitor>> displays,
                                   Pause pause = sleep);

    bool init(int monitorIndex) override;

private:
    const std::vector<std::shared_ptr<SimulatedDdcMonitor>> displays;
};
