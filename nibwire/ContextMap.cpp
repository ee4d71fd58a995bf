#include "nibwire/ContextMap.h"

void ContextMap::put(std::uint32_t handle, std::uint64_t window)
{
    std::lock_guard<std::mutex> lock(mutex);
    windows[handle] = window;
}

void ContextMap::erase(std::uint32_t handle)
{
    std::lock_guard<std::mutex> lock(mutex);
    windows.erase(handle);
}

bool ContextMap::contains(std::uint32_t handle) const
{
    std::lock_guard<std::mutex> lock(mutex);
    return windows.count(handle) != 0;
}

std::size_t ContextMap::size() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return windows.size();
}

bool ContextMap::withWindow(std::uint64_t window, const std::function<void()> &action) const
{
    std::lock_guard<std::mutex> lock(mutex);
    for (const auto &entry : windows) {
        if (entry.second == window) {
            action();
            return true;
        }
    }
    return false;
}

std::vector<std::uint32_t> ContextMap::takeAll()
{
    std::lock_guard<std::mutex> lock(mutex);
    return takeLocked();
}

std::optional<std::vector<std::uint32_t>> ContextMap::tryTakeAll()
{
    std::unique_lock<std::mutex> lock(mutex, std::try_to_lock);
    if (!lock.owns_lock())
        return std::nullopt;
    return takeLocked();
}

std::vector<std::uint32_t> ContextMap::takeLocked()
{
    std::vector<std::uint32_t> handles;
    handles.reserve(windows.size());
    for (const auto &entry : windows)
        handles.push_back(entry.first);
    windows.clear();
    return handles;
}
