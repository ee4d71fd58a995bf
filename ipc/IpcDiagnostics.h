#pragma once

#include <string>

// Diagnostic lines of the pipe and section code. Only QZTablet's build writes them (to standard
// output); it defines QZ_IPC_DIAGNOSTICS=1. Every other build compiles them away.
#if defined(QZ_IPC_DIAGNOSTICS) && QZ_IPC_DIAGNOSTICS
constexpr bool kIpcDiagnostics = true;
#else
constexpr bool kIpcDiagnostics = false;
#endif

void writeIpcDiagnostic(const std::string &line);
