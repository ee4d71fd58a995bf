#include "ui/dialogs/diagnosis/SystemLibraryFolders_Win32.h"

#include <QDir>

#include <windows.h>

namespace {

// One of the folder queries that take a buffer and its size in characters; empty on failure.
QString folderOf(UINT (WINAPI *query)(LPWSTR, UINT))
{
    wchar_t buffer[MAX_PATH + 1] = {};
    const UINT length = query(buffer, MAX_PATH + 1);
    if (length == 0 || length > MAX_PATH)
        return QString();
    return QDir::fromNativeSeparators(QString::fromWCharArray(buffer, int(length)));
}

} // namespace

SystemFolders systemFolders()
{
    SystemFolders folders;
    folders.process64 = sizeof(void *) == 8;
    folders.system = folderOf(GetSystemDirectoryW);
    folders.wow64System = folderOf(GetSystemWow64DirectoryW);
    folders.windows = folderOf(GetSystemWindowsDirectoryW);
    return folders;
}

QStringList systemWintabLibraryFolders(bool x64)
{
    return wintabLibraryFolders(systemFolders(), x64);
}
