#include "ipc/WintabSharedSection_Win32.h"

WintabSharedSection::WintabSharedSection(std::chrono::milliseconds lockTimeout,
                                         const std::string &sectionName,
                                         const std::string &mutexName)
    : sectionName(sectionName), timeout(lockTimeout)
{
    // No handle of the bridge is inherited by the programs that a host starts: a child holding
    // them would keep the objects alive after the host ended.
    mutex.reset(OpenMutexA(MUTEX_ALL_ACCESS, FALSE, mutexName.c_str()));
    if (mutex)
        return;
    // An empty DACL lets every process of the session open the mutex, whoever made it.
    SECURITY_DESCRIPTOR descriptor;
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof(attributes);
    attributes.bInheritHandle = FALSE;
    if (InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION)
        && SetSecurityDescriptorDacl(&descriptor, TRUE, nullptr, FALSE))
        attributes.lpSecurityDescriptor = &descriptor;
    mutex.reset(CreateMutexA(&attributes, FALSE, mutexName.c_str()));
}

WintabSharedSection::~WintabSharedSection()
{
    closeSection();
}

bool WintabSharedSection::openSection()
{
    closeSection();
    created = false;
    mapping.reset(OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, sectionName.c_str()));
    if (!mapping) {
        mapping.reset(CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                         DWORD(kSharedSectionSize), sectionName.c_str()));
        if (!mapping)
            return false;
        created = GetLastError() != ERROR_ALREADY_EXISTS;
    }
    mappedView = MapViewOfFile(mapping.get(), FILE_MAP_ALL_ACCESS, 0, 0, kSharedSectionSize);
    if (!mappedView) {
        mapping.reset();
        created = false;
        return false;
    }
    return true;
}

void WintabSharedSection::closeSection()
{
    if (mappedView)
        UnmapViewOfFile(mappedView);
    mappedView = nullptr;
    mapping.reset();
}
