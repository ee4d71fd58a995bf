#pragma once

#include <QDateTime>
#include <QString>

struct _EXCEPTION_POINTERS;

// Writes a minidump of the process into the log folder when an exception reaches the top
// without a handler; the process then ends. Nothing is shown to the user.
class CrashDumpHandler_Win32
{
public:
    // The folder the dumps go to; set before the handler can fire (start-up, before any window).
    static void setLogFolder(const QString &folder);
    static QString logFolder();

    // Makes writeCrashDump the process's unhandled-exception filter.
    static void installCrashHandler();

    // Writes the dump (no file when the folder is missing or not writable) and returns
    // EXCEPTION_EXECUTE_HANDLER (1), so the process ends. `exception` may be null: a dump
    // without an exception record.
    static long writeCrashDump(_EXCEPTION_POINTERS *exception);

    // "<folder>/Zelvo_<yyyyMMddhhmmss>.dmp"; dumps of the same second share the name.
    static QString dumpFilePath(const QString &folder, const QDateTime &localTime);
};
