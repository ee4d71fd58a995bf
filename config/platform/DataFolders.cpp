#include "config/platform/DataFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

const QString kVersionFolder = QStringLiteral("/V3");

// A failure to create is not reported here: whoever then reads or writes in the folder meets it.
QString madePath(const QString &path)
{
    QDir().mkpath(path);
    return path;
}

} // namespace

QString dataLocation()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

QString configDir()
{
    return madePath(dataLocation() + kVersionFolder + QStringLiteral("/conf"));
}

QString userConfigDir()
{
    return madePath(configDir() + QStringLiteral("/usr"));
}

QString appProfileDir()
{
    return madePath(configDir() + QStringLiteral("/app"));
}

QString logDir()
{
    return dataLocation() + kVersionFolder + QStringLiteral("/log");
}

QString defaultConfigResource(const QString &model)
{
    return QStringLiteral(":/res/conf/%1.xml").arg(model);
}

QString userConfigPath(const QString &model)
{
    return QStringLiteral("%1/%2.xml").arg(userConfigDir(), model);
}

QString commonSettingsPath()
{
    return configDir() + QStringLiteral("/comm.xml");
}
