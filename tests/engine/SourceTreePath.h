#pragma once

// Files of the source tree, found from this header's own path (absolute in every build tree).
// Under Wine the Linux path is reached through drive Z:.
#include <QDir>
#include <QString>

inline QString sourceTreePath(const QString &relative)
{
    QString here = QString::fromUtf8(__FILE__);
    here.truncate(here.lastIndexOf(QLatin1Char('/')));
#ifdef _WIN32
    if (here.startsWith(QLatin1Char('/')))
        here.prepend(QLatin1String("Z:"));
#endif
    return QDir::cleanPath(here + QLatin1String("/../../") + relative);
}
