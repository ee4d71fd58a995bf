#include "nibwire/DefaultContext.h"

#include <cstring>

namespace DefaultContext {

namespace {

bool isPhotoshopCode(std::uint32_t code)
{
    return code == 1542 || (code >= 1554 && code <= 1565);
}

} // namespace

LOGCONTEXTA make(const VirtualScreen &screen, const HostIdentification::HostIdentity &host)
{
    LOGCONTEXTA context;
    std::memset(&context, 0, sizeof context);
    std::memcpy(context.lcName, kName, sizeof kName);
    context.lcOptions = CXO_SYSTEM;
    context.lcStatus = CXS_ONTOP;
    context.lcMsgBase = WT_DEFBASE;
    context.lcPktRate = 200;
    context.lcPktData = PK_BUTTONS | PK_X | PK_Y | PK_NORMAL_PRESSURE | PK_ORIENTATION;
    context.lcMoveMask = PK_BUTTONS | PK_X | PK_Y | PK_NORMAL_PRESSURE;
    context.lcBtnDnMask = 7;
    context.lcBtnUpMask = 7;
    context.lcInExtX = 0x7FFF;
    context.lcInExtY = 0x7FFF;
    context.lcOutExtX = 0x7FFF;
    context.lcOutExtY = 0x7FFF;
    context.lcSensX = 0x10000;
    context.lcSensY = 0x10000;
    context.lcSysOrgX = screen.x;
    context.lcSysOrgY = screen.y;
    context.lcSysExtX = screen.width;
    context.lcSysExtY = screen.height;
    context.lcSysSensX = 0x10000;
    context.lcSysSensY = 0x10000;
    if (!host.matched || isPhotoshopCode(host.hostCode)) {
        context.lcOutOrgX = screen.x;
        context.lcOutOrgY = screen.y;
        context.lcOutExtX = screen.width;
        context.lcOutExtY = screen.height;
        if (host.hostCode == 1) {
            context.lcOutOrgX = 0;
            context.lcOutOrgY = 0;
            context.lcOutExtX = 0x7FFF;
            context.lcOutExtY = 0x7FFF;
        }
    }
    return context;
}

} // namespace DefaultContext

namespace SlotAllocation {

OpenDecision allocate(const std::array<SlotState, kSlotCount> &slots)
{
    OpenDecision decision;
    for (int index = 0; index < kSlotCount; ++index) {
        std::uint32_t handle = slots[std::size_t(index)].handle;
        if (!slots[std::size_t(index)].windowAlive) {
            decision.clear[std::size_t(index)] = true;
            handle = 0;
        }
        if (handle == 0) {
            decision.taken = index;
            break;
        }
    }
    return decision;
}

bool ownedBy(std::uint32_t handle, bool inContextMap, std::uint32_t slotHandle,
             std::uint64_t slotOwner, std::uint32_t processId)
{
    return handle >= 1 && handle <= std::uint32_t(kSlotCount) && inContextMap && slotHandle == handle
           && slotOwner == processId;
}

} // namespace SlotAllocation
