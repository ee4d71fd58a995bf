#include "ipc/InterprocessCommunication_Win32.h"

#include "ipc/IpcDiagnostics.h"
#include "ipc/PipeTiming.h"
#include "ipc/RecordReassembler.h"
#include "ipc/SessionId_Win32.h"

namespace {

constexpr DWORD kPipeInstances = 255;
constexpr DWORD kPipeBufferSize = 32767;
constexpr DWORD kReadSize = 32;

class Event
{
public:
    Event() : handle(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Event()
    {
        if (handle)
            CloseHandle(handle);
    }
    Event(const Event &) = delete;
    Event &operator=(const Event &) = delete;

    HANDLE get() const { return handle; }

private:
    const HANDLE handle;
};

DWORD milliseconds(std::chrono::milliseconds time)
{
    return DWORD(time.count());
}

// Waits for the request of `overlapped` or for `wake`. A request that is not done by then is
// cancelled, and its completion awaited: the system no longer touches the buffer or the event
// once this returns. True when the request completed with `transferred` bytes.
bool finishRequest(HANDLE handle, OVERLAPPED &overlapped, HANDLE wake, DWORD timeout,
                   DWORD &transferred, bool &woken)
{
    const HANDLE handles[2] = {overlapped.hEvent, wake};
    const DWORD waited = WaitForMultipleObjects(wake ? 2 : 1, handles, FALSE, timeout);
    woken = waited == WAIT_OBJECT_0 + 1;
    if (waited != WAIT_OBJECT_0)
        CancelIoEx(handle, &overlapped);
    transferred = 0;
    return GetOverlappedResult(handle, &overlapped, &transferred, TRUE) != FALSE;
}

} // namespace

InterprocessCommunication::InterprocessCommunication()
    : wakeEvent(CreateEventW(nullptr, TRUE, FALSE, nullptr))
{}

InterprocessCommunication::~InterprocessCommunication()
{
    close();
    if (wakeEvent)
        CloseHandle(wakeEvent);
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
    if (InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
        && SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
        attributes.lpSecurityDescriptor = &descriptor;
    const HANDLE created = CreateNamedPipeA(
            fullName.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
            PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, kPipeInstances, kPipeBufferSize,
            kPipeBufferSize, NMPWAIT_WAIT_FOREVER, &attributes);
    if (created == INVALID_HANDLE_VALUE)
        return OpenResult::CreateFailed;

    Event connectEvent;
    if (!connectEvent.get()) {
        CloseHandle(created);
        return OpenResult::Failed;
    }
    OVERLAPPED overlapped{};
    overlapped.hEvent = connectEvent.get();
    OpenResult result = OpenResult::Failed;
    if (ConnectNamedPipe(created, &overlapped)) {
        result = OpenResult::Connected;
    } else {
        const DWORD error = GetLastError();
        if (error == ERROR_PIPE_CONNECTED) {
            // The client came between creation and connect; the system signals nothing then.
            result = OpenResult::Connected;
        } else if (error == ERROR_IO_PENDING) {
            DWORD transferred = 0;
            bool woken = false;
            const bool done = finishRequest(created, overlapped, wakeEvent,
                                            milliseconds(PipeTiming::kConnectWait), transferred,
                                            woken);
            if (woken)
                result = OpenResult::Stopped;
            else
                result = done ? OpenResult::Connected : OpenResult::TimedOut;
        }
    }
    if (result == OpenResult::Connected && stopping())
        result = OpenResult::Stopped;
    if (result != OpenResult::Connected) {
        CloseHandle(created);
        return result;
    }
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        pipe = created;
    }
    connectionId = id;
    writeIpcDiagnostic("new client idd:" + std::to_string(id));
    connected = true;
    return OpenResult::Connected;
}

InterprocessCommunication::OpenResult InterprocessCommunication::openClient(
        const std::string &fullName)
{
    HANDLE opened = INVALID_HANDLE_VALUE;
    for (int attempt = 0;; ++attempt) {
        opened = CreateFileA(fullName.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
        if (opened != INVALID_HANDLE_VALUE)
            break;
        if (GetLastError() != ERROR_PIPE_BUSY)
            return OpenResult::NoPipe;
        // Every instance is taken: wait for a free one, then try again.
        if (stopping())
            return OpenResult::Stopped;
        if (attempt + 1 >= PipeTiming::kBusyAttempts
            || !WaitNamedPipeA(fullName.c_str(), milliseconds(PipeTiming::kBusyWait))) {
            writeIpcDiagnostic("WaitNamedPipe timeout 500ms,err:"
                               + std::to_string(GetLastError()));
            return OpenResult::TimedOut;
        }
    }
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        pipe = opened;
    }
    connectionId = 0;
    // Marked before any read, so the reader's end always comes after and clears it.
    connected = true;
    if (eventCallback)
        eventCallback(nullptr, connectionId, 1);
    return OpenResult::Connected;
}

bool InterprocessCommunication::write(const std::uint8_t *bytes, std::size_t length)
{
    if (!connected.load() || !bytes || length == 0 || length > MAXDWORD)
        return false;
    std::lock_guard<std::mutex> lock(writeMutex);
    if (pipe == INVALID_HANDLE_VALUE)
        return false;
    Event event;
    if (!event.get())
        return false;
    OVERLAPPED overlapped{};
    overlapped.hEvent = event.get();
    bool written = false;
    if (WriteFile(pipe, bytes, DWORD(length), nullptr, &overlapped)
        || GetLastError() == ERROR_IO_PENDING) {
        DWORD transferred = 0;
        bool woken = false;
        written = finishRequest(pipe, overlapped, nullptr, milliseconds(PipeTiming::kWriteWait),
                                transferred, woken)
                && transferred == length;
    }
    if (!written)
        connected = false;
    return written;
}

void InterprocessCommunication::close()
{
    stopFlag = true;
    if (wakeEvent)
        SetEvent(wakeEvent);
    // A reader in readUntilClosed has been woken and leaves before the handle goes.
    std::lock_guard<std::mutex> reading(readMutex);
    {
        std::lock_guard<std::mutex> lock(writeMutex);
        if (pipe != INVALID_HANDLE_VALUE)
            CloseHandle(pipe);
        pipe = INVALID_HANDLE_VALUE;
    }
    connected = false;
    if (wakeEvent && !stopRequested.load())
        ResetEvent(wakeEvent);
    stopFlag = false;
}

void InterprocessCommunication::requestStop()
{
    stopRequested = true;
    if (wakeEvent)
        SetEvent(wakeEvent);
}

void InterprocessCommunication::readUntilClosed()
{
    {
        std::lock_guard<std::mutex> reading(readMutex);
        if (pipe != INVALID_HANDLE_VALUE)
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
        Event readEvent;
        while (readEvent.get() && !stopping()) {
            std::uint8_t buffer[1024] = {};
            ResetEvent(readEvent.get());
            OVERLAPPED overlapped{};
            overlapped.hEvent = readEvent.get();
            // A read the system rejects at once ends the connection like a zero-length read.
            if (!ReadFile(pipe, buffer, kReadSize, nullptr, &overlapped)
                && GetLastError() != ERROR_IO_PENDING)
                break;
            DWORD transferred = 0;
            bool woken = false;
            const bool done = finishRequest(pipe, overlapped, wakeEvent, INFINITE, transferred,
                                            woken);
            if (stopping() || !done || transferred == 0)
                break;
            for (std::vector<std::uint8_t> &record : reassembler.append(buffer, transferred)) {
                if (dataCallback)
                    dataCallback(connectionId,
                                 std::make_shared<std::vector<std::uint8_t>>(std::move(record)));
            }
        }
    } catch (...) {
    }
}
