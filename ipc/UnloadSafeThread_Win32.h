#pragma once

#include <windows.h>

#include <chrono>
#include <functional>

// A thread of a library that the host may unload at any time. DllMain and the static destructors
// of a library run under the loader lock, and a thread on its way out needs that lock for the
// system's thread exit, so it cannot be joined there. Instead the thread signals its end as the
// very last thing it does, by a call that does not come back into the library's code; an unload
// waits for that signal only, however long the thread takes, and the thread's exit goes on once
// the loader lock is free. The library is unmapped only after the signal, so no thread ever runs
// its code unmapped.
//
// That wait ends only if the body, once told to return, needs nothing that the unloading thread
// holds: it must not take the loader lock (no loading or looking up of modules, no new threads)
// and must take no lock of its owner's that an unload holds while it waits. What needs the loader
// lock once per thread goes into the set-up, which runs before start returns. The body must leave
// no lock held when it returns; everything it owns lives in the thread's owner.
class UnloadSafeThread
{
public:
    using Body = std::function<void()>;
    // The call that tells a waiting stop the thread has left: SetEvent on the thread's left event,
    // made as the thread's very last act. Tests put a probe in its place.
    using LeaveSignal = BOOL(WINAPI *)(HANDLE);

    // A thread that has not finished its set-up within this time is left to start on its own.
    static constexpr std::chrono::milliseconds kStartWait{5000};

    UnloadSafeThread() = default;
    // Joins a thread that is still running.
    ~UnloadSafeThread();
    UnloadSafeThread(const UnloadSafeThread &) = delete;
    UnloadSafeThread &operator=(const UnloadSafeThread &) = delete;

    // Runs `setUp` (when given) and then `body` on a new thread, and returns once the set-up is
    // done, so that no thread of the library is still in the system's start-up or its own
    // set-up (both may need the loader lock) when the host unloads it. False when there is a
    // thread already or none could be made.
    bool start(Body body, Body setUp = nullptr, LeaveSignal leaveSignal = &SetEvent);
    bool running() const { return thread != nullptr; }

    // Normal stop, once the owner has told the body to return: waits for the thread to exit.
    void join();
    // Stop under the loader lock, once the owner has told the body to return: waits until the
    // thread has left the library's code, with no time-out, and lets go of it.
    void waitForLeave();
    // The process is ending and the system has already ended every other thread: forgets the
    // thread without waiting and frees nothing.
    void abandon();

private:
    struct State;
    // What the thread's last instruction needs; the thread's start routine (assembly, in the
    // .cpp file) reads it at fixed offsets.
    struct LastStep
    {
        LeaveSignal signal;
        HANDLE leftEvent;
    };

    // The thread's start routine: runs the body, then jumps to the leave signal.
    static DWORD WINAPI threadStart(void *state) asm("unloadSafeThreadStart");
    // Everything of the thread before its last step; gives the thread what that step needs.
    static const LastStep *runThread(void *state) asm("unloadSafeThreadRun");
    static void runBody(const Body &body);
    void release(bool done);

    HANDLE thread = nullptr;
    State *state = nullptr;
};
