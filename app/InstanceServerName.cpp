#include "app/InstanceServerName.h"

#include <QCoreApplication>
#include <QCryptographicHash>

InstanceNameSources InstanceNameSources::ofApplication(const QStringList &extraData, const QString &userName)
{
    InstanceNameSources sources;
    sources.applicationName = QCoreApplication::applicationName();
    sources.organizationName = QCoreApplication::organizationName();
    sources.organizationDomain = QCoreApplication::organizationDomain();
    sources.extraData = extraData;
    sources.applicationVersion = QCoreApplication::applicationVersion();
    sources.applicationFilePath = QCoreApplication::applicationFilePath();
    sources.userName = userName;
    return sources;
}

QString instanceServerName(const InstanceNameSources &sources)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData("SingleApplication", 17);
    hash.addData(sources.applicationName.toUtf8());
    hash.addData(sources.organizationName.toUtf8());
    hash.addData(sources.organizationDomain.toUtf8());
    hash.addData(sources.extraData.join(QString()).toUtf8());
    hash.addData(sources.applicationVersion.toUtf8());
    hash.addData(sources.applicationFilePath.toLower().toUtf8());
    hash.addData(sources.userName.toUtf8());
    return QString::fromLatin1(hash.result().toBase64()).replace(QLatin1Char('/'), QLatin1Char('_'));
}
