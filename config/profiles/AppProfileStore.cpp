#include "config/profiles/AppProfileStore.h"

#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfileFile.h"
#include "config/profiles/ProfileFileName.h"
#include "config/xml/XmlFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kProfilePattern = QStringLiteral("*.xml");

// Names are compared as the file system compares them.
QString fileKey(const QString &fileName)
{
#ifdef Q_OS_WIN
    return fileName.toCaseFolded();
#else
    return fileName;
#endif
}

QFileInfoList profileFiles(const QString &folder)
{
    return QDir(folder).entryInfoList({kProfilePattern}, QDir::Files | QDir::Readable, QDir::Name);
}

// Stops at the first profile that cannot be written; fileNames gets the file of each one written.
bool writeProfiles(const AppProfileList &profiles, const QString &folder, QStringList &fileNames)
{
    const QDir directory(folder);
    const QStringList names = ProfileFileName::forProfiles(
            profiles, directory.entryList({kProfilePattern}, QDir::Files));
    for (int i = 0; i < profiles.size(); ++i) {
        if (!XmlFile::write(directory.filePath(names.at(i)), appProfileDocument(profiles.at(i))))
            return false;
        fileNames << names.at(i);
    }
    return true;
}

bool removeStaleProfiles(const QString &folder, const QSet<QString> &kept)
{
    bool removed = true;
    const QDir directory(folder);
    for (const QString &fileName : directory.entryList({kProfilePattern}, QDir::Files)) {
        if (!kept.contains(fileKey(fileName)))
            removed = QFile::remove(directory.filePath(fileName)) && removed;
    }
    return removed;
}

} // namespace

AppProfileList loadAppProfiles(const AppIconProvider &iconFor)
{
    return loadAppProfilesFrom(appProfileDir(), iconFor);
}

AppProfileList loadAppProfilesFrom(const QString &folder, const AppIconProvider &iconFor)
{
    AppProfileList profiles;
    for (const QFileInfo &file : profileFiles(folder)) {
        AppProfile profile;
        if (!readAppProfile(file.filePath(), profile) || !QFileInfo(profile.path).isFile())
            continue;
        profile.fileName = file.fileName();
        if (iconFor)
            profile.icon = iconFor(profile.path);
        profiles.append(profile);
    }
    return profiles;
}

bool saveAppProfiles()
{
    QStringList fileNames;
    const bool saved = saveAppProfilesTo(appProfiles(), appProfileDir(), &fileNames);
    for (int index = 0; index < fileNames.size(); ++index)
        appProfiles()[index].fileName = fileNames.at(index);
    return saved;
}

bool saveAppProfilesTo(const AppProfileList &profiles, const QString &folder, QStringList *fileNames)
{
    QStringList written;
    const bool saved = writeProfiles(profiles, folder, written);
    if (fileNames)
        *fileNames = written;
    if (!saved)
        return false;
    QSet<QString> kept;
    for (const QString &fileName : written)
        kept.insert(fileKey(fileName));
    return removeStaleProfiles(folder, kept);
}
