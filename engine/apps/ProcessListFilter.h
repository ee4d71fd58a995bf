#pragma once

#include "engine/apps/ProcessEntry.h"
#include "engine/apps/RunningProcess.h"

#include <QSet>
#include <QString>

#include <functional>
#include <vector>

// Where the names of the processes that the application picker hides are kept.
extern const char kProcessFilterResource[];

// The names of the "win32" array of a process filter file; empty when the file cannot be read.
QSet<QString> readProcessFilter(const QString &file = QString::fromLatin1(kProcessFilterResource));

// Chooses the running programs that the application picker offers: processes with windows of
// their own, outside the system folder, and not named in the exclusion list.
class ProcessListFilter
{
public:
    using IconProvider = std::function<QIcon(const QString &path)>;

    // QZTablet itself is always hidden, whatever the list says.
    static const QString kOwnProgramName;
    static constexpr int kMinimumGdiObjects = 10;

    explicit ProcessListFilter(const QSet<QString> &excludedNames, IconProvider iconFor = {});

    // Fills `entry` and returns true when the process is offered.
    bool admit(const RunningProcess &process, ProcessEntry &entry) const;
    // The offered processes, in the given order.
    std::vector<ProcessEntry> entries(const std::vector<RunningProcess> &processes) const;

    // The file name without ".exe", when ".exe" comes after its first character.
    static QString programName(const QString &exeName);

private:
    // Lower case: Windows does not tell names apart by case.
    QSet<QString> excluded;
    IconProvider iconFor;
};
