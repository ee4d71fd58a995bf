#pragma once
// The context that WTInfo reports as the default and the rules for giving a context a slot.
#include "nibwire/HostIdentification.h"
#include "nibwire/WintabTypes.h"

#include <array>
#include <cstdint>

struct VirtualScreen {
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

namespace DefaultContext {

constexpr char kName[] = "Default Context";

LOGCONTEXTA make(const VirtualScreen &screen, const HostIdentification::HostIdentity &host);

} // namespace DefaultContext

namespace SlotAllocation {

constexpr int kSlotCount = 16;
constexpr std::uint32_t kOpenStatus = CXS_ONTOP;

// What an open needs to know of one slot of the shared section.
struct SlotState {
    std::uint32_t handle = 0; // 0 = free
    bool windowAlive = false;
};

struct OpenDecision {
    // Slots to clear before taking one (their window no longer exists).
    std::array<bool, kSlotCount> clear{};
    // Index of the slot taken, -1 when all sixteen are in use; the handle is index + 1.
    int taken = -1;
};

// Slots are tried in order; a slot whose window is gone is cleared first, and the first free slot
// is taken.
OpenDecision allocate(const std::array<SlotState, kSlotCount> &slots);

// A handle belongs to the calling process when it is 1..16, in the process's context map, and its
// slot still names this handle and this process as owner.
bool ownedBy(std::uint32_t handle, bool inContextMap, std::uint32_t slotHandle,
             std::uint64_t slotOwner, std::uint32_t processId);

} // namespace SlotAllocation
