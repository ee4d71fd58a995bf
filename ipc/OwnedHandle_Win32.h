#pragma once

#include <windows.h>

// Owns one handle of the system and closes it when it goes. Creation functions report failure
// either as a null handle or as INVALID_HANDLE_VALUE; both count as no handle here.
class OwnedHandle
{
public:
    OwnedHandle() = default;
    explicit OwnedHandle(HANDLE handle);
    ~OwnedHandle();
    OwnedHandle(OwnedHandle &&other) noexcept;
    OwnedHandle &operator=(OwnedHandle &&other) noexcept;
    OwnedHandle(const OwnedHandle &) = delete;
    OwnedHandle &operator=(const OwnedHandle &) = delete;

    // An event that is not inherited by programs this process starts, initially not set.
    static OwnedHandle newEvent(bool manualReset = true);

    HANDLE get() const { return handle; }
    bool valid() const { return handle != nullptr; }
    explicit operator bool() const { return valid(); }

    // Closes the handle held, if any, and takes `replacement`.
    void reset(HANDLE replacement = nullptr);
    // Gives the handle up without closing it.
    HANDLE release();

private:
    static HANDLE normalised(HANDLE handle);

    HANDLE handle = nullptr;
};
