#include "ui/dialogs/diagnosis/WintabLibraryFolders.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

TEST(WintabLibraryFolders, EachBitnessIsReadWhereThisProcessReachesItsSystemFolder)
{
    const QString system = QStringLiteral("D:/Win/system32");
    const QString wow64 = QStringLiteral("D:/Win/SysWOW64");
    const QString windows = QStringLiteral("D:/Win");
    const struct {
        const char *what;
        SystemFolders folders;
        QStringList x86;
        QStringList x64;
    } cases[] = {
        {"32-bit program on a 64-bit system", {false, system, wow64, windows}, {wow64}, {QStringLiteral("D:/Win/Sysnative")}},
        {"64-bit program on a 64-bit system", {true, system, wow64, windows}, {wow64}, {system}},
        {"32-bit program on a 32-bit system", {false, system, QString(), windows}, {system}, {}},
        {"64-bit program without a 32-bit subsystem", {true, system, QString(), windows}, {}, {system}},
        {"32-bit program, no Windows folder", {false, system, wow64, QString()}, {wow64}, {}},
        {"every query failed", {false, QString(), QString(), QString()}, {}, {}},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        EXPECT_EQ(wintabLibraryFolders(entry.folders, false), entry.x86);
        EXPECT_EQ(wintabLibraryFolders(entry.folders, true), entry.x64);
    }
}
