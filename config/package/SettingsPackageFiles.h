#pragma once

#include "config/package/SettingsPackage.h"

#include <QString>
#include <QStringList>

#include <cstdint>

// The three folders whose files a settings package holds.
struct SettingsFolders
{
    QString userConfig;
    QString appProfile;
    QString config;

    // The user's own folders (created when missing).
    static SettingsFolders user();
    // The folder of an entry's kind; empty for a kind that is not known.
    QString folderOf(std::uint32_t kind) const;
};

// Exporting the user's configuration files into one settings package and importing them back.
class SettingsPackageFiles
{
public:
    enum class ExportResult {
        Completed,
        // Not one file to export: no package was written.
        NothingToExport,
        // The package could not be written; a file that was there stays as it was.
        Failed,
    };

    enum class ImportResult {
        Completed,
        // The package could not be read: nothing was written.
        NotRead,
        // The package broke a rule of its format: nothing was written.
        Refused,
        // Some files of the package could not be written; the others were.
        PartlyWritten,
        // Not one file of the package could be written.
        NothingWritten,
    };

    struct ImportReport
    {
        ImportResult result = ImportResult::NotRead;
        // The names of the package's files that could not be written, in package order.
        QStringList unwritten;
    };

    // The files a package takes, in package order: the "*.xml" files of the user configuration
    // folder, then those of the profile folder, each sorted by name, then "comm.xml". A file is
    // left out when it cannot be read, is empty, or its name does not fit the package.
    static SettingsPackageEntries collect(const SettingsFolders &folders);
    static ExportResult exportTo(const QString &path, const SettingsFolders &folders);
    // Checks the whole package, then replaces each of its files in its folder (readable by all,
    // writable by the owner); other files of the folders stay. A file that cannot be written
    // keeps its old content and does not stop the files after it.
    static ImportReport importFrom(const QString &path, const SettingsFolders &folders);
};
