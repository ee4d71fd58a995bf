#pragma once

#include <QString>
#include <QStringList>

// What makes two starts the same program of the same user: they meet only when all of it is
// equal.
struct InstanceNameSources
{
    QString applicationName;
    QString organizationName;
    QString organizationDomain;
    QStringList extraData;
    QString applicationVersion;
    // Compared in lower case: Windows paths are.
    QString applicationFilePath;
    QString userName;

    // The running application's names, version and file, with the given extra data and user.
    static InstanceNameSources ofApplication(const QStringList &extraData, const QString &userName);
};

// The name of the primary's local server, also the key of the instances' shared memory: the
// SHA-256 of "SingleApplication" and the sources in the order above, in base64 with every "/"
// turned into "_" (44 characters).
QString instanceServerName(const InstanceNameSources &sources);
