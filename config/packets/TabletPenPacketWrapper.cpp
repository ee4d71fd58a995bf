#include "config/packets/TabletPenPacketWrapper.h"

TabletPenPacketWrapper::TabletPenPacketWrapper() = default;

TabletPenPacketWrapper::TabletPenPacketWrapper(const TabletPenPacket &received,
                                               const TabletPenPacket &processed)
    : received(received), processed(processed)
{
}
