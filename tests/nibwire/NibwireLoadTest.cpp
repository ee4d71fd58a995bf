// The library is loaded by foreign host processes: it must load and unload cleanly, repeatedly,
// and carry no dependency on runtime DLLs that a host does not have.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring libraryBesideTest()
{
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"Nibwire.dll";
}

} // namespace

TEST(NibwireLibrary, LoadsAndUnloadsRepeatedly)
{
    const std::wstring path = libraryBesideTest();
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        HMODULE module = LoadLibraryW(path.c_str());
        ASSERT_NE(module, nullptr) << "LoadLibrary failed with error " << GetLastError();
        EXPECT_TRUE(FreeLibrary(module));
    }
}

TEST(NibwireLibrary, IsBuiltForThisProcessArchitecture)
{
    HMODULE module = LoadLibraryExW(libraryBesideTest().c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
    ASSERT_NE(module, nullptr);
    auto *base = reinterpret_cast<const unsigned char *>(module);
    auto *dos = reinterpret_cast<const IMAGE_DOS_HEADER *>(base);
    auto *nt = reinterpret_cast<const IMAGE_NT_HEADERS *>(base + dos->e_lfanew);
    EXPECT_EQ(nt->FileHeader.Machine, IMAGE_FILE_MACHINE_AMD64);
    EXPECT_TRUE(nt->FileHeader.Characteristics & IMAGE_FILE_DLL);
    FreeLibrary(module);
}
