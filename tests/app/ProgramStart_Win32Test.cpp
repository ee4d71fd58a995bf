// QZTablet.exe started as a user starts it, from the folder of this test.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <windows.h>

#include <utility>

namespace {

constexpr int kPatience = 60000;

QString program()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/QZTablet.exe");
}

// Made by the program at start-up, after it has joined its instances.
QString logFolder()
{
    return QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/QZTablet/V3/log");
}

// Exit code (-1: still running after a minute), standard output and error.
struct Ended
{
    int exitCode = -1;
    QByteArray output;
    QByteArray errors;
};

Ended runToEnd(const QStringList &arguments)
{
    QProcess process;
    process.start(program(), arguments);
    const bool ended = process.waitForFinished(kPatience) && process.exitStatus() == QProcess::NormalExit;
    return Ended{ended ? process.exitCode() : -1, process.readAllStandardOutput(), process.readAllStandardError()};
}

BOOL CALLBACK noteVisibleWindow(HWND window, LPARAM search)
{
    auto *process = reinterpret_cast<std::pair<DWORD, bool> *>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    process->second = process->second || (owner == process->first && IsWindowVisible(window));
    return TRUE;
}

bool showsAWindow(qint64 processId)
{
    std::pair<DWORD, bool> process(DWORD(processId), false);
    EnumWindows(noteVisibleWindow, reinterpret_cast<LPARAM>(&process));
    return process.second;
}

} // namespace

TEST(ProgramStart, PrintsItsVersionAndHelpAndRefusesAnUnknownOption)
{
    ASSERT_TRUE(QFile::exists(program())) << qPrintable(program());
    const Ended version = runToEnd({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_TRUE(version.output.startsWith("QZTablet ")) << version.output.constData();
    const Ended help = runToEnd({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    for (const char *text : {"Zelvo Pen Tablet", "-s, --silent", "Run in silent mode."})
        EXPECT_TRUE(help.output.contains(text)) << text;
    const Ended unknown = runToEnd({"--no-such-option"});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(unknown.errors.contains("no-such-option")) << unknown.errors.constData();
}

TEST(ProgramStart, ASilentFirstStartShowsNoWindowAndLaterStartsHandOverAndEnd)
{
    QDir(logFolder()).removeRecursively();
    QProcess first;
    first.start(program(), {"-s"});
    ASSERT_TRUE(QTest::qWaitFor([] { return QDir(logFolder()).exists(); }, kPatience));
    QTest::qWait(2000);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(showsAWindow(first.processId()));

    EXPECT_EQ(runToEnd({}).exitCode, 0);
    EXPECT_EQ(runToEnd({}).exitCode, 0);
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(kPatience);
}
