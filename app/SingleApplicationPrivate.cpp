#include "app/SingleApplicationPrivate.h"

#include "app/InstanceFrames.h"

#include <QDateTime>
#include <QDebug>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QRandomGenerator>
#include <QSharedMemory>
#include <QThread>

#include <cstring>
#include <limits>

namespace {

// Spreads instances that start at the same moment: 8 to 18 ms.
void randomWait()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    QRandomGenerator generator(quint32(now % std::numeric_limits<quint32>::max()));
    QThread::msleep(8 + generator.bounded(11u));
}

int remaining(int timeout, const QElapsedTimer &elapsed)
{
    return int(qMax<qint64>(0, timeout - elapsed.elapsed()));
}

void acknowledge(QLocalSocket *peer)
{
    peer->write(&InstanceFrames::kAcknowledgement, 1);
    peer->flush();
}

} // namespace

SingleApplicationPrivate::SingleApplicationPrivate(InstanceSystem system, QObject *parent)
    : QObject(parent), system(std::move(system))
{
}

SingleApplicationPrivate::~SingleApplicationPrivate()
{
    delete socket;
    releasePrimary();
    delete memory;
}

// ---- joining the instances

SingleApplicationPrivate::Role SingleApplicationPrivate::start(const QString &name)
{
    serverName = name;
    randomWait();
    memory = new QSharedMemory(serverName);
    if (memory->create(InstanceBlock::kSize)) {
        if (!memory->lock())
            return fail("SingleApplication: Unable to lock memory block after create.");
        writeBlock(InstanceBlock());
    } else if (memory->error() == QSharedMemory::AlreadyExists) {
        if (!memory->attach())
            return fail("SingleApplication: Unable to attach to shared memory block.");
        if (!memory->lock())
            return fail("SingleApplication: Unable to lock memory block after attach.");
    } else {
        return fail("SingleApplication: Unable to create block.");
    }
    if (!waitForConsistentBlock())
        return fail("SingleApplication: Unable to lock memory after random wait.");

    InstanceBlock block = readBlock();
    if (block.primaryRunning && system.processRunning && !system.processRunning(block.primaryProcessId)) {
        qWarning().nospace() << "SingleApplication: the primary instance (process " << block.primaryProcessId
                             << ") is gone; this instance takes its place.";
        block.primaryRunning = false;
    }
    if (block.primaryRunning) {
        becomeSecondary(block);
        unlockBlock("SingleApplication: Unable to unlock memory after secondary start.");
        return Role::Secondary;
    }
    becomePrimary(block);
    unlockBlock("SingleApplication: Unable to unlock memory after primary start.");
    return Role::Primary;
}

SingleApplicationPrivate::Role SingleApplicationPrivate::fail(const char *what)
{
    qCritical("%s", what);
    qCritical().nospace() << "SingleApplication: " << memory->error() << ' ' << memory->errorString();
    delete memory;
    memory = nullptr;
    return Role::Failed;
}

// Called holding the lock; returns holding it, or false when it could not be taken again.
bool SingleApplicationPrivate::waitForConsistentBlock()
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!InstanceBlock::isConsistent(static_cast<const char *>(memory->constData()))) {
        if (elapsed.elapsed() > kInconsistentBlockPatience) {
            qWarning("SingleApplication: Shared memory block has been in an inconsistent state from more "
                     "than 5s. Assuming primary instance failure.");
            writeBlock(InstanceBlock());
        }
        unlockBlock("SingleApplication: Unable to unlock memory for random wait.");
        randomWait();
        if (!memory->lock())
            return false;
    }
    return true;
}

InstanceBlock SingleApplicationPrivate::readBlock() const
{
    InstanceBlock block;
    InstanceBlock::fromBytes(static_cast<const char *>(memory->constData()), block);
    return block;
}

void SingleApplicationPrivate::writeBlock(const InstanceBlock &block)
{
    const QByteArray bytes = block.toBytes();
    std::memcpy(memory->data(), bytes.constData(), size_t(bytes.size()));
}

void SingleApplicationPrivate::unlockBlock(const char *failure)
{
    if (!memory->unlock()) {
        qDebug("%s", failure);
        qDebug() << memory->errorString();
    }
}

void SingleApplicationPrivate::becomePrimary(InstanceBlock block)
{
    block.primaryRunning = true;
    block.primaryProcessId = system.processId;
    block.primaryUserName = system.userName.toUtf8();
    writeBlock(block);
    instanceNumber = 0;
    startServer();
}

void SingleApplicationPrivate::becomeSecondary(InstanceBlock block)
{
    ++block.secondaryCount;
    writeBlock(block);
    instanceNumber = block.secondaryCount;
    primaryAtStart = block.primaryProcessId;
}

void SingleApplicationPrivate::releasePrimary()
{
    if (!server || !memory)
        return;
    const bool locked = memory->lock();
    stopServer();
    if (!locked)
        return;
    InstanceBlock block;
    const bool consistent = InstanceBlock::fromBytes(static_cast<const char *>(memory->constData()), block);
    // Only this primary's own mark is cleared: a block re-made after it was found half-written
    // may name another primary by now.
    if (!consistent || block.primaryProcessId == system.processId) {
        block.primaryRunning = false;
        block.primaryProcessId = -1;
        block.primaryUserName.clear();
        writeBlock(block);
    }
    unlockBlock("SingleApplication: Unable to unlock memory after releasing the primary role.");
}

bool SingleApplicationPrivate::runsAsSecondary() const
{
    return server == nullptr;
}

quint32 SingleApplicationPrivate::instanceId() const
{
    return instanceNumber;
}

// ---- the primary's server

void SingleApplicationPrivate::startServer()
{
    QLocalServer::removeServer(serverName);
    server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(serverName))
        qWarning() << "SingleApplication: Unable to listen:" << server->errorString();
    connect(server, &QLocalServer::newConnection, this, &SingleApplicationPrivate::slotConnectionEstablished);
}

// The peers' handlers go first, so that no handler runs for a socket that the server deletes.
void SingleApplicationPrivate::stopServer()
{
    for (QLocalSocket *peer : connections.keys())
        peer->disconnect(this);
    connections.clear();
    server->close();
    delete server;
    server = nullptr;
}

void SingleApplicationPrivate::slotConnectionEstablished()
{
    while (QLocalSocket *peer = server->nextPendingConnection()) {
        connections.insert(peer, PeerConnection());
        connect(peer, &QLocalSocket::aboutToClose, this,
                [this, peer] { slotClientConnectionClosed(peer, connections.value(peer).instanceId); });
        connect(peer, &QLocalSocket::disconnected, peer, &QLocalSocket::deleteLater);
        connect(peer, &QObject::destroyed, this, [this, peer] { connections.remove(peer); });
        connect(peer, &QLocalSocket::readyRead, this, [this, peer] { readFrames(peer); });
        readFrames(peer);
    }
}

// Takes every complete frame, so that frames that arrived together are not left waiting for
// bytes that never come.
void SingleApplicationPrivate::readFrames(QLocalSocket *peer)
{
    for (;;) {
        auto connection = connections.find(peer);
        if (connection == connections.end())
            return;
        if (connection->stage != PeerConnection::MessageBody) {
            if (!takeFrame(peer, *connection))
                return;
            continue;
        }
        slotDataAvailable(peer, connection->instanceId);
        connection = connections.find(peer);
        if (connection == connections.end() || connection->stage == PeerConnection::MessageBody)
            return;
    }
}

bool SingleApplicationPrivate::takeFrame(QLocalSocket *peer, PeerConnection &connection)
{
    const PeerStep step = connection.advance(peer->peek(peer->bytesAvailable()), serverName);
    if (step.kind == PeerStep::NeedMore)
        return false;
    peer->read(step.consumed);
    if (step.kind == PeerStep::Refuse) {
        qDebug("SingleApplication: refused a connection that sent a bad frame.");
        peer->close();
        return false;
    }
    acknowledge(peer);
    return true;
}

void SingleApplicationPrivate::slotDataAvailable(QLocalSocket *peer, quint32 instanceId)
{
    const auto connection = connections.find(peer);
    if (connection == connections.end() || connection->stage != PeerConnection::MessageBody)
        return;
    const PeerStep step = connection->advance(peer->peek(peer->bytesAvailable()), serverName);
    if (step.kind != PeerStep::Message)
        return;
    peer->read(step.consumed);
    // Confirmed before it is handled: the sender waits only briefly, and what the message
    // sets off (raising a window) may take longer.
    acknowledge(peer);
    emit messageReceived(instanceId, step.message);
}

void SingleApplicationPrivate::slotClientConnectionClosed(QLocalSocket *peer, quint32 instanceId)
{
    if (peer->bytesAvailable() > 0)
        slotDataAvailable(peer, instanceId);
}

// ---- a secondary's side

bool SingleApplicationPrivate::sendToPrimary(const QByteArray &message, int timeout)
{
    if (!runsAsSecondary() || !memory)
        return false;
    return connectToPrimary(timeout) && writeConfirmed(message, timeout);
}

qint64 SingleApplicationPrivate::primaryProcessId() const
{
    return primaryAtStart;
}

bool SingleApplicationPrivate::connectToPrimary(int timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    if (!socket)
        socket = new QLocalSocket(this);
    if (socket->state() == QLocalSocket::ConnectedState)
        return true;
    for (;;) {
        randomWait();
        if (socket->state() != QLocalSocket::ConnectingState)
            socket->connectToServer(serverName);
        if (socket->state() == QLocalSocket::ConnectingState)
            socket->waitForConnected(remaining(timeout, elapsed));
        if (socket->state() == QLocalSocket::ConnectedState)
            break;
        if (elapsed.elapsed() >= timeout) {
            qDebug().nospace() << "SingleApplication: the primary instance (process " << primaryAtStart
                               << ") cannot be reached: " << socket->errorString();
            return false;
        }
    }
    const QByteArray init = InstanceFrames::initBody(serverName, InstanceFrames::kSecondaryConnection, instanceNumber);
    if (writeConfirmed(init, remaining(timeout, elapsed)))
        return true;
    // Unconfirmed, the primary may still wait for the init body: the next send starts afresh.
    socket->abort();
    return false;
}

bool SingleApplicationPrivate::writeConfirmed(const QByteArray &body, int timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    socket->write(InstanceFrames::header(body.size()));
    socket->flush();
    if (!awaitAcknowledgement(remaining(timeout, elapsed)))
        return false;
    socket->write(body);
    socket->flush();
    return awaitAcknowledgement(remaining(timeout, elapsed));
}

// QLocalSocket's wait on Windows now and then returns early without data although the pipe is
// still connected, so an early return is waited out as long as the time allows.
bool SingleApplicationPrivate::awaitAcknowledgement(int timeout)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (socket->bytesAvailable() == 0) {
        if (socket->state() != QLocalSocket::ConnectedState || elapsed.elapsed() >= timeout)
            return false;
        if (!socket->waitForReadyRead(remaining(timeout, elapsed)))
            QThread::msleep(1);
    }
    char acknowledgement = 0;
    return socket->read(&acknowledgement, 1) == 1;
}
