// A program that installs the crash handler with the folder of its first argument and then
// dereferences a null pointer, for the crash dump test.
#include "config/platform/CrashDumpHandler_Win32.h"

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    CrashDumpHandler_Win32::setLogFolder(QString::fromLocal8Bit(argv[1]));
    CrashDumpHandler_Win32::installCrashHandler();
    volatile int *volatile nowhere = nullptr;
    *nowhere = 1;
    return 0;
}
