#include "config/packets/PacketMetaTypes.h"

#include "config/packets/TabletComponentPacketWrapper.h"
#include "config/packets/TabletPenPacketWrapper.h"

void registerPacketMetaTypes()
{
    qRegisterMetaType<TabletPenPacketWrapper>("TabletPenPacketWrapper");
    qRegisterMetaType<TabletComponentPacketWrapper>("TabletComponentPacketWrapper");
}
