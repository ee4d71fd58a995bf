#include "ui/dialogs/diagnosis/SystemLibraryFolders_Win32.h"

#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cstring>

#include <windows.h>

namespace {

// The machine field of a PE file's header; 0 when the file is not one or cannot be read.
WORD peMachine(const QString &path)
{
    QFile file(path);
    const QByteArray head = file.open(QIODevice::ReadOnly) ? file.read(4096) : QByteArray();
    LONG offset = -1;
    if (head.size() >= 0x40)
        std::memcpy(&offset, head.constData() + 0x3c, sizeof(offset));
    if (offset < 0 || offset + 6 > head.size() || head.mid(offset, 4) != QByteArray("PE\0\0", 4))
        return 0;
    WORD machine = 0;
    std::memcpy(&machine, head.constData() + offset + 4, sizeof(machine));
    return machine;
}

} // namespace

// Read with redirection left on, each folder holds the system's libraries of its bitness,
// whichever bitness this test runs in. A 64-bit system whose 32-bit half is not installed (Wine
// without its 32-bit part) keeps the 32-bit folder empty: there its contents cannot be checked.
TEST(SystemLibraryFolders, EachBitnessFolderHoldsTheSystemLibrariesOfThatBitness)
{
    BOOL wow64 = FALSE;
    const bool system64 = sizeof(void *) == 8 || (IsWow64Process(GetCurrentProcess(), &wow64) && wow64);
    const QStringList x86 = systemWintabLibraryFolders(false);
    const QStringList x64 = systemWintabLibraryFolders(true);
    ASSERT_EQ(x86.size(), 1);
    ASSERT_EQ(x64.size(), system64 ? 1 : 0);
    EXPECT_TRUE(QFileInfo(x86.front()).isDir()) << x86.front().toStdString();
    if (system64) {
        EXPECT_NE(x86.front().compare(x64.front(), Qt::CaseInsensitive), 0) << x86.front().toStdString();
        EXPECT_EQ(peMachine(x64.front() + QStringLiteral("/kernel32.dll")), IMAGE_FILE_MACHINE_AMD64) << x64.front().toStdString();
    }

    const QString kernel32 = x86.front() + QStringLiteral("/kernel32.dll");
    if (!QFileInfo::exists(kernel32))
        GTEST_SKIP() << "not checked here: " << x86.front().toStdString()
                     << " holds no kernel32.dll (this system's 32-bit half is not installed)";
    EXPECT_EQ(peMachine(kernel32), IMAGE_FILE_MACHINE_I386) << kernel32.toStdString();
}
