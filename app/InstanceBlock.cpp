#include "app/InstanceBlock.h"

#include <QtEndian>

#include <cstring>

namespace {

constexpr int kRunningOffset = 0;
constexpr int kSecondaryCountOffset = 4;
constexpr int kProcessIdOffset = 8;

} // namespace

QByteArray InstanceBlock::toBytes() const
{
    char data[kSize] = {};
    data[kRunningOffset] = primaryRunning ? 1 : 0;
    qToLittleEndian<quint32>(secondaryCount, data + kSecondaryCountOffset);
    qToLittleEndian<qint64>(primaryProcessId, data + kProcessIdOffset);
    const QByteArray name = primaryUserName.left(kUserNameBytes);
    std::memcpy(data + kUserNameOffset, name.constData(), size_t(name.size()));
    qToLittleEndian<quint16>(checksumOf(data), data + kChecksumOffset);
    return QByteArray(data, kSize);
}

bool InstanceBlock::fromBytes(const char *bytes, InstanceBlock &block)
{
    if (!isConsistent(bytes))
        return false;
    block.primaryRunning = bytes[kRunningOffset] != 0;
    block.secondaryCount = qFromLittleEndian<quint32>(bytes + kSecondaryCountOffset);
    block.primaryProcessId = qFromLittleEndian<qint64>(bytes + kProcessIdOffset);
    block.primaryUserName = QByteArray(bytes + kUserNameOffset, int(qstrnlen(bytes + kUserNameOffset, kUserNameBytes)));
    return true;
}

bool InstanceBlock::isConsistent(const char *bytes)
{
    return qFromLittleEndian<quint16>(bytes + kChecksumOffset) == checksumOf(bytes);
}

quint16 InstanceBlock::checksumOf(const char *bytes)
{
    return qChecksum(bytes, kChecksumOffset);
}
