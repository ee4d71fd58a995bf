#include "config/package/SettingsPackage.h"

#include "config/profiles/ProfileFileName.h"

#include <QtEndian>

#include <cstring>

const char SettingsPackage::kTag[] = "ZELVOPKG";
const char SettingsPackage::kCommonSettingsName[] = "comm.xml";

namespace {

constexpr int kTagSize = 8;
constexpr std::uint32_t kVersion = 1;
const QString kPackageExtension = QStringLiteral(".zlpkg");
const QString kXmlExtension = QStringLiteral(".xml");

void appendNumber(QByteArray &bytes, std::uint32_t value)
{
    char field[4];
    qToLittleEndian(value, field);
    bytes.append(field, sizeof field);
}

std::uint32_t numberAt(const QByteArray &bytes, std::uint64_t offset)
{
    return qFromLittleEndian<std::uint32_t>(bytes.constData() + offset);
}

void appendNameField(QByteArray &bytes, const QString &name)
{
    QByteArray field = name.toUtf8().left(SettingsPackage::kNameFieldSize);
    field.append(SettingsPackage::kNameFieldSize - field.size(), '\0');
    bytes.append(field);
}

// The field up to its first NUL; an empty name when the bytes are not UTF-8, which no name check
// lets through.
QString nameAt(const QByteArray &bytes, std::uint64_t offset)
{
    const char *field = bytes.constData() + offset;
    const QByteArray raw(field, int(qstrnlen(field, SettingsPackage::kNameFieldSize)));
    const QString name = QString::fromUtf8(raw);
    return name.toUtf8() == raw ? name : QString();
}

bool isKnownKind(std::uint32_t kind)
{
    return kind <= SettingsPackage::CommonSettings;
}

struct TableEntry
{
    std::uint32_t kind;
    std::uint32_t size;
    QString name;
};

// The whole package is checked before any entry is handed out, with sizes in 64 bits, so that no
// count or size can wrap a sum that is compared with the file's length.
SettingsPackage::Refusal readTable(const QByteArray &package, std::vector<TableEntry> &table)
{
    using Refusal = SettingsPackage::Refusal;
    const std::uint64_t length = std::uint64_t(package.size());
    if (length < std::uint64_t(SettingsPackage::kShortestPackage))
        return Refusal::TooShort;
    if (std::memcmp(package.constData(), SettingsPackage::kTag, kTagSize) != 0)
        return Refusal::WrongTag;
    if (numberAt(package, 12) != length)
        return Refusal::WrongTotalSize;
    const std::uint64_t count = numberAt(package, 16);
    const std::uint64_t dataStart = SettingsPackage::kHeaderSize + SettingsPackage::kEntrySize * count;
    if (dataStart > length)
        return Refusal::TableBeyondFile;

    std::uint64_t dataUsed = 0;
    for (std::uint64_t index = 0; index < count; ++index) {
        const std::uint64_t offset = SettingsPackage::kHeaderSize + SettingsPackage::kEntrySize * index;
        TableEntry entry{numberAt(package, offset), numberAt(package, offset + 4), QString()};
        dataUsed += entry.size;
        if (dataStart + dataUsed > length)
            return Refusal::DataBeyondFile;
        if (isKnownKind(entry.kind)) {
            entry.name = nameAt(package, offset + 8);
            if (!SettingsPackage::isNameForKind(entry.kind, entry.name))
                return Refusal::BadName;
        }
        table.push_back(entry);
    }
    if (dataStart + dataUsed != length)
        return Refusal::DataLeftOver;
    return Refusal::None;
}

} // namespace

QByteArray SettingsPackage::encode(const SettingsPackageEntries &entries)
{
    QByteArray table;
    QByteArray data;
    for (const SettingsPackageEntry &entry : entries) {
        appendNumber(table, entry.kind);
        appendNumber(table, std::uint32_t(entry.data.size()));
        appendNameField(table, entry.name);
        appendNumber(table, std::uint32_t(data.size()));
        data.append(entry.data);
    }
    QByteArray package(kTag, kTagSize);
    appendNumber(package, kVersion);
    appendNumber(package, std::uint32_t(kHeaderSize + table.size() + data.size()));
    appendNumber(package, std::uint32_t(entries.size()));
    return package + table + data;
}

SettingsPackage::Refusal SettingsPackage::decode(const QByteArray &package,
                                                 SettingsPackageEntries &entries)
{
    std::vector<TableEntry> table;
    const Refusal refusal = readTable(package, table);
    if (refusal != Refusal::None)
        return refusal;

    // The data follow each other in table order; the stored offsets are not needed.
    int position = kHeaderSize + kEntrySize * int(table.size());
    for (const TableEntry &entry : table) {
        if (isKnownKind(entry.kind))
            entries.push_back({entry.kind, entry.name, package.mid(position, int(entry.size))});
        position += int(entry.size);
    }
    return Refusal::None;
}

// A name is plain when the profile store would write it unchanged: no folder separator, drive,
// forbidden or control character, no dot or blank at either end (which also rules out "." and
// ".."), and no device name such as "CON" or "nul.xml".
bool SettingsPackage::isNameForKind(std::uint32_t kind, const QString &name)
{
    if (!isKnownKind(kind) || name.isEmpty() || ProfileFileName::fromName(name) != name)
        return false;
    if (kind == CommonSettings)
        return name == QLatin1String(kCommonSettingsName);
    return name.endsWith(kXmlExtension, Qt::CaseInsensitive);
}

bool SettingsPackage::fitsNameField(const QString &name)
{
    return name.toUtf8().size() <= kLongestName;
}

QString SettingsPackage::withPackageExtension(const QString &chosenName)
{
    return chosenName.contains(kPackageExtension) ? chosenName : chosenName + kPackageExtension;
}
