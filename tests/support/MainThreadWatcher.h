#pragma once

// Google Test on Windows keeps each thread's assertion and trace data with a watcher thread,
// which it starts at that thread's first trace. Wine kills a process with SIGSEGV when it ends
// while one of its threads is still starting, which a loaded machine showed after the last test
// of a short run had started the main thread's watcher. So the test entries start the main
// thread's watcher before any test and wait until it runs. Included by one test entry only.
#include <gtest/gtest.h>

#ifdef _WIN32
#include "support/ThreadCount_Win32.h"

#include <windows.h>

#include <atomic>

namespace {

std::atomic<long> startedThreads{0};

void NTAPI countStartedThread(PVOID, DWORD reason, PVOID)
{
    if (reason == DLL_THREAD_ATTACH)
        ++startedThreads;
}

// A new thread reaches the program's TLS callbacks once the system has finished starting it.
__attribute__((section(".CRT$XLM"), used)) const PIMAGE_TLS_CALLBACK countStartedThreadCallback =
        countStartedThread;

// Called while the main thread is the only one.
void startMainThreadWatcher()
{
    const long before = startedThreads;
    {
        const testing::ScopedTrace trace(__FILE__, __LINE__, "starts the main thread's watcher");
    }
    const DWORD begun = GetTickCount();
    while (startedThreads == before && GetTickCount() - begun < 10000)
        Sleep(1);
}

// The same holds for a thread that is still on its way out when the process ends (a library's
// pipe thread after its unload, say): before returning from main, give the threads that tests
// started a moment to end, down to the count the program had when its tests began. Threads that
// stay (a pool the toolkit keeps) end the wait once the count has held still for a moment.
class ThreadsAtStart
{
public:
    ThreadsAtStart() : count(threadsOfThisProcess()) {}
    void awaitEnd() const
    {
        const DWORD begun = GetTickCount();
        int last = threadsOfThisProcess();
        int unchanged = 0;
        while (last > count && unchanged < 10 && GetTickCount() - begun < 2000) {
            Sleep(5);
            const int now = threadsOfThisProcess();
            unchanged = now == last ? unchanged + 1 : 0;
            last = now;
        }
    }

private:
    const int count;
};

} // namespace

#else

namespace {

void startMainThreadWatcher() {}

class ThreadsAtStart
{
public:
    void awaitEnd() const {}
};

} // namespace

#endif
