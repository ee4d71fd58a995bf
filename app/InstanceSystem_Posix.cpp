#include "app/InstanceSystem_Posix.h"

#include <QCoreApplication>

#include <cerrno>
#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {

// A process of another user that refuses the signal still runs.
bool isProcessRunning(qint64 processId)
{
    if (processId <= 0 || pid_t(processId) != processId)
        return false;
    return kill(pid_t(processId), 0) == 0 || errno == EPERM;
}

QString loginName()
{
    if (const passwd *entry = getpwuid(geteuid()))
        return QString::fromLocal8Bit(entry->pw_name);
    return QString::fromLocal8Bit(qgetenv("USER"));
}

} // namespace

InstanceSystem posixInstanceSystem()
{
    InstanceSystem system;
    system.processId = QCoreApplication::applicationPid();
    system.userName = loginName();
    system.processRunning = isProcessRunning;
    return system;
}
