#pragma once

// Files of the source tree. CTest hands every test the tree's root in QZ_SOURCE_DIR (a path
// compiled in would differ between checkouts and defeat the compiler cache); under Wine the Linux
// path is reached through drive Z:.
#include <QDir>
#include <QString>
#include <QtGlobal>

inline QString sourceTreePath(const QString &relative)
{
    QString root = qEnvironmentVariable("QZ_SOURCE_DIR");
#ifdef _WIN32
    if (root.startsWith(QLatin1Char('/')))
        root.prepend(QLatin1String("Z:"));
#endif
    return QDir::cleanPath(root + QLatin1Char('/') + relative);
}
