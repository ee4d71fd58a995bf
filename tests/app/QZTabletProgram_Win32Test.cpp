// QZTablet.exe started as a user starts it, from the folder of this test.
#include "engine/support/SourceTreePath.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>
#include <QTest>

#include <windows.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

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

BOOL CALLBACK noteWindow(HWND window, LPARAM search)
{
    auto *process = reinterpret_cast<std::pair<DWORD, std::vector<HWND>> *>(search);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == process->first)
        process->second.push_back(window);
    return TRUE;
}

// Shown or not.
std::vector<HWND> topLevelWindows(qint64 processId)
{
    std::pair<DWORD, std::vector<HWND>> process(DWORD(processId), {});
    EnumWindows(noteWindow, reinterpret_cast<LPARAM>(&process));
    return process.second;
}

// The toolkit's window, ready for messages: its program is past its start-up and waits for
// them. (The system gives a program other windows too, such as the input method's.)
bool hasAnsweringQtWindow(qint64 processId)
{
    for (HWND window : topLevelWindows(processId)) {
        wchar_t name[256] = {};
        DWORD_PTR result = 0;
        if (GetClassNameW(window, name, 256) > 0 && QString::fromWCharArray(name).contains(QStringLiteral("QWindow"))
            && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 1000, &result))
            return true;
    }
    return false;
}

// What a message to HWND_BROADCAST does for one process: every top-level window of it gets the
// message, shown or not. The broadcast itself would reach the windows of tests that run beside
// this one too.
void sendAsBroadcast(qint64 processId, UINT message, WPARAM wParam, LPARAM lParam)
{
    for (HWND window : topLevelWindows(processId)) {
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, kPatience / 6, &result);
    }
}

// The sizes of the process's shown top-level windows.
std::vector<QSize> shownWindowSizes(qint64 processId)
{
    std::vector<QSize> sizes;
    for (HWND window : topLevelWindows(processId)) {
        RECT frame = {};
        if (IsWindowVisible(window) && GetWindowRect(window, &frame))
            sizes.emplace_back(frame.right - frame.left, frame.bottom - frame.top);
    }
    return sizes;
}

bool showsWindowOfSize(qint64 processId, const QSize &size)
{
    const std::vector<QSize> sizes = shownWindowSizes(processId);
    return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

// A copy of the program under a name of its own, so that it has its own data folder and its own
// instance guard, on the simulated tablet of tools/simulated-hid without its replay (or on a bus
// with the virtual device alone). The tablet's interface logs what the program writes to it: each
// time it opens the tablet, it switches the tablet to its reporting mode (report 09 01 04).
class SimulatedProgram
{
public:
    explicit SimulatedProgram(bool withTablet = true)
        : copy(folder.filePath(QStringLiteral("QZTabletSimulated.exe")))
    {
        EXPECT_TRUE(QFile::copy(program(), copy));
        QDir(QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA")) + QStringLiteral("/QZTabletSimulated"))
                .removeRecursively();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QZTABLET_SIMULATED_HID"),
                           QDir::toNativeSeparators(writeDescription(withTablet)));
        environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("qz.hid.debug=true;qz.engine.debug=true"));
        environment.insert(QStringLiteral("QT_FORCE_STDERR_LOGGING"), QStringLiteral("1"));
        process.setProcessEnvironment(environment);
        process.start(copy, {QStringLiteral("--silent")});
    }

    // Starts the same copy once more and gives the exit code of that start (-1: it did not end).
    int startAgain() const
    {
        QProcess again;
        again.setProcessEnvironment(process.processEnvironment());
        again.start(copy, QStringList());
        return again.waitForFinished(kPatience) && again.exitStatus() == QProcess::NormalExit ? again.exitCode() : -1;
    }

    ~SimulatedProgram()
    {
        process.kill();
        process.waitForFinished(kPatience);
    }

    qint64 processId() const { return process.processId(); }

    int tabletOpenings() const
    {
        QFile log(folder.filePath(QStringLiteral("tablet-output.txt")));
        if (!log.open(QIODevice::ReadOnly))
            return 0;
        return int(QString::fromLatin1(log.readAll()).count(QRegularExpression(QStringLiteral("^\\d+ 09 01 04 "),
                                                                               QRegularExpression::MultilineOption)));
    }

    int linesSaying(const char *text)
    {
        errors += process.readAllStandardError();
        return errors.count(text);
    }

private:
    QString writeDescription(bool withTablet)
    {
        QFile source(sourceTreePath(QStringLiteral("tools/simulated-hid/pen-tablet.json")));
        EXPECT_TRUE(source.open(QIODevice::ReadOnly));
        QJsonObject description = QJsonDocument::fromJson(source.readAll()).object();
        QJsonArray devices;
        for (const QJsonValue &entry : description.value(QStringLiteral("devices")).toArray()) {
            QJsonObject device = entry.toObject();
            const QString path = device.value(QStringLiteral("path")).toString();
            const bool tabletInterface = path.contains(QStringLiteral("vid_5a4c&pid_"));
            if (tabletInterface && !withTablet)
                continue;
            device.remove(QStringLiteral("inputReports"));
            if (path.contains(QStringLiteral("mi_02")))
                device.insert(QStringLiteral("outputLog"), QStringLiteral("tablet-output.txt"));
            devices.append(device);
        }
        description.insert(QStringLiteral("devices"), devices);
        const QString path = folder.filePath(QStringLiteral("tablet.json"));
        QFile written(path);
        EXPECT_TRUE(written.open(QIODevice::WriteOnly));
        written.write(QJsonDocument(description).toJson());
        return path;
    }

    QTemporaryDir folder;
    const QString copy;
    QProcess process;
    QByteArray errors;
};

} // namespace

TEST(QZTabletProgram, PrintsItsVersionAndHelpAndRefusesAnUnknownOption)
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

TEST(QZTabletProgram, ASilentFirstStartShowsNoWindowAndLaterStartsHandOverAndEnd)
{
    QDir(logFolder()).removeRecursively();
    QProcess first;
    first.start(program(), {"-s"});
    ASSERT_TRUE(QTest::qWaitFor([] { return QDir(logFolder()).exists(); }, kPatience));
    // Past its start-up, so that a later start finds it answering.
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasAnsweringQtWindow(first.processId()); }, kPatience / 2));
    QTest::qWait(2000);
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_FALSE(showsAWindow(first.processId()));

    // The first comes up: with its window, or with the dialog that stands in for it while no
    // tablet is connected. A start that finds it too busy to answer in time brings nothing up,
    // so either of the two may be the one.
    bool cameUp = false;
    for (int later = 0; later < 2; ++later) {
        EXPECT_EQ(runToEnd({}).exitCode, 0);
        cameUp = cameUp || QTest::qWaitFor([&] { return showsAWindow(first.processId()); }, kPatience / 12);
    }
    EXPECT_TRUE(cameUp) << "no later start's hand-over brought the first up";
    EXPECT_EQ(first.state(), QProcess::Running);
    first.kill();
    first.waitForFinished(kPatience);
}

TEST(QZTabletProgram, StartedInTheTrayItReopensItsTabletOnAResumeAndFollowsADisplayChangeWithNoWindowShown)
{
    SimulatedProgram program;
    ASSERT_TRUE(QTest::qWaitFor(
            [&] { return program.tabletOpenings() == 1 && program.linesSaying("monitors listed") == 1; },
            kPatience / 2));
    // The main window, hidden, comes a moment after the tablet was opened.
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasAnsweringQtWindow(program.processId()); }, kPatience / 4))
        << "no top-level window for the system's broadcasts to reach";
    EXPECT_FALSE(showsAWindow(program.processId()));

    const struct {
        const char *what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        int openings;
        int readThreadsStopped;
        int monitorLists;
    } steps[] = {
        {"resume", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, 2, 1, 1},
        {"display change", WM_DISPLAYCHANGE, 32,
         MAKELPARAM(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)), 2, 1, 2},
        {"second resume", WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC, 0, 3, 2, 2},
    };
    for (const auto &step : steps) {
        SCOPED_TRACE(step.what);
        sendAsBroadcast(program.processId(), step.message, step.wParam, step.lParam);
        EXPECT_TRUE(QTest::qWaitFor(
                [&] {
                    return program.tabletOpenings() == step.openings
                        && program.linesSaying("read thread stopped") == step.readThreadsStopped
                        && program.linesSaying("monitors listed") == step.monitorLists;
                },
                kPatience / 6))
            << program.tabletOpenings() << " openings, " << program.linesSaying("read thread stopped")
            << " read threads stopped, " << program.linesSaying("monitors listed") << " monitor lists";
        EXPECT_FALSE(showsAWindow(program.processId()));
    }
}

namespace {

struct HandOverCase
{
    const char *what;
    bool tablet;
    QSize shown;
    QSize hidden;
};

// The settings window is 1000 x 700 pixels, the no-device dialog 720 x 380.
const HandOverCase kHandOverCases[] = {
    {"WithATablet", true, QSize(1000, 700), QSize(720, 380)},
    {"WithoutATablet", false, QSize(720, 380), QSize(1000, 700)},
};

void PrintTo(const HandOverCase &entry, std::ostream *stream)
{
    *stream << entry.what;
}

class ProgramHandOver : public testing::TestWithParam<HandOverCase>
{
};

} // namespace

TEST_P(ProgramHandOver, ASecondStartBringsUpTheRunningProgramsWindowOrItsNoDeviceDialog)
{
    const HandOverCase &entry = GetParam();
    SimulatedProgram program(entry.tablet);
    ASSERT_TRUE(QTest::qWaitFor([&] { return hasAnsweringQtWindow(program.processId()); }, kPatience / 2));
    ASSERT_TRUE(shownWindowSizes(program.processId()).empty()) << "started in the tray";

    // Only the one stays up (without a tablet the window comes up and gives way to the dialog).
    const auto handedOver = [&] {
        return showsWindowOfSize(program.processId(), entry.shown)
            && !showsWindowOfSize(program.processId(), entry.hidden);
    };
    // A start that finds the first one too busy to answer within its time ends without bringing
    // anything up; a user then starts it once more.
    bool shown = false;
    for (int start = 0; start < 3 && !shown; ++start) {
        EXPECT_EQ(program.startAgain(), 0);
        shown = QTest::qWaitFor(handedOver, kPatience / 12);
    }
    QStringList sizes;
    for (const QSize &size : shownWindowSizes(program.processId()))
        sizes << QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
    EXPECT_TRUE(shown) << "windows shown: " << qPrintable(sizes.join(QStringLiteral(", ")));
}

INSTANTIATE_TEST_SUITE_P(, ProgramHandOver, testing::ValuesIn(kHandOverCases),
                         [](const testing::TestParamInfo<HandOverCase> &info) { return std::string(info.param.what); });
