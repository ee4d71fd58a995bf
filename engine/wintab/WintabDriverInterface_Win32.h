#pragma once

#include "engine/wintab/IWintabDriverInterface.h"
#include "engine/wintab/WintabPublishing.h"
#include "ipc/IPCServer_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

// Publishes pen packets to the Wintab contexts that Nibwire copies keep in the session's shared
// section, and tells their windows over the pipe. Runs on the engine worker; the pipe's accept
// thread adds the connections of new clients and removes those of clients that went away.
class WintabDriverInterface_Win32 : public IWintabDriverInterface
{
public:
    // The session's objects unless other names are given (tests).
    struct Names
    {
        std::string section = currentSessionName(SessionNames::kSectionPrefix);
        std::string mutex = currentSessionName(SessionNames::kMutexPrefix);
        std::string pipePrefix = SessionNames::kPipePrefix;
    };

    WintabDriverInterface_Win32();
    explicit WintabDriverInterface_Win32(const Names &names);
    ~WintabDriverInterface_Win32() override;

    bool open() override;
    bool postWintabPacket(const WintabPenRecord &record) override;
    int pointerOutputWanted() const override { return pointerWanted; }
    int foregroundHostCode() const override { return hostCode; }
    int clientCount() const override { return clients.load(); }

private:
    void recountClients(const char *event, unsigned id);
    void send(const std::vector<PostMessageRecord> &requests);

    WintabSharedSection section;
    IPCServer server;
    std::atomic<int> clients{0};
    std::uint16_t lastState = WintabPublishing::kStateOutOfProximity;
    std::uint32_t packetCounter = 0;
    std::uint32_t ownProcessId = 0;
    int pointerWanted = 1;
    int hostCode = 0;
};
