#include "ipc/UnloadSafeThread_Win32.h"

#include <utility>

struct UnloadSafeThread::State
{
    Body body;
    // Manual reset; set by the thread as it reaches its body.
    HANDLE runningEvent = nullptr;
    // Manual reset; set by the thread as its last act.
    HANDLE leftEvent = nullptr;
};

UnloadSafeThread::~UnloadSafeThread()
{
    join();
}

bool UnloadSafeThread::start(Body body)
{
    if (thread)
        return false;
    State *fresh = nullptr;
    try {
        fresh = new State;
        fresh->body = std::move(body);
    } catch (...) {
        delete fresh;
        return false;
    }
    fresh->runningEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    fresh->leftEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE made = fresh->runningEvent && fresh->leftEvent
            ? CreateThread(nullptr, 0, &UnloadSafeThread::entry, fresh, 0, nullptr)
            : nullptr;
    thread = made;
    state = fresh;
    if (!made) {
        release(true);
        return false;
    }
    const HANDLE either[2] = {state->runningEvent, thread};
    WaitForMultipleObjects(2, either, FALSE, DWORD(kStartWait.count()));
    return true;
}

void UnloadSafeThread::join()
{
    if (!thread)
        return;
    WaitForSingleObject(thread, INFINITE);
    release(true);
}

bool UnloadSafeThread::waitForLeave(std::chrono::milliseconds bound)
{
    if (!thread)
        return true;
    const HANDLE either[2] = {state->leftEvent, thread};
    const DWORD waited = WaitForMultipleObjects(2, either, FALSE, DWORD(bound.count()));
    const bool left = waited == WAIT_OBJECT_0 || waited == WAIT_OBJECT_0 + 1;
    release(left);
    return left;
}

void UnloadSafeThread::abandon()
{
    // Nothing is freed: the process is ending, and a lock of the heap may have gone with a thread.
    if (thread)
        release(false);
}

void UnloadSafeThread::release(bool done)
{
    if (thread)
        CloseHandle(thread);
    thread = nullptr;
    if (done) {
        if (state->runningEvent)
            CloseHandle(state->runningEvent);
        if (state->leftEvent)
            CloseHandle(state->leftEvent);
        delete state;
    }
    state = nullptr;
}

// Built with sibling calls whatever the build's options: the closing SetEvent must be a jump, so
// that it returns straight to the system's thread start and never into this library, which an
// unload may have unmapped by then.
__attribute__((optimize("O2", "optimize-sibling-calls")))
DWORD WINAPI UnloadSafeThread::entry(void *parameter)
{
    auto *state = static_cast<State *>(parameter);
    SetEvent(state->runningEvent);
    runBody(*state);
    return SetEvent(state->leftEvent);
}

void UnloadSafeThread::runBody(State &state)
{
    try {
        state.body();
    } catch (...) {
    }
}
