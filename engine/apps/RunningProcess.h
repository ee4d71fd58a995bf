#pragma once

#include <QString>

#include <cstdint>

// One process of a system snapshot, before the application picker chooses what to show.
struct RunningProcess
{
    std::uint32_t id = 0;
    // The executable's file name as the snapshot gives it ("krita.exe").
    QString exeName;
    // Empty when the process could not be opened.
    QString path;
    int gdiObjects = 0;
};
