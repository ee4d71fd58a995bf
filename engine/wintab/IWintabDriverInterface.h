#pragma once

#include "engine/wintab/WintabPenRecord.h"

// QZTablet's Wintab output: hands every processed pen packet to the drawing applications that
// opened Wintab contexts through Nibwire.
class IWintabDriverInterface
{
public:
    virtual ~IWintabDriverInterface() = default;

    // Starts accepting Nibwire connections.
    virtual bool open() = 0;
    // False when the packet could not be published (the shared section stayed locked).
    virtual bool postWintabPacket(const WintabPenRecord &record) = 0;
    // Answers about the packet just posted: 0 while a Wintab client takes the pen, so the
    // pointer event is held back; and the code of a foreground host that wants mouse events.
    virtual int pointerOutputWanted() const = 0;
    virtual int foregroundHostCode() const = 0;
    // Connected Nibwire copies.
    virtual int clientCount() const = 0;
};
