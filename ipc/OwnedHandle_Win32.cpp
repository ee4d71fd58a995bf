#include "ipc/OwnedHandle_Win32.h"

#include <utility>

OwnedHandle::OwnedHandle(HANDLE handle) : handle(normalised(handle)) {}

OwnedHandle::~OwnedHandle()
{
    reset();
}

OwnedHandle::OwnedHandle(OwnedHandle &&other) noexcept : handle(other.release()) {}

OwnedHandle &OwnedHandle::operator=(OwnedHandle &&other) noexcept
{
    if (this != &other)
        reset(other.release());
    return *this;
}

OwnedHandle OwnedHandle::newEvent(bool manualReset)
{
    return OwnedHandle(CreateEventW(nullptr, manualReset ? TRUE : FALSE, FALSE, nullptr));
}

void OwnedHandle::reset(HANDLE replacement)
{
    const HANDLE previous = std::exchange(handle, normalised(replacement));
    if (previous)
        CloseHandle(previous);
}

HANDLE OwnedHandle::release()
{
    return std::exchange(handle, nullptr);
}

HANDLE OwnedHandle::normalised(HANDLE handle)
{
    return handle == INVALID_HANDLE_VALUE ? nullptr : handle;
}
