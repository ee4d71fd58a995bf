#include "config/package/SettingsPackageFiles.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>
#include <QtEndian>

namespace {

using ExportResult = SettingsPackageFiles::ExportResult;
using ImportResult = SettingsPackageFiles::ImportResult;

// The three folders of a package under a temporary root, which also receives the package.
struct TestFolders
{
    TestFolders()
    {
        for (const char *name : {"conf", "conf/usr", "conf/app"})
            EXPECT_TRUE(QDir(root.path()).mkpath(QLatin1String(name)));
    }

    SettingsFolders folders() const
    {
        return {path("conf/usr"), path("conf/app"), path("conf")};
    }

    QString path(const QString &relative) const { return QDir(root.path()).filePath(relative); }

    void write(const QString &relative, const QByteArray &bytes) const
    {
        QFile file(path(relative));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }

    // Every file under the root with its content.
    QMap<QString, QByteArray> contents() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(root.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile file(it.next());
            EXPECT_TRUE(file.open(QIODevice::ReadOnly));
            files.insert(QDir(root.path()).relativeFilePath(file.fileName()), file.readAll());
        }
        return files;
    }

    QTemporaryDir root;
};

QByteArray le32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes;
}

QStringList namesOf(const SettingsPackageEntries &entries)
{
    QStringList names;
    for (const SettingsPackageEntry &entry : entries)
        names << QString::number(entry.kind) + QLatin1Char(' ') + entry.name;
    return names;
}

} // namespace

TEST(SettingsPackageFiles, ThePackageTakesEachFolderSortedAndSkipsWhatItCannotHold)
{
    TestFolders test;
    const QString longName = QString(27, QLatin1Char('n')) + QStringLiteral(".xml");
    test.write(QStringLiteral("conf/usr/QZ-Pen 6.xml"), "pen six");
    test.write(QStringLiteral("conf/usr/QZ-Canvas 16.xml"), "canvas");
    test.write(QStringLiteral("conf/usr/empty.xml"), QByteArray());
    test.write(QStringLiteral("conf/usr/notes.txt"), "not a configuration");
    test.write(QStringLiteral("conf/usr/") + longName, "31 bytes of name");
    test.write(QStringLiteral("conf/usr/") + longName.mid(1), "30 bytes of name");
    test.write(QStringLiteral("conf/app/Krita.xml"), "krita");
    test.write(QStringLiteral("conf/comm.xml"), "common");
    test.write(QStringLiteral("conf/other.xml"), "not in any package");

    const SettingsPackageEntries entries = SettingsPackageFiles::collect(test.folders());

    EXPECT_EQ(namesOf(entries), (QStringList{QStringLiteral("0 QZ-Canvas 16.xml"), QStringLiteral("0 QZ-Pen 6.xml"),
                                             QStringLiteral("0 ") + longName.mid(1),
                                             QStringLiteral("1 Krita.xml"), QStringLiteral("2 comm.xml")}));
    EXPECT_EQ(entries[1].data, QByteArray("pen six"));
}

TEST(SettingsPackageFiles, ExportWritesOnlyAPackageThatHasSomethingInIt)
{
    const struct {
        const char *what;
        bool withCommonFile;
        const char *target;
        ExportResult result;
        bool written;
    } cases[] = {
        {"nothing saved", false, "backup.zlpkg", ExportResult::NothingToExport, false},
        {"a folder that is not there", true, "missing/backup.zlpkg", ExportResult::Failed, false},
        {"comm.xml alone", true, "backup.zlpkg", ExportResult::Completed, true},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TestFolders test;
        if (entry.withCommonFile)
            test.write(QStringLiteral("conf/comm.xml"), QByteArray(20, 'c'));
        const QString target = test.path(QLatin1String(entry.target));

        EXPECT_EQ(SettingsPackageFiles::exportTo(target, test.folders()), entry.result);

        EXPECT_EQ(QFile::exists(target), entry.written);
        if (entry.written) {
            EXPECT_EQ(QFileInfo(target).size(), 84);
        }
    }
}

TEST(SettingsPackageFiles, ImportBringsBackEveryFileAndLeavesTheOthers)
{
    TestFolders source;
    const QMap<QString, QByteArray> saved = {
        {QStringLiteral("conf/usr/QZ-Pen 6.xml"), "<Configure pen six/>"},
        {QStringLiteral("conf/usr/QZ-Canvas 16.xml"), "<Configure canvas/>"},
        {QStringLiteral("conf/app/Krita.xml"), "<Application krita/>"},
        {QString::fromUtf8("conf/app/\xe7\x94\xbb\xe5\xae\xb6.xml"), "<Application painter/>"},
        {QStringLiteral("conf/comm.xml"), "<Genercal/>"},
    };
    for (auto it = saved.cbegin(); it != saved.cend(); ++it)
        source.write(it.key(), it.value());
    const QString package = source.path(QStringLiteral("backup.zlpkg"));
    ASSERT_EQ(SettingsPackageFiles::exportTo(package, source.folders()), ExportResult::Completed);

    TestFolders target;
    target.write(QStringLiteral("conf/usr/QZ-Pen 6.xml"), "older pen six");
    target.write(QStringLiteral("conf/app/GIMP.xml"), "<Application gimp/>");
    ASSERT_EQ(SettingsPackageFiles::importFrom(package, target.folders()).result, ImportResult::Completed);

    QMap<QString, QByteArray> expected = saved;
    expected.insert(QStringLiteral("conf/app/GIMP.xml"), "<Application gimp/>");
    EXPECT_EQ(target.contents(), expected);
#ifndef Q_OS_WIN
    EXPECT_EQ(QFileInfo(target.path(QStringLiteral("conf/app/Krita.xml"))).permissions()
                      & (QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup
                         | QFileDevice::WriteGroup | QFileDevice::ReadOther | QFileDevice::WriteOther),
              QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ReadGroup | QFileDevice::ReadOther);
#endif
}

TEST(SettingsPackageFiles, AHostilePackageWritesNothing)
{
    const QByteArray good = SettingsPackage::encode({{0, QStringLiteral("a.xml"), "AAAA"}, {2, QStringLiteral("comm.xml"), "CCCC"}});
    QByteArray beyond = good;
    beyond.replace(20 + 44 + 4, 4, le32(5));
    QByteArray escaping = SettingsPackage::encode({{0, QStringLiteral("a.xml"), "AAAA"}, {1, QStringLiteral("b.xml"), "BBBB"}});
    escaping.replace(20 + 44 + 8, 11, "..\\..\\b.xml");
    const QByteArray device = SettingsPackage::encode({{0, QStringLiteral("a.xml"), "AAAA"}, {0, QStringLiteral("nul.xml"), "NNNN"}});
    QByteArray wrapping = good;
    wrapping.replace(16, 4, le32(0x05D1745E));
    const struct {
        const char *what;
        QByteArray package;
    } cases[] = {
        {"truncated", good.left(good.size() - 2)},
        {"sizes beyond the file", beyond},
        {"a name that climbs out of its folder", escaping},
        {"a device name", device},
        {"44 x N beyond 32 bits", wrapping},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TestFolders test;
        test.write(QStringLiteral("conf/usr/a.xml"), "kept");
        test.write(QStringLiteral("hostile.zlpkg"), entry.package);
        const QMap<QString, QByteArray> before = test.contents();

        EXPECT_EQ(SettingsPackageFiles::importFrom(test.path(QStringLiteral("hostile.zlpkg")), test.folders()).result,
                  ImportResult::Refused);

        EXPECT_EQ(test.contents(), before);
    }
}

TEST(SettingsPackageFiles, ImportTellsWhatWentWrong)
{
    TestFolders test;
    const QString package = test.path(QStringLiteral("backup.zlpkg"));
    EXPECT_EQ(SettingsPackageFiles::importFrom(package, test.folders()).result, ImportResult::NotRead);

    QFile huge(package);
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    ASSERT_TRUE(huge.resize(64 * 1024 * 1024 + 1));
    huge.close();
    EXPECT_EQ(SettingsPackageFiles::importFrom(package, test.folders()).result, ImportResult::Refused);
}

// A file that cannot be written is named and does not stop the files after it.
TEST(SettingsPackageFiles, AnImportNamesTheFilesItCouldNotWrite)
{
    const struct {
        const char *what;
        bool profileFolderThere;
        bool commonFileBlocked;
        ImportResult result;
        QStringList unwritten;
    } cases[] = {
        {"all written", true, false, ImportResult::Completed, {}},
        {"the profile folder missing", false, false, ImportResult::PartlyWritten, {"Krita.xml", "GIMP.xml"}},
        {"a folder where comm.xml goes", true, true, ImportResult::PartlyWritten, {"comm.xml"}},
        {"nothing could be written", false, true, ImportResult::NothingWritten, {"Krita.xml", "GIMP.xml", "comm.xml"}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        TestFolders test;
        test.write(QStringLiteral("backup.zlpkg"),
                   SettingsPackage::encode({{1, QStringLiteral("Krita.xml"), "krita"},
                                            {1, QStringLiteral("GIMP.xml"), "gimp"},
                                            {2, QStringLiteral("comm.xml"), "common"}}));
        SettingsFolders folders = test.folders();
        if (!entry.profileFolderThere)
            folders.appProfile = test.path(QStringLiteral("missing"));
        if (entry.commonFileBlocked) {
            ASSERT_TRUE(QDir(test.path(QStringLiteral("conf"))).mkpath(QStringLiteral("comm.xml")));
        }

        const SettingsPackageFiles::ImportReport report =
                SettingsPackageFiles::importFrom(test.path(QStringLiteral("backup.zlpkg")), folders);

        EXPECT_EQ(report.result, entry.result);
        EXPECT_EQ(report.unwritten, entry.unwritten);
        const QMap<QString, QByteArray> files = test.contents();
        EXPECT_EQ(files.value(QStringLiteral("conf/app/GIMP.xml")), entry.profileFolderThere ? "gimp" : QByteArray());
        EXPECT_EQ(files.value(QStringLiteral("conf/comm.xml")), entry.commonFileBlocked ? QByteArray() : "common");
    }
}
