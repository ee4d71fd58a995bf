#pragma once

#include "app/InstanceBlock.h"
#include "app/InstanceSystem.h"
#include "app/PeerConnection.h"

#include <QByteArray>
#include <QMap>
#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;
class QSharedMemory;

// The single-instance guard's work: joining the instances of one user through their shared
// block, the primary's local server that reads what secondaries send, and a secondary's
// connection to the primary. Lives on the thread that made it; a secondary's sends block that
// thread for at most their time-out.
class SingleApplicationPrivate : public QObject
{
    Q_OBJECT

public:
    enum class Role { Primary, Secondary, Failed };

    // How long a block may stay half-written (its writer died) before it is made anew.
    static constexpr int kInconsistentBlockPatience = 5000;

    explicit SingleApplicationPrivate(InstanceSystem system, QObject *parent = nullptr);
    // A primary stops listening and clears its mark in the block, so that the next start
    // becomes the primary.
    ~SingleApplicationPrivate() override;

    // Joins the instances that meet under serverName (also the shared memory's key). The first
    // start becomes the primary (instance 0) and listens, and so does a start that finds the
    // recorded primary's process gone; every other start is a secondary with the next instance
    // number, also while the primary runs without a server that listens: one process owns the
    // tablet whatever happens to its server. Failed: the shared memory could not be made, attached or locked (logged at the
    // critical level); the process is meant to end.
    Role start(const QString &serverName);

    bool runsAsSecondary() const;
    quint32 instanceId() const;

    // Secondary only: delivers the message and has both acknowledgements within `timeout` ms.
    // A primary that does not answer leaves this instance a secondary all the same.
    bool sendToPrimary(const QByteArray &message, int timeout);
    // Secondary only: the process that the block named as the primary when this one started.
    qint64 primaryProcessId() const;

signals:
    void messageReceived(quint32 instanceId, const QByteArray &message);

private slots:
    void slotConnectionEstablished();
    // A message body may be complete on a connection that waits for one.
    void slotDataAvailable(QLocalSocket *peer, quint32 instanceId);
    void slotClientConnectionClosed(QLocalSocket *peer, quint32 instanceId);

private:
    Role fail(const char *what);
    bool waitForConsistentBlock();
    InstanceBlock readBlock() const;
    void writeBlock(const InstanceBlock &block);
    void unlockBlock(const char *failure);
    void becomePrimary(InstanceBlock block);
    void becomeSecondary(InstanceBlock block);
    void releasePrimary();
    void startServer();
    void stopServer();

    void readFrames(QLocalSocket *peer);
    bool takeFrame(QLocalSocket *peer, PeerConnection &connection);

    bool connectToPrimary(int timeout);
    bool writeConfirmed(const QByteArray &body, int timeout);
    bool awaitAcknowledgement(int timeout);

    const InstanceSystem system;
    QSharedMemory *memory = nullptr;
    QLocalSocket *socket = nullptr;
    QLocalServer *server = nullptr;
    quint32 instanceNumber = 0;
    QString serverName;
    QMap<QLocalSocket *, PeerConnection> connections;
    // The primary that the block named when this secondary started.
    qint64 primaryAtStart = -1;
};
