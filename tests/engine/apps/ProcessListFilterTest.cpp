#include "engine/apps/ProcessListFilter.h"

#include "engine/support/SourceTreePath.h"

#include <gtest/gtest.h>

namespace {

RunningProcess process(const char *exeName, const char *path, int gdiObjects = 40)
{
    RunningProcess running;
    running.exeName = QString::fromUtf8(exeName);
    running.path = QString::fromUtf8(path);
    running.gdiObjects = gdiObjects;
    return running;
}

QString filterFile()
{
    return sourceTreePath(QStringLiteral("res/third/ProcessFillter.json"));
}

} // namespace

TEST(ProcessListFilter, TheExclusionFileNames46Processes)
{
    const QSet<QString> names = readProcessFilter(filterFile());
    EXPECT_EQ(names.size(), 46);
    EXPECT_TRUE(names.contains(QStringLiteral("explorer")));
    EXPECT_TRUE(names.contains(QStringLiteral("ZLTablet")));
    EXPECT_TRUE(names.contains(QStringLiteral("Adobe Spaces Helper")));
    EXPECT_TRUE(names.contains(QStringLiteral("Microsoft.VsHub.Server.HttpHostx64")));
    EXPECT_TRUE(readProcessFilter(QStringLiteral("/no/such/file.json")).isEmpty());
}

TEST(ProcessListFilter, ProgramsWithWindowsOutsideTheSystemFolderAreOffered)
{
    const ProcessListFilter filter(readProcessFilter(filterFile()),
                                   [](const QString &) { return QIcon(); });
    ProcessEntry entry;
    ASSERT_TRUE(filter.admit(process("krita.exe", "C:\\Program Files\\Krita\\bin\\krita.exe"), entry));
    EXPECT_EQ(entry.name, QStringLiteral("krita"));
    EXPECT_EQ(entry.path, QStringLiteral("C:\\Program Files\\Krita\\bin\\krita.exe"));
}

TEST(ProcessListFilter, ThePickerNeverShowsExcludedNamesNorQzTabletItself)
{
    const ProcessListFilter filter(readProcessFilter(filterFile()));
    ProcessEntry entry;
    EXPECT_FALSE(filter.admit(process("explorer.exe", "D:\\Shell\\explorer.exe"), entry));
    EXPECT_FALSE(filter.admit(process("ZLTablet.exe", "C:\\Tablet\\ZLTablet.exe"), entry));
    EXPECT_FALSE(filter.admit(process("QZTablet.exe", "C:\\Tablet\\QZTablet.exe"), entry));
    EXPECT_FALSE(ProcessListFilter({}).admit(process("QZTablet.exe", "C:\\Tablet\\QZTablet.exe"), entry))
            << "even without an exclusion file";
}

TEST(ProcessListFilter, SystemProgramsLibrariesAndWindowlessProcessesAreLeftOut)
{
    const ProcessListFilter filter({});
    ProcessEntry entry;
    EXPECT_FALSE(filter.admit(process("notepad.exe", "C:\\Windows\\System32\\notepad.exe"), entry));
    EXPECT_FALSE(filter.admit(process("helper.dll", "C:\\Apps\\helper.dll"), entry));
    EXPECT_FALSE(filter.admit(process("service.exe", "C:\\Apps\\service.exe", 9), entry));
    EXPECT_TRUE(filter.admit(process("service.exe", "C:\\Apps\\service.exe", 10), entry));
    EXPECT_FALSE(filter.admit(process("", "C:\\Apps\\a.exe"), entry));
    EXPECT_FALSE(filter.admit(process("secure.exe", ""), entry)) << "a process that could not be opened";
}

// Windows does not tell file names apart by letter case, and snapshots spell them as the file
// system has them: every rule holds in any case.
TEST(ProcessListFilter, NamesAndPathsAreComparedWhateverTheirLetterCase)
{
    const ProcessListFilter filter(readProcessFilter(filterFile()));
    const struct
    {
        const char *rule;
        RunningProcess process;
    } hidden[] = {
        {"a name of the exclusion file", process("EXPLORER.EXE", "D:\\Shell\\EXPLORER.EXE")},
        {"a name of the exclusion file", process("applicationframehost.exe", "D:\\Apps\\afh.exe")},
        {"the program itself", process("qztablet.exe", "C:\\Tablet\\qztablet.exe")},
        {"the system folder", process("notepad.exe", "c:\\WINDOWS\\system32\\notepad.exe")},
        {"a library", process("Helper.DLL", "C:\\Apps\\Helper.DLL")},
    };
    for (const auto &c : hidden) {
        ProcessEntry entry;
        EXPECT_FALSE(filter.admit(c.process, entry)) << c.rule << ": " << c.process.exeName.toStdString();
    }
    ProcessEntry entry;
    ASSERT_TRUE(filter.admit(process("Krita.EXE", "C:\\Krita\\Krita.EXE"), entry));
    EXPECT_EQ(entry.name, QStringLiteral("Krita")) << "the extension is cut in any case";
}

TEST(ProcessListFilter, TheNameIsCutAtItsExtension)
{
    EXPECT_EQ(ProcessListFilter::programName(QStringLiteral("Photoshop.exe")), QStringLiteral("Photoshop"));
    EXPECT_EQ(ProcessListFilter::programName(QStringLiteral("KRITA.EXE")), QStringLiteral("KRITA"));
    EXPECT_EQ(ProcessListFilter::programName(QStringLiteral(".exe")), QStringLiteral(".exe"));
    EXPECT_EQ(ProcessListFilter::programName(QStringLiteral("tool")), QStringLiteral("tool"));
}

TEST(ProcessListFilter, EntriesKeepTheSnapshotOrderAndDuplicates)
{
    int icons = 0;
    const ProcessListFilter filter({}, [&icons](const QString &) {
        ++icons;
        return QIcon();
    });
    const std::vector<ProcessEntry> entries = filter.entries({
            process("b.exe", "C:\\B\\b.exe"),
            process("conhost.exe", "C:\\Windows\\System32\\conhost.exe"),
            process("a.exe", "C:\\A\\a.exe"),
            process("b.exe", "C:\\B\\b.exe"),
    });
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, QStringLiteral("b"));
    EXPECT_EQ(entries[1].name, QStringLiteral("a"));
    EXPECT_EQ(entries[2].name, QStringLiteral("b"));
    EXPECT_EQ(icons, 3);
}
