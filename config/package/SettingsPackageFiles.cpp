#include "config/package/SettingsPackageFiles.h"

#include "config/platform/DataFolders.h"
#include "config/xml/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kXmlPattern = QStringLiteral("*.xml");
// Far beyond any user's settings, and an amount that a 32-bit program can always read at once.
constexpr qint64 kLargestPackage = 64 * 1024 * 1024;
constexpr QFileDevice::Permissions kImportedPermissions =
        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther;

void appendEntry(SettingsPackageEntries &entries, std::uint32_t kind, const QFileInfo &file)
{
    const QString name = file.fileName();
    if (!SettingsPackage::fitsNameField(name) || !SettingsPackage::isNameForKind(kind, name))
        return;
    QByteArray data;
    if (!WholeFile::read(file.filePath(), data) || data.isEmpty())
        return;
    entries.push_back({kind, name, data});
}

void appendFolder(SettingsPackageEntries &entries, std::uint32_t kind, const QString &folder)
{
    const QFileInfoList files =
            QDir(folder).entryInfoList({kXmlPattern}, QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo &file : files)
        appendEntry(entries, kind, file);
}

bool readPackage(const QString &path, QByteArray &package, bool &tooLarge)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    tooLarge = file.size() > kLargestPackage;
    if (tooLarge)
        return true;
    package = file.readAll();
    return file.error() == QFileDevice::NoError && package.size() == file.size();
}

} // namespace

SettingsFolders SettingsFolders::user()
{
    return {userConfigDir(), appProfileDir(), configDir()};
}

QString SettingsFolders::folderOf(std::uint32_t kind) const
{
    switch (kind) {
    case SettingsPackage::UserConfigure:
        return userConfig;
    case SettingsPackage::AppProfileFile:
        return appProfile;
    case SettingsPackage::CommonSettings:
        return config;
    default:
        return QString();
    }
}

SettingsPackageEntries SettingsPackageFiles::collect(const SettingsFolders &folders)
{
    SettingsPackageEntries entries;
    appendFolder(entries, SettingsPackage::UserConfigure, folders.userConfig);
    appendFolder(entries, SettingsPackage::AppProfileFile, folders.appProfile);
    const QFileInfo common(QDir(folders.config).filePath(QLatin1String(SettingsPackage::kCommonSettingsName)));
    if (common.isFile())
        appendEntry(entries, SettingsPackage::CommonSettings, common);
    return entries;
}

SettingsPackageFiles::ExportResult SettingsPackageFiles::exportTo(const QString &path,
                                                                  const SettingsFolders &folders)
{
    const SettingsPackageEntries entries = collect(folders);
    if (entries.empty())
        return ExportResult::NothingToExport;
    return WholeFile::write(path, SettingsPackage::encode(entries)) ? ExportResult::Completed
                                                              : ExportResult::Failed;
}

SettingsPackageFiles::ImportReport SettingsPackageFiles::importFrom(const QString &path,
                                                                    const SettingsFolders &folders)
{
    ImportReport report;
    QByteArray package;
    bool tooLarge = false;
    if (!readPackage(path, package, tooLarge))
        return report;
    SettingsPackageEntries entries;
    if (tooLarge || SettingsPackage::decode(package, entries) != SettingsPackage::Refusal::None) {
        report.result = ImportResult::Refused;
        return report;
    }

    bool anyWritten = false;
    for (const SettingsPackageEntry &entry : entries) {
        const QString target = QDir(folders.folderOf(entry.kind)).filePath(entry.name);
        if (!WholeFile::write(target, entry.data)) {
            report.unwritten << entry.name;
            continue;
        }
        // The content is in place either way; a file system without these permissions keeps
        // its own.
        QFile::setPermissions(target, kImportedPermissions);
        anyWritten = true;
    }
    if (report.unwritten.isEmpty())
        report.result = ImportResult::Completed;
    else
        report.result = anyWritten ? ImportResult::PartlyWritten : ImportResult::NothingWritten;
    return report;
}
