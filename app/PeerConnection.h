#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What the bytes that wait on one connection let the primary do next.
struct PeerStep
{
    enum Kind {
        // The next frame is not complete yet.
        NeedMore,
        // A header or the init body was taken: answer with one acknowledgement byte.
        Acknowledge,
        // A message was taken (`message`): deliver it, then answer with one acknowledgement byte.
        Message,
        // The peer sent a length out of range or a bad init body: close the connection.
        Refuse,
    };

    Kind kind = NeedMore;
    // How many bytes from the front of what waits the step took.
    int consumed = 0;
    QByteArray message;
};

// One secondary's connection at the primary, and where it stands in its frames: the init
// header, the init body, then any number of message headers and bodies.
struct PeerConnection
{
    enum Stage : quint8 { InitHeader = 0, InitBody = 1, MessageHeader = 2, MessageBody = 3 };

    qint64 expectedLength = 0;
    // Known once the init body is read.
    quint32 instanceId = 0;
    quint8 stage = InitHeader;

    // Takes the next frame from the front of `pending` when it is complete and moves on to the
    // stage after it. A refused connection keeps its stage.
    PeerStep advance(const QByteArray &pending, const QString &serverName);

private:
    PeerStep takeHeader(const QByteArray &pending);
    PeerStep takeInitBody(const QByteArray &pending, const QString &serverName);
    PeerStep takeMessage(const QByteArray &pending);
};
