#pragma once

#include <QByteArray>
#include <QString>

// Reading and writing a file as one piece.
namespace WholeFile {

// The whole file, or false when it cannot be opened or read whole.
bool read(const QString &path, QByteArray &bytes);

// Writes into a temporary file beside `path` and only then replaces `path` with it, so a failed
// write leaves the old file exactly as it was.
bool write(const QString &path, const QByteArray &bytes);

} // namespace WholeFile
