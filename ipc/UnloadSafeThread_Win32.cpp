#include "ipc/UnloadSafeThread_Win32.h"

#include <cstddef>
#include <utility>

struct UnloadSafeThread::State
{
    LastStep last{};
    Body setUp;
    Body body;
    // Manual reset; set by the thread once its set-up is done.
    HANDLE runningEvent = nullptr;
};

// The thread's start routine. Once the left event is set, an unload may unmap this module at
// any moment, so setting it must be the thread's last act and must not return here: the routine
// ends with a jump to the leave signal, which then returns straight to the system's thread start
// with the routine's own stack and return address. Written in assembly so that the jump does not
// depend on the compiler choosing a sibling call (an optimisation level, a sanitizer or a changed
// body would quietly turn it into a call followed by a return into unmapped code); the tests
// check where the signal returns to.
#if defined(__x86_64__)
asm(R"(
    .text
    .p2align 4
    .seh_proc unloadSafeThreadStart
unloadSafeThreadStart:
    subq $40, %rsp
    .seh_stackalloc 40
    .seh_endprologue
    # rcx, the thread's parameter, is the state: runThread(state) returns the last step.
    call unloadSafeThreadRun
    movq 8(%rax), %rcx
    movq (%rax), %rax
    addq $40, %rsp
    # signal(leftEvent), returning to the system's thread start.
    rex.W jmp *%rax
    .seh_endproc
)");
#elif defined(__i386__)
asm(R"(
    .text
    .p2align 4
unloadSafeThreadStart:
    # runThread(state), cdecl; it returns the last step.
    pushl 4(%esp)
    call unloadSafeThreadRun
    addl $4, %esp
    # The left event takes the place of the thread's parameter: the signal, stdcall with one
    # argument like this routine, removes it and returns to the system's thread start.
    movl 4(%eax), %ecx
    movl %ecx, 4(%esp)
    jmp *(%eax)
)");
#else
#error "the thread's start routine is written for x86 and x86-64"
#endif

UnloadSafeThread::~UnloadSafeThread()
{
    join();
}

bool UnloadSafeThread::start(Body body, Body setUp, LeaveSignal leaveSignal)
{
    if (thread || !leaveSignal)
        return false;
    State *fresh = nullptr;
    try {
        fresh = new State;
        fresh->setUp = std::move(setUp);
        fresh->body = std::move(body);
    } catch (...) {
        delete fresh;
        return false;
    }
    fresh->last.signal = leaveSignal;
    fresh->runningEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    fresh->last.leftEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    const HANDLE made = fresh->runningEvent && fresh->last.leftEvent
            ? CreateThread(nullptr, 0, &UnloadSafeThread::threadStart, fresh, 0, nullptr)
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

void UnloadSafeThread::waitForLeave()
{
    if (!thread)
        return;
    // Not the thread's exit, which needs the loader lock; its handle counts only for a thread
    // that someone ended from outside before it could leave.
    const HANDLE either[2] = {state->last.leftEvent, thread};
    WaitForMultipleObjects(2, either, FALSE, INFINITE);
    release(true);
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
        if (state->last.leftEvent)
            CloseHandle(state->last.leftEvent);
        delete state;
    }
    state = nullptr;
}

const UnloadSafeThread::LastStep *UnloadSafeThread::runThread(void *parameter)
{
    // The offsets that the start routine reads.
    static_assert(offsetof(LastStep, signal) == 0);
    static_assert(offsetof(LastStep, leftEvent) == sizeof(void *));
    auto *state = static_cast<State *>(parameter);
    runBody(state->setUp);
    SetEvent(state->runningEvent);
    runBody(state->body);
    return &state->last;
}

void UnloadSafeThread::runBody(const Body &body)
{
    try {
        if (body)
            body();
    } catch (...) {
    }
}
