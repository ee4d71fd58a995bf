#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

// One file of a settings package: which folder it belongs to, its name there and its bytes.
struct SettingsPackageEntry
{
    std::uint32_t kind = 0;
    QString name;
    QByteArray data;
};

using SettingsPackageEntries = std::vector<SettingsPackageEntry>;

// The settings package file: every configuration file of the user in one flat file. A header
// (the tag "ZELVOPKG", version, total size, entry count), a table of 44-byte entries (kind, size,
// NUL-padded name, data offset) and the entries' data one after another; numbers are unsigned
// 32-bit little-endian.
class SettingsPackage
{
public:
    enum Kind : std::uint32_t {
        // A model's configuration file of the user configuration folder.
        UserConfigure = 0,
        // An application profile file.
        AppProfileFile = 1,
        // The common settings file "comm.xml" of the configuration folder.
        CommonSettings = 2,
    };

    // Why a package is refused; a refused package yields no entry at all.
    enum class Refusal {
        None,
        TooShort,
        WrongTag,
        WrongTotalSize,
        TableBeyondFile,
        DataBeyondFile,
        DataLeftOver,
        BadName,
    };

    static constexpr int kHeaderSize = 20;
    static constexpr int kEntrySize = 44;
    static constexpr int kNameFieldSize = 32;
    static constexpr int kLongestName = 30;
    static constexpr int kShortestPackage = 64;
    static const char kTag[];
    static const char kCommonSettingsName[];

    // The package of the entries, in their order. Every name must fit the name field
    // (fitsNameField).
    static QByteArray encode(const SettingsPackageEntries &entries);

    // Checks the whole package first: its length, tag and total size, that the table and every
    // entry's data lie inside the file and fill the data area exactly, and every name of a known
    // kind. Then fills `entries` with the entries of known kinds in package order (the data of an
    // entry of another kind is skipped). The version is not checked.
    static Refusal decode(const QByteArray &package, SettingsPackageEntries &entries);

    // A name that the folders of `kind` may hold: a plain file name (no folder, no device, nothing
    // Windows would change), ending in ".xml", and "comm.xml" itself for the common settings.
    static bool isNameForKind(std::uint32_t kind, const QString &name);
    // At most kLongestName bytes in UTF-8, so that a NUL always ends the name field.
    static bool fitsNameField(const QString &name);
    // The export's file name: ".zlpkg" is appended unless the chosen name holds it.
    static QString withPackageExtension(const QString &chosenName);
};
