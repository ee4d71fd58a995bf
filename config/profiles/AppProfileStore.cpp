#include "config/profiles/AppProfileStore.h"

#include "config/profiles/AppProfileFile.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/ProfileFileName.h"
#include "config/xml/XmlFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace {

const QString kProfilePattern = QStringLiteral("*.xml");
const QString kProfileExtension = QStringLiteral(".xml");

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

bool writeProfiles(const AppProfileList &profiles, const QString &folder,
                   QSet<QString> &written)
{
    const QStringList names = ProfileFileName::forProfiles(profiles);
    for (int i = 0; i < profiles.size(); ++i) {
        const QString fileName = names.at(i) + kProfileExtension;
        if (!XmlFile::write(QDir(folder).filePath(fileName), appProfileDocument(profiles.at(i))))
            return false;
        written.insert(fileKey(fileName));
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
        if (iconFor)
            profile.icon = iconFor(profile.path);
        profiles.append(profile);
    }
    return profiles;
}

bool saveAppProfiles()
{
    return saveAppProfilesTo(appProfiles(), appProfileDir());
}

bool saveAppProfilesTo(const AppProfileList &profiles, const QString &folder)
{
    QSet<QString> written;
    return writeProfiles(profiles, folder, written) && removeStaleProfiles(folder, written);
}
