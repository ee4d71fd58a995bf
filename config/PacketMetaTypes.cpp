#include "config/PacketMetaTypes.h"

#include "config/TabletComponentPacketWrapper.h"
#include "config/TabletPenPacketWrapper.h"

void registerPacketMetaTypes()
{
    qRegisterMetaType<TabletPenPacketWrapper>("TabletPenPacketWrapper");
    qRegisterMetaType<TabletComponentPacketWrapper>("TabletComponentPacketWrapper");
}
