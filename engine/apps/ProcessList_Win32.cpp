#include "engine/apps/ProcessList_Win32.h"

#include "ipc/OwnedHandle_Win32.h"

#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

namespace {

constexpr DWORD kQueryAndReadRights = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;

// Processes of higher integrity open only with the limited right, which still tells the image
// name.
OwnedHandle openProcess(std::uint32_t processId)
{
    if (HANDLE process = OpenProcess(kQueryAndReadRights, FALSE, processId))
        return OwnedHandle(process);
    return OwnedHandle(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
}

// The main module's file name cannot be read across the 32/64-bit boundary (QZTablet ships as
// a 32-bit program, most drawing applications are 64-bit); the image name can.
QString imagePath(HANDLE process)
{
    wchar_t path[MAX_PATH] = {};
    DWORD length = K32GetModuleFileNameExW(process, nullptr, path, MAX_PATH);
    if (length == 0) {
        DWORD size = MAX_PATH;
        length = QueryFullProcessImageNameW(process, 0, path, &size) ? size : 0;
    }
    return QString::fromWCharArray(path, int(length));
}

const QSet<QString> &excludedProcessNames()
{
    static const QSet<QString> names = readProcessFilter();
    return names;
}

} // namespace

QString processImagePath(std::uint32_t processId, int *gdiObjects)
{
    const OwnedHandle process = openProcess(processId);
    if (!process)
        return QString();
    if (gdiObjects)
        *gdiObjects = int(GetGuiResources(process.get(), GR_GDIOBJECTS));
    return imagePath(process.get());
}

std::vector<RunningProcess> snapshotProcesses()
{
    std::vector<RunningProcess> processes;
    const OwnedHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot)
        return processes;
    PROCESSENTRY32W entry = {};
    entry.dwSize = sizeof(entry);
    for (BOOL more = Process32FirstW(snapshot.get(), &entry); more; more = Process32NextW(snapshot.get(), &entry)) {
        RunningProcess process;
        process.id = entry.th32ProcessID;
        process.exeName = QString::fromWCharArray(entry.szExeFile);
        process.path = processImagePath(process.id, &process.gdiObjects);
        processes.push_back(process);
    }
    return processes;
}

std::vector<ProcessEntry> listRunningProcesses(const ProcessListFilter::IconProvider &iconFor)
{
    return ProcessListFilter(excludedProcessNames(), iconFor).entries(snapshotProcesses());
}
