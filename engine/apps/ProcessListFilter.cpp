#include "engine/apps/ProcessListFilter.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const char kProcessFilterResource[] = ":/res/third/ProcessFillter.json";

const QString ProcessListFilter::kOwnProgramName = QStringLiteral("QZTablet");

QSet<QString> readProcessFilter(const QString &file)
{
    QFile input(file);
    if (!input.open(QIODevice::ReadOnly))
        return {};
    QSet<QString> names;
    const QJsonArray win32 = QJsonDocument::fromJson(input.readAll()).object().value(QLatin1String("win32")).toArray();
    for (const QJsonValue &name : win32) {
        if (name.isString())
            names.insert(name.toString());
    }
    return names;
}

ProcessListFilter::ProcessListFilter(const QSet<QString> &excludedNames, IconProvider iconFor)
    : iconFor(std::move(iconFor))
{
    for (const QString &name : excludedNames)
        excluded.insert(name.toLower());
    excluded.insert(kOwnProgramName.toLower());
}

QString ProcessListFilter::programName(const QString &exeName)
{
    const int extension = exeName.indexOf(QLatin1String(".exe"), 0, Qt::CaseInsensitive);
    return extension > 0 ? exeName.left(extension) : exeName;
}

// Names and paths are compared without regard to case, as Windows treats them.
bool ProcessListFilter::admit(const RunningProcess &process, ProcessEntry &entry) const
{
    if (process.gdiObjects < kMinimumGdiObjects || process.exeName.isEmpty() || process.path.isEmpty())
        return false;
    if (process.path.contains(QLatin1String("C:\\Windows\\"), Qt::CaseInsensitive)
        || process.exeName.contains(QLatin1String(".dll"), Qt::CaseInsensitive))
        return false;
    const QString name = programName(process.exeName);
    if (excluded.contains(name.toLower()))
        return false;
    entry.name = name;
    entry.path = process.path;
    entry.icon = iconFor ? iconFor(process.path) : QIcon();
    return true;
}

std::vector<ProcessEntry> ProcessListFilter::entries(const std::vector<RunningProcess> &processes) const
{
    std::vector<ProcessEntry> offered;
    for (const RunningProcess &process : processes) {
        ProcessEntry entry;
        if (admit(process, entry))
            offered.push_back(std::move(entry));
    }
    return offered;
}
