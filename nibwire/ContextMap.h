#pragma once
// The contexts that this process opened: handle (1..16) to the window given at open. It decides
// which handles a call may use and which windows may be sent the messages that QZTablet asks for.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <vector>

class ContextMap
{
public:
    // Inserts the handle, or gives an existing one the new window.
    void put(std::uint32_t handle, std::uint64_t window);
    void erase(std::uint32_t handle);
    bool contains(std::uint32_t handle) const;
    std::size_t size() const;

    // Runs `action` once, under the map's lock, when some context has `window`; true when it ran.
    bool withWindow(std::uint64_t window, const std::function<void()> &action) const;

    // Empties the map and returns its handles in ascending order.
    std::vector<std::uint32_t> takeAll();
    // Same, but only if the lock is free at once: at process end a thread that died may hold it.
    std::optional<std::vector<std::uint32_t>> tryTakeAll();

private:
    std::vector<std::uint32_t> takeLocked();

    mutable std::mutex mutex;
    std::map<std::uint32_t, std::uint64_t> windows;
};
