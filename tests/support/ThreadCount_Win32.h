#pragma once

// The threads of this process, as the system lists them, for tests that check that threads end.
#include <windows.h>
#include <tlhelp32.h>

#include <chrono>
#include <thread>

inline int threadsOfThisProcess()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return -1;
    int count = 0;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

// The thread count once it is `expected`, or after `patience` the count it is then: threads on
// their way out take a moment to leave the list.
inline int threadsSettledAt(int expected, std::chrono::milliseconds patience = std::chrono::seconds(5))
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    int count = threadsOfThisProcess();
    while (count != expected && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        count = threadsOfThisProcess();
    }
    return count;
}
