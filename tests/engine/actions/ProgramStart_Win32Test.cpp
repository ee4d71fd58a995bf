#include "engine/actions/ProgramStart_Win32.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A batch file in a folder named with characters outside any ANSI code page; it leaves a
// marker file in a plain folder when it runs.
struct MarkingScript
{
    MarkingScript()
    {
        if (!work.isValid() || !QDir(work.path()).mkpath(QStringLiteral("Pr\u00fcfung \u65e5\u672c \u03a9")))
            return;
        marker = QDir::toNativeSeparators(work.filePath(QStringLiteral("marker.txt")));
        script = work.filePath(QStringLiteral("Pr\u00fcfung \u65e5\u672c \u03a9/mark it.cmd"));
        QFile file(script);
        if (!file.open(QIODevice::WriteOnly))
            return;
        file.write(QStringLiteral("@echo started> \"%1\"\r\n").arg(marker).toLocal8Bit());
        ready = true;
    }

    bool ranWithin(std::chrono::milliseconds limit) const
    {
        for (auto waited = 0ms; waited < limit; waited += 50ms) {
            if (QFile::exists(marker))
                return true;
            std::this_thread::sleep_for(50ms);
        }
        return QFile::exists(marker);
    }

    QTemporaryDir work;
    QString script;
    QString marker;
    bool ready = false;
};

} // namespace

TEST(ProgramStart_Win32, AProgramWhosePathIsNotAnsiStarts)
{
    MarkingScript script;
    ASSERT_TRUE(script.ready);
    ASSERT_TRUE(runProgram(QDir::toNativeSeparators(script.script)));
    EXPECT_TRUE(script.ranWithin(20000ms));
}

TEST(ProgramStart_Win32, ADetachedStartReturnsAtOnceAndStillStarts)
{
    MarkingScript script;
    ASSERT_TRUE(script.ready);
    runProgramDetached(QDir::toNativeSeparators(script.script));
    EXPECT_TRUE(script.ranWithin(20000ms));
}
