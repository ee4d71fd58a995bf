#include "ipc/IpcDiagnostics.h"

#include <cstdio>

void writeIpcDiagnostic(const std::string &line)
{
    if constexpr (kIpcDiagnostics) {
        std::fputs(line.c_str(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}
