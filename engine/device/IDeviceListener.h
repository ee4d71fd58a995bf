#pragma once

#include "engine/device/TabletStatus.h"

#include <functional>

// Reports the arrival and removal of the tablet's interface, on a thread of its own.
class IDeviceListener
{
public:
    using StatusCallback = std::function<void(TabletStatus status, const char *path)>;

    virtual ~IDeviceListener() = default;
    virtual void setStatusCallback(StatusCallback callback) = 0;
    virtual bool start() = 0;
    virtual void stop() = 0;
};
