#include "ui/dialogs/diagnosis/NibwireLookup.h"

#include <QCryptographicHash>
#include <QDebug>
#include <QFile>

#include <utility>

namespace {

const char *const kFileNames[] = {"Wintab32.dll", "Nibwire.dll"};

} // namespace

NibwireLookup::NibwireLookup(bool x64, QStringList folders, DigestTable knownBuilds)
    : x64(x64), folders(std::move(folders)), knownBuilds(std::move(knownBuilds))
{
}

InstalledLibrary NibwireLookup::find() const
{
    InstalledLibrary library;
    for (const QString &folder : folders) {
        for (const char *name : kFileNames) {
            const QString path = folder + QLatin1Char('/') + QLatin1String(name);
            const QString digest = fileDigest(path);
            if (digest.isEmpty())
                continue;
            qDebug().noquote() << (x64 ? "Nibwire_64 hash" : "Nibwire_32 hash") << digest << path;
            const auto known = knownBuilds.find(digest);
            if (known != knownBuilds.end()) {
                library.found = true;
                library.version = known->second;
                return library;
            }
        }
    }
    return library;
}

QString NibwireLookup::fileDigest(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!hash.addData(&file) || file.error() != QFileDevice::NoError)
        return QString();
    return QString::fromLatin1(hash.result().toHex());
}
