#pragma once

// Two connected ends of a named byte pipe, both opened for overlapped I/O: requests on them pend
// like HID reads and writes, and their buffer can be made small enough for writes to pend too.
#include <windows.h>

#include <atomic>
#include <string>

class OverlappedPipePair
{
public:
    explicit OverlappedPipePair(DWORD bufferSize = 4096)
    {
        static std::atomic<int> created{0};
        const std::wstring name = L"\\\\.\\pipe\\qz-overlapped-io-"
                + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++created);
        server = CreateNamedPipeW(name.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                  PIPE_TYPE_BYTE | PIPE_READMODE_BYTE | PIPE_WAIT, 1, bufferSize,
                                  bufferSize, 0, nullptr);
        client = CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                             FILE_FLAG_OVERLAPPED, nullptr);
        connect();
    }
    ~OverlappedPipePair()
    {
        closeEnd(server);
        closeEnd(client);
    }
    OverlappedPipePair(const OverlappedPipePair &) = delete;
    OverlappedPipePair &operator=(const OverlappedPipePair &) = delete;

    bool isConnected() const { return connected; }

    // Hands the server end over to its new owner.
    HANDLE releaseServer()
    {
        const HANDLE released = server;
        server = INVALID_HANDLE_VALUE;
        return released;
    }

    HANDLE server = INVALID_HANDLE_VALUE;
    HANDLE client = INVALID_HANDLE_VALUE;

private:
    void connect()
    {
        if (server == INVALID_HANDLE_VALUE || client == INVALID_HANDLE_VALUE)
            return;
        OVERLAPPED overlapped{};
        overlapped.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        if (ConnectNamedPipe(server, &overlapped) || GetLastError() == ERROR_PIPE_CONNECTED) {
            connected = true;
        } else if (GetLastError() == ERROR_IO_PENDING) {
            DWORD unused = 0;
            connected = GetOverlappedResult(server, &overlapped, &unused, TRUE);
        }
        CloseHandle(overlapped.hEvent);
    }

    static void closeEnd(HANDLE &end)
    {
        if (end != INVALID_HANDLE_VALUE)
            CloseHandle(end);
        end = INVALID_HANDLE_VALUE;
    }

    bool connected = false;
};
