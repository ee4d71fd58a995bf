#include "app/InstanceFrames.h"

#include <QDataStream>
#include <QIODevice>

namespace InstanceFrames {

namespace {

constexpr int kChecksumSize = 2;

QDataStream &prepared(QDataStream &stream)
{
    stream.setVersion(QDataStream::Qt_5_6);
    return stream;
}

} // namespace

QByteArray header(qint64 bodyLength)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    prepared(stream) << bodyLength;
    return bytes;
}

bool readHeader(const QByteArray &bytes, qint64 &bodyLength)
{
    QDataStream stream(bytes);
    qint64 length = 0;
    prepared(stream) >> length;
    if (stream.status() != QDataStream::Ok || length < 0 || length > kMaximumBodyLength)
        return false;
    bodyLength = length;
    return true;
}

QByteArray initBody(const QString &serverName, quint8 connectionType, quint32 instanceId)
{
    QByteArray body;
    QDataStream stream(&body, QIODevice::WriteOnly);
    prepared(stream) << serverName.toLatin1() << connectionType << instanceId;
    stream << qChecksum(body.constData(), uint(body.size()));
    return body;
}

bool readInitBody(const QByteArray &body, const QString &serverName, quint32 &instanceId)
{
    QDataStream stream(body);
    QByteArray name;
    quint8 connectionType = 0;
    quint32 id = 0;
    quint16 checksum = 0;
    prepared(stream) >> name >> connectionType >> id >> checksum;
    if (stream.status() != QDataStream::Ok || body.size() < kChecksumSize)
        return false;
    if (name != serverName.toLatin1()
        || checksum != qChecksum(body.constData(), uint(body.size() - kChecksumSize)))
        return false;
    instanceId = id;
    return true;
}

} // namespace InstanceFrames
