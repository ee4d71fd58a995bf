#include "config/packets/TabletComponentPacketWrapper.h"

TabletComponentPacketWrapper::TabletComponentPacketWrapper() = default;

TabletComponentPacketWrapper::TabletComponentPacketWrapper(const TabletKeyPacket &key)
    : key(key), kind(Key)
{
}

TabletComponentPacketWrapper::TabletComponentPacketWrapper(const TabletDialPacket &dial)
    : dial(dial), kind(Dial)
{
}

TabletComponentPacketWrapper::TabletComponentPacketWrapper(const TabletTouchPacket &touch)
    : touch(touch), kind(Touch)
{
}
