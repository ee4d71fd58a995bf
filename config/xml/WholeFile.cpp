#include "config/xml/WholeFile.h"

#include <QFile>
#include <QSaveFile>

namespace WholeFile {

bool read(const QString &path, QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError && bytes.size() == file.size();
}

bool write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    // A small file waits in the write buffer, and commit() writes it without looking at the
    // result: a full disk would still put the cut-short file in place of the old one. So every
    // byte reaches the system here, where a failure can still cancel the whole write.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace WholeFile
