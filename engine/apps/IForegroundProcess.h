#pragma once

#include "engine/apps/ProcessEntry.h"

// Tells which program owns the window in the foreground.
class IForegroundProcess
{
public:
    virtual ~IForegroundProcess() = default;

    // Fills `process` (name: the executable's base name in upper case; path; no icon) and
    // returns true, or returns false when no foreground program can be told.
    virtual bool foregroundProcess(ProcessEntry &process) const = 0;
};
