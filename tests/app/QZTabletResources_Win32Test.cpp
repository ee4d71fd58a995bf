// The resources that the QZTablet program carries: its version (Explorer's properties, and the
// version Qt reports) and its icon in every size the shell asks for.
#include <windows.h>

#include <QCoreApplication>
#include <QDir>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring programPath()
{
    return QDir::toNativeSeparators(
                   QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("QZTablet.exe")))
            .toStdWString();
}

std::vector<char> versionInfo()
{
    const std::wstring path = programPath();
    DWORD unused = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &unused);
    std::vector<char> data(size);
    if (size == 0 || !GetFileVersionInfoW(path.c_str(), 0, size, data.data()))
        data.clear();
    return data;
}

std::wstring versionString(std::vector<char> &data, const wchar_t *name)
{
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    wchar_t *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(data.data(), key.c_str(), reinterpret_cast<void **>(&value), &length))
        return std::wstring();
    return std::wstring(value);
}

// The icon group as the resource compiler wrote it: a 6-byte header, then 14 bytes per image
// whose first byte is the image's width (0 for 256).
std::vector<int> iconGroupWidths()
{
    std::vector<int> widths;
    HMODULE module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module)
        return widths;
    HRSRC found = FindResourceW(module, L"IDI_ICON1", MAKEINTRESOURCEW(14));
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto *bytes = loaded ? static_cast<const unsigned char *>(LockResource(loaded)) : nullptr;
    if (bytes && SizeofResource(module, found) >= 6) {
        WORD count = 0;
        std::memcpy(&count, bytes + 4, sizeof count);
        if (SizeofResource(module, found) >= 6u + 14u * count) {
            for (WORD i = 0; i < count; ++i)
                widths.push_back(bytes[6 + 14 * i] == 0 ? 256 : bytes[6 + 14 * i]);
        }
    }
    FreeLibrary(module);
    return widths;
}

} // namespace

TEST(QZTabletResources, TheProgramIsVersion3_5_10_2)
{
    std::vector<char> data = versionInfo();
    ASSERT_FALSE(data.empty()) << "QZTablet.exe has no version resource";
    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    struct Row
    {
        const char *name;
        DWORD mostSignificant;
        DWORD leastSignificant;
    };
    const Row rows[] = {
        {"file version", fixed->dwFileVersionMS, fixed->dwFileVersionLS},
        {"product version", fixed->dwProductVersionMS, fixed->dwProductVersionLS},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(HIWORD(row.mostSignificant), 3);
        EXPECT_EQ(LOWORD(row.mostSignificant), 5);
        EXPECT_EQ(HIWORD(row.leastSignificant), 10);
        EXPECT_EQ(LOWORD(row.leastSignificant), 2);
    }
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
    EXPECT_EQ(versionString(data, L"FileVersion"), L"3.5.10.2");
    EXPECT_EQ(versionString(data, L"ProductVersion"), L"3.5.10.2");
    EXPECT_EQ(versionString(data, L"OriginalFilename"), L"QZTablet.exe");
}

TEST(QZTabletResources, TheProgramIconHoldsEverySizeTheShellAsksFor)
{
    EXPECT_EQ(iconGroupWidths(), std::vector<int>({16, 24, 32, 48, 256}));
}
