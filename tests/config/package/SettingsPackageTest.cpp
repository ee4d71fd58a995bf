#include "config/package/SettingsPackage.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QtEndian>

#include <cstdint>
#include <initializer_list>

namespace {

using Refusal = SettingsPackage::Refusal;

// A table entry as a hostile package may hold it: any kind, size and name field.
struct RawEntry
{
    std::uint32_t kind;
    std::uint32_t size;
    QByteArray nameField;
};

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QByteArray nameField(const QByteArray &name)
{
    QByteArray field = name;
    field.append(32 - name.size(), '\0');
    return field;
}

// A package built by hand; total and count are those of a sound package unless given.
QByteArray rawPackage(std::initializer_list<RawEntry> entries, const QByteArray &data,
                      qint64 total = -1, qint64 count = -1)
{
    QByteArray table;
    std::uint32_t offset = 0;
    for (const RawEntry &entry : entries) {
        table += le32(entry.kind) + le32(entry.size) + entry.nameField + le32(offset);
        offset += entry.size;
    }
    const qint64 soundTotal = 20 + table.size() + data.size();
    return QByteArray("ZELVOPKG") + le32(1) + le32(std::uint32_t(total < 0 ? soundTotal : total))
            + le32(std::uint32_t(count < 0 ? qint64(entries.size()) : count)) + table + data;
}

Refusal decodeInto(const QByteArray &package, SettingsPackageEntries &entries)
{
    return SettingsPackage::decode(package, entries);
}

} // namespace

TEST(SettingsPackage, OneCommonSettingsFileMakesAnEightyFourBytePackage)
{
    const QByteArray data("<Genercal>0123</Gen>");
    ASSERT_EQ(data.size(), 20);
    const QByteArray expected = QByteArray("ZELVOPKG") + le32(1) + le32(84) + le32(1)
            + le32(2) + le32(20) + nameField("comm.xml") + le32(0) + data;

    const QByteArray package = SettingsPackage::encode({{SettingsPackage::CommonSettings,
                                                         QStringLiteral("comm.xml"), data}});

    EXPECT_EQ(package.size(), 84);
    EXPECT_EQ(package.toHex(' '), expected.toHex(' '));
}

TEST(SettingsPackage, EntriesKeepTheirOrderAndTheirDataFollowEachOtherWithOffsets)
{
    const SettingsPackageEntries entries = {
        {SettingsPackage::UserConfigure, QStringLiteral("QZ-Pen 6.xml"), QByteArray("first")},
        {SettingsPackage::AppProfileFile, QString::fromUtf8("Kr\xc3\xaft\xc3\xa4.xml"), QByteArray("second!")},
        {SettingsPackage::CommonSettings, QStringLiteral("comm.xml"), QByteArray("3")},
    };
    const QByteArray package = SettingsPackage::encode(entries);

    ASSERT_EQ(package.size(), 20 + 3 * 44 + 13);
    EXPECT_EQ(package.mid(16, 4), le32(3));
    const struct {
        std::uint32_t kind;
        std::uint32_t size;
        QByteArray name;
        std::uint32_t offset;
    } table[] = {
        {0, 5, "QZ-Pen 6.xml", 0},
        {1, 7, "Kr\xc3\xaft\xc3\xa4.xml", 5},
        {2, 1, "comm.xml", 12},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const QByteArray entry = package.mid(20 + 44 * i, 44);
        EXPECT_EQ(entry.mid(0, 4), le32(table[i].kind));
        EXPECT_EQ(entry.mid(4, 4), le32(table[i].size));
        EXPECT_EQ(entry.mid(8, 32), nameField(table[i].name));
        EXPECT_EQ(entry.mid(40, 4), le32(table[i].offset));
    }
    EXPECT_EQ(package.mid(20 + 3 * 44), QByteArray("firstsecond!3"));

    SettingsPackageEntries decoded;
    ASSERT_EQ(decodeInto(package, decoded), Refusal::None);
    ASSERT_EQ(decoded.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(decoded[i].kind, entries[i].kind);
        EXPECT_EQ(decoded[i].name, entries[i].name);
        EXPECT_EQ(decoded[i].data, entries[i].data);
    }
}

TEST(SettingsPackage, AnUnknownKindIsSkippedWithoutShiftingTheDataAfterIt)
{
    const QByteArray package = rawPackage(
            {{0, 3, nameField("a.xml")}, {7, 4, nameField("..\\whatever")}, {1, 2, nameField("b.xml")}},
            "AAAxxxxBB");

    SettingsPackageEntries entries;
    ASSERT_EQ(decodeInto(package, entries), Refusal::None);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].data, QByteArray("AAA"));
    EXPECT_EQ(entries[1].name, QStringLiteral("b.xml"));
    EXPECT_EQ(entries[1].data, QByteArray("BB"));
}

TEST(SettingsPackage, TheVersionIsNotCheckedAndSixtyFourBytesAreEnough)
{
    QByteArray versionTwo = rawPackage({{0, 2, nameField("a.xml")}}, "ok");
    versionTwo.replace(8, 4, le32(2));
    const QByteArray smallest = rawPackage({{0, 0, nameField("empty.xml")}}, QByteArray());
    ASSERT_EQ(smallest.size(), 64);

    for (const QByteArray &package : {versionTwo, smallest}) {
        SettingsPackageEntries entries;
        EXPECT_EQ(decodeInto(package, entries), Refusal::None);
        EXPECT_EQ(entries.size(), 1u);
    }
}

TEST(SettingsPackage, ABrokenPackageIsRefusedWhole)
{
    const QByteArray good = rawPackage({{0, 4, nameField("a.xml")}, {2, 4, nameField("comm.xml")}}, "AAAACCCC");
    QByteArray wrongTag = good;
    wrongTag[0] = 'z';
    const struct {
        const char *what;
        QByteArray package;
        Refusal refusal;
    } cases[] = {
        {"truncated", good.left(good.size() - 1), Refusal::WrongTotalSize},
        {"shorter than 64 bytes", good.left(63), Refusal::TooShort},
        {"wrong tag", wrongTag, Refusal::WrongTag},
        {"total size beyond the file", rawPackage({{0, 4, nameField("a.xml")}}, "AAAA", 69), Refusal::WrongTotalSize},
        {"table beyond the file", rawPackage({{0, 4, nameField("a.xml")}}, "AAAA", -1, 2), Refusal::TableBeyondFile},
        // 44 x 0x05D1745E wraps 32 bits to 40, which would put the data area inside the file.
        {"44 x N wraps 32 bits", rawPackage({{0, 4, nameField("a.xml")}}, "AAAA", -1, 0x05D1745E), Refusal::TableBeyondFile},
        {"an entry beyond the file", rawPackage({{0, 4, nameField("a.xml")}, {2, 5, nameField("comm.xml")}}, "AAAACCCC"), Refusal::DataBeyondFile},
        // 0xFFFFFFFC + 12 wraps 32 bits to the 8 bytes of data.
        {"sizes whose sum wraps 32 bits", rawPackage({{0, 0xFFFFFFFC, nameField("a.xml")}, {2, 12, nameField("comm.xml")}}, "AAAACCCC"), Refusal::DataBeyondFile},
        {"data left over", rawPackage({{0, 4, nameField("a.xml")}, {2, 3, nameField("comm.xml")}}, "AAAACCCC"), Refusal::DataLeftOver},
        {"a bad name after a good entry", rawPackage({{0, 4, nameField("a.xml")}, {1, 4, nameField("..\\evil.xml")}}, "AAAABBBB"), Refusal::BadName},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        SettingsPackageEntries entries;
        EXPECT_EQ(decodeInto(entry.package, entries), entry.refusal);
        EXPECT_TRUE(entries.empty());
    }
}

TEST(SettingsPackage, OnlyPlainFileNamesOfTheirKindAreAccepted)
{
    const struct {
        std::uint32_t kind;
        QByteArray name;
        bool accepted;
    } cases[] = {
        {0, "QZ-Pen 6.xml", true},
        {1, "Krita.XML", true},
        {1, "\xe7\x94\xbb\xe5\xae\xb6.xml", true},
        {2, "comm.xml", true},
        {0, "", false},
        {0, ".", false},
        {0, "..", false},
        {0, "..\\conf.xml", false},
        {0, "../conf.xml", false},
        {1, "usr/a.xml", false},
        {1, "C:a.xml", false},
        {1, "a\x01.xml", false},
        {1, "a?.xml", false},
        {0, "CON.xml", false},
        {0, "nul.xml", false},
        {1, "com1.xml", false},
        {1, "LPT9.xml", false},
        {1, "CONSOLE.xml", true},
        {0, "a.xml ", false},
        {0, "a.xml.", false},
        {0, "a.txt", false},
        {0, "comm.xml", true},
        {2, "other.xml", false},
        {2, "COMM.XML", false},
        {0, "\xff\xfe.xml", false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.name.toHex().constData());
        const QByteArray package = rawPackage({{entry.kind, 1, nameField(entry.name)}}, "x");
        SettingsPackageEntries entries;
        EXPECT_EQ(decodeInto(package, entries) == Refusal::None, entry.accepted);
    }
}

TEST(SettingsPackage, TheNameFieldEndsAtItsFirstNulAndHoldsAtMostThirtyTwoBytes)
{
    QByteArray afterNul = nameField("a.xml");
    afterNul.replace(10, 5, "junk!");
    const QByteArray full("abcdefghijklmnopqrstuvwxyz12.xml");
    ASSERT_EQ(full.size(), 32);
    const struct {
        QByteArray field;
        QString name;
    } cases[] = {{afterNul, QStringLiteral("a.xml")}, {full, QString::fromLatin1(full)}};
    for (const auto &entry : cases) {
        SettingsPackageEntries entries;
        ASSERT_EQ(decodeInto(rawPackage({{0, 1, entry.field}}, "x"), entries), Refusal::None);
        ASSERT_EQ(entries.size(), 1u);
        EXPECT_EQ(entries[0].name, entry.name);
    }
    EXPECT_TRUE(SettingsPackage::fitsNameField(QString(30, QLatin1Char('a'))));
    EXPECT_FALSE(SettingsPackage::fitsNameField(QString(29, QLatin1Char('a')) + QChar(0xe9)));
}

TEST(SettingsPackage, TheExtensionIsAppendedUnlessTheNameHoldsItInTheseLetters)
{
    const struct {
        const char *chosen;
        const char *written;
    } cases[] = {
        {"C:/backup/zltablet-20261209", "C:/backup/zltablet-20261209.zlpkg"},
        {"C:/backup/mine.zlpkg", "C:/backup/mine.zlpkg"},
        {"C:/backup/mine.zlpkg.old", "C:/backup/mine.zlpkg.old"},
        {"C:/backup/mine.ZLPKG", "C:/backup/mine.ZLPKG.zlpkg"},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(SettingsPackage::withPackageExtension(QLatin1String(entry.chosen)), QLatin1String(entry.written));
}
