#include "app/SingleApplication.h"

#include "app/InstanceServerName.h"
#include "app/SingleApplicationPrivate.h"

#include <cstdlib>

SingleApplication::SingleApplication(int &argc, char *argv[], const QString &extraNameData, InstanceSystem system)
    : QApplication(argc, argv)
{
    const QStringList extraData = extraNameData.isEmpty() ? QStringList() : QStringList{extraNameData};
    const QString serverName = instanceServerName(InstanceNameSources::ofApplication(extraData, system.userName));
    d = new SingleApplicationPrivate(std::move(system));
    if (d->start(serverName) == SingleApplicationPrivate::Role::Failed) {
        delete d;
        std::exit(EXIT_FAILURE);
    }
    connect(d, &SingleApplicationPrivate::messageReceived, this, &SingleApplication::receivedMessage);
}

SingleApplication::~SingleApplication()
{
    delete d;
}

bool SingleApplication::runsAsSecondary() const
{
    return d->runsAsSecondary();
}

bool SingleApplication::sendToPrimary(const QByteArray &message, int timeout)
{
    return d->sendToPrimary(message, timeout);
}

qint64 SingleApplication::primaryProcessId() const
{
    return d->primaryProcessId();
}
