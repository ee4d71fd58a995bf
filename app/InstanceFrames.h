#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

// What a secondary instance sends the primary over the local socket. Every body goes in one
// frame: an 8-byte big-endian length, then the body; the primary answers the header and the
// body with one acknowledgement byte each. The first body of a connection is the init body,
// which proves that the peer is an instance of the same program and user:
//   server name in Latin-1 (u32 length and bytes), connection type (u8), instance number (u32),
//   checksum (u16, CRC-16 of ISO 3309 over the preceding bytes); big-endian.
// Every later body is a message.
namespace InstanceFrames {

constexpr int kHeaderSize = 8;
// Longer bodies are refused: nothing the program sends comes near, and a length from a broken
// or hostile peer must not make the primary wait for, or hold, gigabytes.
constexpr qint64 kMaximumBodyLength = 64 * 1024;
constexpr char kAcknowledgement = '\n';
// The only connection type this program sends: a secondary instance that brings a message.
constexpr quint8 kSecondaryConnection = 3;

QByteArray header(qint64 bodyLength);
// False for a length below 0 or above kMaximumBodyLength; `bytes` holds kHeaderSize bytes.
bool readHeader(const QByteArray &bytes, qint64 &bodyLength);

QByteArray initBody(const QString &serverName, quint8 connectionType, quint32 instanceId);
// True when the body decodes, names serverName and carries its checksum.
bool readInitBody(const QByteArray &body, const QString &serverName, quint32 &instanceId);

} // namespace InstanceFrames
