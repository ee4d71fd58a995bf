#pragma once

// What the arrival listener reports about a tablet interface.
enum class TabletStatus : int {
    Removed = 0,
    Arrived = 1,
};
