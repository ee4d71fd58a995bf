#include "config/platform/CrashDumpHandler_Win32.h"

#include <windows.h>

#include <dbghelp.h>

#include <string>

namespace {

QString &storedLogFolder()
{
    static QString folder;
    return folder;
}

LONG WINAPI unhandledExceptionFilter(EXCEPTION_POINTERS *exception)
{
    return CrashDumpHandler_Win32::writeCrashDump(exception);
}

void writeDump(HANDLE file, EXCEPTION_POINTERS *exception)
{
    MINIDUMP_EXCEPTION_INFORMATION information = {};
    information.ThreadId = GetCurrentThreadId();
    information.ExceptionPointers = exception;
    information.ClientPointers = FALSE;
    MiniDumpWriteDump(GetCurrentProcess(), GetCurrentProcessId(), file, MiniDumpNormal,
                      exception ? &information : nullptr, nullptr, nullptr);
}

} // namespace

void CrashDumpHandler_Win32::setLogFolder(const QString &folder)
{
    storedLogFolder() = folder;
}

QString CrashDumpHandler_Win32::logFolder()
{
    return storedLogFolder();
}

void CrashDumpHandler_Win32::installCrashHandler()
{
    SetUnhandledExceptionFilter(unhandledExceptionFilter);
}

long CrashDumpHandler_Win32::writeCrashDump(_EXCEPTION_POINTERS *exception)
{
    // Without a folder the name would point at the root of the current drive.
    if (logFolder().isEmpty())
        return EXCEPTION_EXECUTE_HANDLER;
    const std::wstring path = dumpFilePath(logFolder(), QDateTime::currentDateTime()).toStdWString();
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        writeDump(file, exception);
        CloseHandle(file);
    }
    return EXCEPTION_EXECUTE_HANDLER;
}

QString CrashDumpHandler_Win32::dumpFilePath(const QString &folder, const QDateTime &localTime)
{
    return QStringLiteral("%1/Zelvo_%2.dmp").arg(folder, localTime.toString(QStringLiteral("yyyyMMddhhmmss")));
}
