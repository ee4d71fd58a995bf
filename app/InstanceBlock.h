#pragma once

#include <QByteArray>
#include <QtGlobal>

// The record that the instances of one user share in their shared memory: whether a primary
// runs, which process it is, and how many secondaries have started. 152 bytes, little-endian:
//   0 primary running (1 byte), 4 secondary count (u32), 8 primary's process id (i64, -1: none),
//   16 primary's user name (UTF-8, zero-terminated, 128 bytes), 144 checksum (u16), 146 zero.
// The checksum (CRC-16 of ISO 3309 over bytes 0 to 143) tells a complete block from one that
// another process is writing or died writing.
struct InstanceBlock
{
    static constexpr int kSize = 152;
    static constexpr int kChecksumOffset = 144;
    static constexpr int kUserNameOffset = 16;
    static constexpr int kUserNameBytes = 127;

    bool primaryRunning = false;
    quint32 secondaryCount = 0;
    qint64 primaryProcessId = -1;
    // UTF-8; cut to kUserNameBytes when written.
    QByteArray primaryUserName;

    // The block's bytes with their checksum.
    QByteArray toBytes() const;
    // Reads the kSize bytes at `bytes`; false, leaving `block` alone, when the checksum does
    // not match.
    static bool fromBytes(const char *bytes, InstanceBlock &block);
    static bool isConsistent(const char *bytes);
    // The checksum of the kChecksumOffset bytes at `bytes`.
    static quint16 checksumOf(const char *bytes);
};
