#pragma once

// For tests whose threads could run code that an unload took away: a thread that crashes ends the
// test program at once with a failure, instead of leaving it waiting for a debugger.
#include <windows.h>

#include <cstdio>

class FailOnCrash
{
public:
    FailOnCrash() : previous(SetUnhandledExceptionFilter(&failNow)) {}
    ~FailOnCrash() { SetUnhandledExceptionFilter(previous); }
    FailOnCrash(const FailOnCrash &) = delete;
    FailOnCrash &operator=(const FailOnCrash &) = delete;

private:
    static LONG WINAPI failNow(EXCEPTION_POINTERS *exception)
    {
        std::fprintf(stderr, "a thread crashed at %p\n",
                     exception->ExceptionRecord->ExceptionAddress);
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
        return EXCEPTION_CONTINUE_SEARCH;
    }

    LPTOP_LEVEL_EXCEPTION_FILTER previous;
};
