#pragma once

#include "engine/apps/ProcessEntry.h"
#include "engine/apps/ProcessListFilter.h"
#include "engine/apps/RunningProcess.h"

#include <cstdint>
#include <vector>

// The executable path of a process, and its count of GDI objects when `gdiObjects` is given;
// empty when the process cannot be opened or its path not read.
QString processImagePath(std::uint32_t processId, int *gdiObjects = nullptr);

// Every process of a system snapshot, in snapshot order; empty when no snapshot can be taken.
std::vector<RunningProcess> snapshotProcesses();

// The running programs that the application picker offers, in snapshot order. The exclusion
// list is read from the resources once per process; `iconFor` gives each entry its icon.
std::vector<ProcessEntry> listRunningProcesses(const ProcessListFilter::IconProvider &iconFor = {});
