#include "ipc/InterprocessCommunication_Win32.h"

#include "ipc/IpcDiagnostics.h"
#include "ipc/OverlappedIo_Win32.h"
#include "ipc/PipeTiming.h"
#include "ipc/RecordReassembler.h"
#include "ipc/SessionId_Win32.h"

#include <algorithm>

namespace {

// The requests of one packet come in one write; a read takes up to 32 records of it.
constexpr std::size_t kReadSize = 1024;

} // namespace

InterprocessCommunication::InterprocessCommunication() : wakeEvent(OwnedHandle::newEvent()) {}

InterprocessCommunication::~InterprocessCommunication()
{
    close();
}

bool InterprocessCommunication::open(const std::string &name, DataCallback dataCallback,
                                     bool client, EventCallback eventCallback, unsigned id)
{
    return openNamed(currentSessionName(name), std::move(dataCallback), client,
                     std::move(eventCallback), id)
            == OpenResult::Connected;
}

InterprocessCommunication::OpenResult
InterprocessCommunication::openNamed(const std::string &fullName, DataCallback data, bool client,
                                     EventCallback event, unsigned id)
{
    close();
    if (!wakeEvent)
        return OpenResult::Failed;
    dataCallback = std::move(data);
    eventCallback = std::move(event);
    return client ? openClient(fullName) : openServer(fullName, id);
}

InterprocessCommunication::OpenResult InterprocessCommunication::openServer(
        const std::string &fullName, unsigned id)
{
    // An empty DACL lets the client of any user of the session open the pipe.
    SECURITY_DESCRIPTOR descriptor;
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof(attributes);
    attributes.bInheritHandle = FALSE;
    if (InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
        && SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
        attributes.lpSecurityDescriptor = &descriptor;
    OwnedHandle created(CreateNamedPipeA(fullName.c_str(), kServerOpenMode, kServerPipeMode,
                                         kPipeInstances, kPipeBufferSize, kPipeBufferSize,
                                         NMPWAIT_WAIT_FOREVER, &attributes));
    if (!created)
        return OpenResult::CreateFailed;

    const OwnedHandle connectEvent = OwnedHandle::newEvent();
    if (!connectEvent)
        return OpenResult::Failed;
    OVERLAPPED overlapped{};
    overlapped.hEvent = connectEvent.get();
    OpenResult result = OpenResult::Failed;
    if (ConnectNamedPipe(created.get(), &overlapped)) {
        result = OpenResult::Connected;
    } else {
        const DWORD error = GetLastError();
        if (error == ERROR_PIPE_CONNECTED) {
            // The client came between creation and connect; the system signals nothing then.
            result = OpenResult::Connected;
        } else if (error == ERROR_IO_PENDING) {
            OverlappedIo_Win32::Wait wait;
            wait.timeout = PipeTiming::kConnectWait;
            wait.wake = wakeEvent.get();
            // The hang-up watches of the connections made before end during this wait.
            wait.alertable = true;
            DWORD transferred = 0;
            const IoStatus status =
                    OverlappedIo_Win32::finish(created.get(), overlapped, wait, transferred);
            if (status == IoStatus::Completed)
                result = OpenResult::Connected;
            else
                result = status == IoStatus::TimedOut ? OpenResult::TimedOut : OpenResult::Failed;
        }
    }
    if (stopping())
        result = OpenResult::Stopped;
    if (result != OpenResult::Connected)
        return result;
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        pipe = std::move(created);
    }
    connectionId = id;
    writeIpcDiagnostic("new client idd:" + std::to_string(id));
    connected = true;
    return OpenResult::Connected;
}

InterprocessCommunication::OpenResult InterprocessCommunication::openClient(
        const std::string &fullName)
{
    OwnedHandle opened;
    for (int attempt = 0;; ++attempt) {
        opened.reset(CreateFileA(fullName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED,
                                 nullptr));
        if (opened)
            break;
        if (GetLastError() != ERROR_PIPE_BUSY)
            return OpenResult::NoPipe;
        // Every instance is taken: wait for a free one, then try again.
        if (stopping())
            return OpenResult::Stopped;
        if (attempt + 1 >= PipeTiming::kBusyAttempts || !waitForFreeInstance(fullName)) {
            if (stopping())
                return OpenResult::Stopped;
            writeIpcDiagnostic("WaitNamedPipe timeout 500ms,err:"
                               + std::to_string(GetLastError()));
            return OpenResult::TimedOut;
        }
    }
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        pipe = std::move(opened);
    }
    connectionId = 0;
    // Marked before any read, so the reader's end always comes after and clears it.
    connected = true;
    if (eventCallback)
        eventCallback(nullptr, connectionId, 1);
    return OpenResult::Connected;
}

// WaitNamedPipe cannot be woken, so it is called for a short step at a time, and a stop is seen
// between steps: an unload does not wait for the whole time-out.
bool InterprocessCommunication::waitForFreeInstance(const std::string &fullName)
{
    for (std::chrono::milliseconds waited{0}; waited < PipeTiming::kBusyWait && !stopping();
         waited += PipeTiming::kBusyWaitStep) {
        const auto step = std::min(PipeTiming::kBusyWaitStep, PipeTiming::kBusyWait - waited);
        if (WaitNamedPipeA(fullName.c_str(), DWORD(step.count())))
            return true;
        if (GetLastError() != ERROR_SEM_TIMEOUT)
            return false;
    }
    return false;
}

bool InterprocessCommunication::write(const std::uint8_t *bytes, std::size_t length)
{
    if (!connected.load() || !bytes || length == 0 || length > MAXDWORD)
        return false;
    std::lock_guard<std::mutex> lock(writeMutex);
    if (!pipe)
        return false;
    // One event for all writes of the end, rather than one made and closed for each write.
    if (!writeEvent)
        writeEvent = OwnedHandle::newEvent();
    OverlappedIo_Win32::Wait wait;
    wait.timeout = PipeTiming::kWriteWait;
    const bool written =
            OverlappedIo_Win32::write(pipe.get(), writeEvent.get(), bytes, length, wait)
            == IoStatus::Completed;
    if (!written)
        connected = false;
    return written;
}

bool InterprocessCommunication::watchForHangUp(HangUpCallback onHangUp)
{
    hangUpCallback = std::move(onHangUp);
    hangUpWatch.owner = this;
    return startHangUpRead();
}

bool InterprocessCommunication::startHangUpRead()
{
    std::lock_guard<std::mutex> lock(writeMutex);
    if (!pipe)
        return false;
    hangUpWatch.overlapped = OVERLAPPED{};
    return ReadFileEx(pipe.get(), &hangUpWatch.byte, 1, &hangUpWatch.overlapped,
                      hangUpReadEnded)
           != FALSE;
}

void CALLBACK InterprocessCommunication::hangUpReadEnded(DWORD error, DWORD transferred,
                                                        OVERLAPPED *overlapped)
{
    HangUpWatch *watch = CONTAINING_RECORD(overlapped, HangUpWatch, overlapped);
    InterprocessCommunication &end = *watch->owner;
    // A client that wrote something is still there; what it wrote means nothing to the server.
    if (error == ERROR_SUCCESS && transferred > 0 && end.startHangUpRead())
        return;
    end.connected = false;
    const HangUpCallback callback = end.hangUpCallback;
    const unsigned id = end.connectionId;
    try {
        if (callback)
            callback(id);
    } catch (...) {
    }
}

void InterprocessCommunication::close()
{
    stopFlag = true;
    if (wakeEvent)
        SetEvent(wakeEvent.get());
    // A reader in readUntilClosed has been woken and leaves before the handle goes.
    std::lock_guard<std::mutex> reading(readMutex);
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        // Ends a pending hang-up read too.
        if (pipe)
            CancelIoEx(pipe.get(), nullptr);
        pipe.reset();
    }
    connected = false;
    if (wakeEvent && !stopRequested.load())
        ResetEvent(wakeEvent.get());
    stopFlag = false;
}

void InterprocessCommunication::requestStop()
{
    stopRequested = true;
    if (wakeEvent)
        SetEvent(wakeEvent.get());
}

void InterprocessCommunication::readUntilClosed()
{
    {
        std::lock_guard<std::mutex> reading(readMutex);
        if (pipe)
            readRecords();
    }
    connected = false;
    try {
        if (eventCallback)
            eventCallback(nullptr, connectionId, 0);
    } catch (...) {
    }
    writeIpcDiagnostic("ConnectNamedPipe end");
}

void InterprocessCommunication::readRecords()
{
    writeIpcDiagnostic("ConnectNamedPipe conn");
    try {
        RecordReassembler reassembler;
        const OwnedHandle readEvent = OwnedHandle::newEvent();
        OverlappedIo_Win32::Wait wait;
        wait.wake = wakeEvent.get();
        while (readEvent && !stopping()) {
            std::uint8_t buffer[kReadSize] = {};
            std::size_t received = 0;
            // A read the system rejects at once ends the connection like a zero-length read.
            const IoStatus status = OverlappedIo_Win32::read(pipe.get(), readEvent.get(), buffer,
                                                             kReadSize, received, wait);
            if (stopping() || status != IoStatus::Completed || received == 0)
                break;
            for (std::vector<std::uint8_t> &record : reassembler.append(buffer, received)) {
                if (dataCallback)
                    dataCallback(connectionId,
                                 std::make_shared<std::vector<std::uint8_t>>(std::move(record)));
            }
        }
    } catch (...) {
    }
}
