#include "app/PeerConnection.h"

#include "app/InstanceFrames.h"

namespace {

PeerStep step(PeerStep::Kind kind, int consumed, const QByteArray &message = QByteArray())
{
    PeerStep result;
    result.kind = kind;
    result.consumed = consumed;
    result.message = message;
    return result;
}

} // namespace

PeerStep PeerConnection::advance(const QByteArray &pending, const QString &serverName)
{
    switch (stage) {
    case InitHeader:
    case MessageHeader:
        return takeHeader(pending);
    case InitBody:
        return takeInitBody(pending, serverName);
    case MessageBody:
        return takeMessage(pending);
    default:
        return step(PeerStep::Refuse, 0);
    }
}

PeerStep PeerConnection::takeHeader(const QByteArray &pending)
{
    if (pending.size() < InstanceFrames::kHeaderSize)
        return step(PeerStep::NeedMore, 0);
    if (!InstanceFrames::readHeader(pending.left(InstanceFrames::kHeaderSize), expectedLength))
        return step(PeerStep::Refuse, InstanceFrames::kHeaderSize);
    stage = stage == InitHeader ? InitBody : MessageBody;
    return step(PeerStep::Acknowledge, InstanceFrames::kHeaderSize);
}

PeerStep PeerConnection::takeInitBody(const QByteArray &pending, const QString &serverName)
{
    if (pending.size() < expectedLength)
        return step(PeerStep::NeedMore, 0);
    const int length = int(expectedLength);
    if (!InstanceFrames::readInitBody(pending.left(length), serverName, instanceId))
        return step(PeerStep::Refuse, length);
    stage = MessageHeader;
    return step(PeerStep::Acknowledge, length);
}

PeerStep PeerConnection::takeMessage(const QByteArray &pending)
{
    if (pending.size() < expectedLength)
        return step(PeerStep::NeedMore, 0);
    const int length = int(expectedLength);
    stage = MessageHeader;
    return step(PeerStep::Message, length, pending.left(length));
}
