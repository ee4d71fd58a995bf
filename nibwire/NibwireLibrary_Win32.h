#pragma once
// The state of the library in one host process: the section shared with QZTablet, the pipe client
// that hears QZTablet's post requests, the contexts this process opened and who the host is.
#include "ipc/Deadline.h"
#include "ipc/IPCClient_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"
#include "nibwire/ContextCalls_Win32.h"
#include "nibwire/ContextMap.h"
#include "nibwire/HostIdentification.h"
#include "nibwire/PacketCalls_Win32.h"
#include "nibwire/WintabInfo.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

class NibwireLibrary
{
public:
    static constexpr int kClientIntervalMs = 2000;
    static constexpr int kInitialQueueSize = 32;
    // The longest an unload waits, under the loader lock, for the section's lock, counted from
    // its start: the pipe threads' leaving (normally milliseconds) comes out of it too.
    static constexpr std::chrono::milliseconds kUnloadBound{500};

    // The one object of the process, made at static initialisation (which opens the named mutex).
    static NibwireLibrary &instance();

    NibwireLibrary();
    NibwireLibrary(const NibwireLibrary &) = delete;
    NibwireLibrary &operator=(const NibwireLibrary &) = delete;

    // DllMain: maps the section.
    void attach();
    // DllMain, under the loader lock: stops the pipe client, waiting until its threads have left
    // the library's code, and removes this process's contexts. When the process is ending its
    // other threads are gone already: nothing waits for them.
    void detach(bool processEnding);

    // WTInfoA / WTInfoW; the first call starts the pipe client.
    UINT info(UINT category, UINT index, void *output, WintabInfo::Text text);
    // Starts the pipe client on the first call of the process.
    void startClientOnce();

    ContextCalls &contextCalls() { return contextCallSet; }
    PacketCalls &packetCalls() { return packetCallSet; }

    int queueSize() const { return queueSizeValue.load(); }
    BOOL setQueueSize(int size);

private:
    // Runs on the pipe client's reader thread.
    void onPipeRecord(const std::shared_ptr<std::vector<std::uint8_t>> &bytes);
    HostIdentification::HostIdentity host();
    LOGCONTEXTA defaultContext();
    void removeProcessContexts(bool processEnding, const Deadline &deadline);

    WintabSharedSection section;
    IPCClient client;
    std::atomic<bool> clientStarted{false};
    ContextMap contexts;
    std::mutex hostMutex;
    bool hostKnown = false;
    HostIdentification::HostIdentity hostIdentity;
    std::atomic<int> queueSizeValue{kInitialQueueSize};
    ContextCalls contextCallSet;
    PacketCalls packetCallSet;
};
