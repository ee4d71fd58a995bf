#include "config/platform/CrashDumpHandler_Win32.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <windows.h>

namespace {

constexpr long kExecuteHandler = 1;

QStringList dumpFiles(const QString &folder)
{
    return QDir(folder).entryList({QStringLiteral("Zelvo_*.dmp")}, QDir::Files);
}

QByteArray fileStart(const QString &path, int size)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(size) : QByteArray();
}

// Restores the folder the other tests of the process see.
class LogFolderScope
{
public:
    explicit LogFolderScope(const QString &folder) : previous(CrashDumpHandler_Win32::logFolder())
    {
        CrashDumpHandler_Win32::setLogFolder(folder);
    }
    ~LogFolderScope() { CrashDumpHandler_Win32::setLogFolder(previous); }

private:
    const QString previous;
};

} // namespace

TEST(CrashDumpHandler, NamesTheDumpAfterTheLogFolderAndTheSecond)
{
    const QDateTime time(QDate(2024, 3, 7), QTime(9, 5, 2));
    EXPECT_EQ(CrashDumpHandler_Win32::dumpFilePath(QStringLiteral("C:/Users/me/logs"), time),
              QStringLiteral("C:/Users/me/logs/Zelvo_20240307090502.dmp"));
}

TEST(CrashDumpHandler, UsesTwentyFourHourTime)
{
    const QDateTime time(QDate(2023, 12, 31), QTime(23, 59, 59));
    EXPECT_EQ(CrashDumpHandler_Win32::dumpFilePath(QStringLiteral("logs"), time),
              QStringLiteral("logs/Zelvo_20231231235959.dmp"));
}

TEST(CrashDumpHandler, TwoDumpsOfOneSecondShareTheName)
{
    const QDateTime first(QDate(2024, 1, 2), QTime(3, 4, 5, 10));
    const QDateTime second(QDate(2024, 1, 2), QTime(3, 4, 5, 990));
    EXPECT_EQ(CrashDumpHandler_Win32::dumpFilePath(QStringLiteral("d"), first),
              CrashDumpHandler_Win32::dumpFilePath(QStringLiteral("d"), second));
}

TEST(CrashDumpHandler, WritesAMinidumpIntoTheLogFolder)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    LogFolderScope scope(folder.path());

    EXPECT_EQ(CrashDumpHandler_Win32::writeCrashDump(nullptr), kExecuteHandler);

    const QStringList dumps = dumpFiles(folder.path());
    ASSERT_EQ(dumps.size(), 1);
    EXPECT_EQ(fileStart(folder.filePath(dumps.first()), 4), QByteArray("MDMP"));
}

TEST(CrashDumpHandler, AMissingLogFolderGivesNoFileAndStillEndsTheProcess)
{
    QTemporaryDir parent;
    ASSERT_TRUE(parent.isValid());
    const QString missing = parent.filePath(QStringLiteral("missing"));
    LogFolderScope scope(missing);

    EXPECT_EQ(CrashDumpHandler_Win32::writeCrashDump(nullptr), kExecuteHandler);

    EXPECT_FALSE(QDir(missing).exists());
    EXPECT_TRUE(QDir(parent.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).isEmpty());
}

TEST(CrashDumpHandler, NoLogFolderGivesNoFile)
{
    LogFolderScope scope{QString()};
    const QStringList before = dumpFiles(QStringLiteral("/"));

    EXPECT_EQ(CrashDumpHandler_Win32::writeCrashDump(nullptr), kExecuteHandler);

    EXPECT_EQ(dumpFiles(QStringLiteral("/")), before);
}

TEST(CrashDumpHandler, ACrashingProcessLeavesADumpOfItself)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/crashing_child.exe"),
                {QDir::toNativeSeparators(folder.path())});
    ASSERT_TRUE(child.waitForStarted(30000)) << child.errorString().toStdString();
    ASSERT_TRUE(child.waitForFinished(100000));

    EXPECT_EQ(child.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(DWORD(child.exitCode()), DWORD(EXCEPTION_ACCESS_VIOLATION));
    const QStringList dumps = dumpFiles(folder.path());
    ASSERT_EQ(dumps.size(), 1);
    const QString dump = folder.filePath(dumps.first());
    EXPECT_GT(QFileInfo(dump).size(), 4);
    EXPECT_EQ(fileStart(dump, 4), QByteArray("MDMP"));
}
