#pragma once

#include <QString>
#include <QtGlobal>

#include <functional>

// What the single-instance guard asks of the operating system: who this process is, and
// whether the process that the shared block names as the primary still runs.
struct InstanceSystem
{
    qint64 processId = 0;
    QString userName;
    // Absent: every recorded primary counts as running.
    std::function<bool(qint64 processId)> processRunning;
};
