#pragma once

#include "app/InstanceSystem.h"

#include <QApplication>
#include <QByteArray>
#include <QString>

class SingleApplicationPrivate;

// The program's application object: a QApplication that also decides, as it is made, whether
// this process is the first ("primary") instance of the program for the current user or a
// later ("secondary") one. Secondaries are always admitted; a secondary can hand the primary a
// message, which the primary announces with receivedMessage. Two starts meet only when the
// same user starts the same executable (same path, same version).
class SingleApplication : public QApplication
{
    Q_OBJECT

public:
    // `system` answers who this process is and whether another still runs. Ends the process
    // with exit code 1 when the instances' shared memory cannot be used.
    SingleApplication(int &argc, char *argv[], const QString &extraNameData, InstanceSystem system);
    ~SingleApplication() override;

    bool runsAsSecondary() const;
    // Secondary only: delivers the message to the primary within `timeout` ms, confirmed. An
    // instance stays secondary when the primary does not answer.
    bool sendToPrimary(const QByteArray &message, int timeout);
    // Secondary only: the process that runs as the primary.
    qint64 primaryProcessId() const;

signals:
    // Primary only: a message from the secondary with that instance number.
    void receivedMessage(quint32 instanceId, QByteArray message);

private:
    SingleApplicationPrivate *d = nullptr;
};
