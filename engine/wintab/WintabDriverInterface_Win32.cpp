#include "engine/wintab/WintabDriverInterface_Win32.h"

#include "ipc/SectionLock_Win32.h"

#include <windows.h>
#include <timeapi.h>

#include <string>

namespace {

std::uint32_t foregroundProcessId()
{
    DWORD processId = 0;
    if (HWND window = GetForegroundWindow())
        GetWindowThreadProcessId(window, &processId);
    return processId;
}

} // namespace

WintabDriverInterface_Win32::WintabDriverInterface_Win32() : WintabDriverInterface_Win32(Names())
{
}

WintabDriverInterface_Win32::WintabDriverInterface_Win32(const Names &names)
    : section(WintabSharedSection::kQzTabletLockTimeout, names.section, names.mutex),
      server(names.pipePrefix), ownProcessId(GetCurrentProcessId())
{
    // Without the section QZTablet runs on without Wintab output: every publish finds no
    // context.
    section.openSection();
}

WintabDriverInterface_Win32::~WintabDriverInterface_Win32()
{
    server.stop();
    section.closeSection();
}

bool WintabDriverInterface_Win32::open()
{
    return server.start(nullptr, [this](std::shared_ptr<InterprocessCommunication>, unsigned id,
                                        int event) {
        recountClients(event != 0 ? "wintab add conn,iid=" : "wintab remove conn,iid=", id);
    });
}

bool WintabDriverInterface_Win32::postWintabPacket(const WintabPenRecord &record)
{
    const PacketQueueEntry entry = WintabPublishing::makeEntry(record, timeGetTime());
    const WintabPublishing::Proximity proximity =
            WintabPublishing::transition(lastState, record.state);
    ++packetCounter;
    pointerWanted = 1;
    hostCode = int(kUnrecognisedApplicationCode);

    WintabPublishing::Facts facts;
    facts.ownProcessId = ownProcessId;
    facts.foregroundProcessId = foregroundProcessId;
    facts.packetCounter = packetCounter;

    WintabPublishing::Outcome outcome;
    {
        SectionLock lock(section);
        if (!lock)
            return false;
        outcome = WintabPublishing::publish(section.view(), record, entry, proximity, facts);
    }
    // Proximity moves on only with a packet that the contexts saw.
    lastState = record.state;
    pointerWanted = outcome.pointerOutputWanted ? 1 : 0;
    hostCode = outcome.foregroundHostCode;
    send(outcome.requests);
    return true;
}

void WintabDriverInterface_Win32::send(const std::vector<PostMessageRecord> &requests)
{
    if (requests.empty())
        return;
    server.send(requests);
    recountClients(nullptr, 0);
}

void WintabDriverInterface_Win32::recountClients(const char *event, unsigned id)
{
    const int count = int(server.connectionCount() & 0xFF);
    clients = count;
    if (event) {
        const std::string line =
                std::string(event) + std::to_string(id) + " conns:" + std::to_string(count);
        OutputDebugStringA(line.c_str());
    }
}
