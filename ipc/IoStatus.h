#pragma once

// How one overlapped read, write or other request on a handle ended.
enum class IoStatus {
    Completed,
    TimedOut, // nothing came within the time-out; the request was cancelled
    Failed,   // the handle is closed, the other end is gone, or the request was refused or cancelled
};
