// The export surface of Nibwire.dll and the wiring of WTInfoA/WTInfoW. The answers item by item
// are WintabInfoTest's; here they come through the real exports.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class NibwireInfo : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_TRUE(module.loaded());
    }

    SessionBridge bridge;
    NibwireModule module;
};

TEST_F(NibwireInfo, EveryExportIsFoundByNameAndByItsOrdinal)
{
    struct Row {
        const char *name;
        WORD ordinal;
    };
    const Row rows[] = {
        {"GetVersion", 1}, {"WTInfoA", 20}, {"WTOpenA", 21}, {"WTClose", 22},
        {"WTPacketsGet", 23}, {"WTPacket", 24}, {"WTEnable", 40}, {"WTOverlap", 41},
        {"WTConfig", 60}, {"WTGetA", 61}, {"WTSetA", 62}, {"WTExtGet", 63}, {"WTExtSet", 64},
        {"WTSave", 65}, {"WTRestore", 66}, {"WTPacketsPeek", 80}, {"WTDataGet", 81},
        {"WTDataPeek", 82}, {"WTQueueSizeGet", 84}, {"WTQueueSizeSet", 85}, {"WTMgrOpen", 100},
        {"WTMgrClose", 101}, {"WTMgrContextEnum", 120}, {"WTMgrContextOwner", 121},
        {"WTMgrDefContext", 122}, {"WTMgrDeviceConfig", 140}, {"WTMgrExt", 180},
        {"WTMgrCsrEnable", 181}, {"WTMgrCsrButtonMap", 182}, {"WTMgrCsrPressureBtnMarks", 183},
        {"WTMgrCsrPressureResponse", 184}, {"WTMgrCsrExt", 185}, {"WTQueuePacketsEx", 200},
        {"WTMgrCsrPressureBtnMarksEx", 201}, {"WTMgrConfigReplaceExA", 202},
        {"WTMgrPacketHookExA", 203}, {"WTMgrPacketUnhook", 204}, {"WTMgrPacketHookNext", 205},
        {"WTMgrDefContextEx", 206}, {"WTInfoW", 1020}, {"WTOpenW", 1021}, {"WTGetW", 1061},
        {"WTSetW", 1062}, {"WTMgrConfigReplaceExW", 1202}, {"WTMgrPacketHookExW", 1203},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const FARPROC byName = GetProcAddress(module.handle(), row.name);
        EXPECT_NE(byName, nullptr);
        EXPECT_EQ(GetProcAddress(module.handle(), MAKEINTRESOURCEA(row.ordinal)), byName);
    }
}

TEST_F(NibwireInfo, GetVersionIsTheSystemsOwn)
{
    const FARPROC system = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetVersion");
    const auto exported = module.get<DWORD(WINAPI *)()>("GetVersion");
    ASSERT_NE(exported, nullptr);
    EXPECT_EQ(reinterpret_cast<void *>(exported), reinterpret_cast<void *>(system));
    EXPECT_EQ(exported(), GetVersion());
}

TEST_F(NibwireInfo, FixedAnswerExportsGiveTheirAnswerWhateverTheyAreGiven)
{
    struct Row {
        const char *name;
        int answer;
    };
    const Row rows[] = {
        {"WTExtGet", 1}, {"WTExtSet", 1}, {"WTSave", 1}, {"WTMgrClose", 1},
        {"WTMgrContextEnum", 1}, {"WTMgrExt", 1}, {"WTMgrCsrEnable", 1},
        {"WTMgrCsrButtonMap", 1}, {"WTMgrCsrPressureBtnMarks", 1},
        {"WTMgrCsrPressureResponse", 1}, {"WTMgrCsrPressureBtnMarksEx", 1},
        {"WTMgrConfigReplaceExA", 1}, {"WTMgrPacketUnhook", 1}, {"WTRestore", 0},
        {"WTMgrOpen", 0}, {"WTMgrContextOwner", 0}, {"WTMgrDefContext", 0},
        {"WTMgrDeviceConfig", 0}, {"WTMgrCsrExt", 0}, {"WTMgrConfigReplaceExW", 0},
        {"WTMgrPacketHookExA", 0}, {"WTMgrPacketHookExW", 0}, {"WTMgrPacketHookNext", 0},
        {"WTMgrDefContextEx", 0},
    };
    // They read no argument, so a call with arguments that point nowhere must do.
    using SixArguments = LONG_PTR(WINAPI *)(void *, void *, void *, void *, void *, void *);
    void *const nowhere = reinterpret_cast<void *>(std::uintptr_t(8));
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        const auto call = module.get<SixArguments>(row.name);
        ASSERT_NE(call, nullptr);
        EXPECT_EQ(int(call(nowhere, nowhere, nowhere, nowhere, nowhere, nowhere)), row.answer);
    }
}

struct InfoRow {
    UINT category;
    UINT index;
    UINT narrowNull, wideNull; // with a null output
    UINT narrow, wide;         // with a buffer
};

TEST_F(NibwireInfo, BothExportsAnswerWithAndWithoutABuffer)
{
    const InfoRow rows[] = {
        {0, 0, 2048, 2048, 2048, 2048},
        {WTI_INTERFACE, 0, 72, 112, 72, 112},
        {WTI_INTERFACE, IFC_WINTABID, 40, 80, 7, 14},
        {WTI_INTERFACE, IFC_SPECVERSION, 2, 2, 2, 2},
        {WTI_STATUS, STA_PKTDATA, 4, 4, 4, 4},
        {WTI_DEFCONTEXT, 0, 172, 212, 172, 212},
        {WTI_DEFSYSCTX, CTX_NAME, 40, 80, 40, 80},
        {WTI_DEFSYSCTX, CTX_PKTDATA, 4, 4, 4, 4},
        {WTI_DEFCONTEXT, CTX_MAX + 1, 0, 0, 0, 0},
        {WTI_DEVICES, DVC_NAME, 40, 80, 15, 30},
        {WTI_DEVICES, DVC_X, 16, 16, 16, 16},
        {WTI_DEVICES, DVC_ORIENTATION, 48, 48, 48, 48},
        {WTI_CURSORS + 1, CSR_NAME, 40, 80, 16, 32},
        {WTI_CURSORS, CSR_NAME, 40, 80, 0, 0},
        {WTI_CURSORS + 2, CSR_PKTDATA, 4, 4, 4, 4},
        {WTI_CURSORS + 2, CSR_TYPE, 4, 4, 4, 4},
        {WTI_EXTENSIONS, 0, 0, 0, 0, 0},
        {999, 1, 0, 0, 0, 0},
    };
    const auto infoA = module.infoA();
    const auto infoW = module.infoW();
    for (const InfoRow &row : rows) {
        SCOPED_TRACE(testing::Message() << row.category << "/" << row.index);
        std::vector<unsigned char> buffer(4096, 0xCC);
        EXPECT_EQ(infoA(row.category, row.index, nullptr), row.narrowNull);
        EXPECT_EQ(infoW(row.category, row.index, nullptr), row.wideNull);
        EXPECT_EQ(infoA(row.category, row.index, buffer.data()), row.narrow);
        EXPECT_EQ(infoW(row.category, row.index, buffer.data()), row.wide);
    }
}

TEST_F(NibwireInfo, TextsComeNarrowAndWide)
{
    char narrow[40] = {};
    wchar_t wide[40] = {};
    module.infoA()(WTI_DEVICES, DVC_NAME, narrow);
    module.infoW()(WTI_DEVICES, DVC_NAME, wide);
    EXPECT_STREQ(narrow, "Generic Tablet");
    EXPECT_STREQ(wide, L"Generic Tablet");
    module.infoA()(WTI_CURSORS + 2, CSR_NAME, narrow);
    module.infoW()(WTI_CURSORS + 2, CSR_NAME, wide);
    EXPECT_STREQ(narrow, "Eraser");
    EXPECT_STREQ(wide, L"Eraser");
}

TEST_F(NibwireInfo, DefaultContextSpansTheVirtualScreenForAnUnknownHost)
{
    LOGCONTEXTA narrow{};
    LOGCONTEXTW wide{};
    ASSERT_EQ(module.infoA()(WTI_DEFCONTEXT, 0, &narrow), 172u);
    ASSERT_EQ(module.infoW()(WTI_DEFSYSCTX, 0, &wide), 212u);
    EXPECT_STREQ(narrow.lcName, "Default Context");
    EXPECT_EQ(std::u16string(wide.lcName), u"Default Context");
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    ASSERT_GT(width, 0);
    EXPECT_EQ(narrow.lcSysOrgX, GetSystemMetrics(SM_XVIRTUALSCREEN));
    EXPECT_EQ(narrow.lcSysExtX, width);
    EXPECT_EQ(narrow.lcSysExtY, height);
    // This test program matches no known application: the output area is the screen.
    EXPECT_EQ(narrow.lcOutExtX, width);
    EXPECT_EQ(narrow.lcOutExtY, height);
    EXPECT_EQ(wide.lcOutExtX, width);
    EXPECT_EQ(wide.lcPktData, 0x15C0u);
    UINT value = 0;
    EXPECT_EQ(module.infoA()(WTI_DEFCONTEXT, CTX_SYSEXTY, &value), 4u);
    EXPECT_EQ(int(value), height);
}

TEST_F(NibwireInfo, StatusCountsTheContextsOfThisProcessOnly)
{
    const auto contexts = [this] {
        UINT count = 0xDEAD;
        EXPECT_EQ(module.infoA()(WTI_STATUS, STA_CONTEXTS, &count), 4u);
        return count;
    };
    EXPECT_EQ(contexts(), 0u);
    // Another process's context in the section is not ours to count.
    ASSERT_TRUE(bridge.editSlot(16, [](ContextSlot &slot) {
        slot.handle = 16;
        slot.ownerProcessId = GetCurrentProcessId() + 4;
        slot.window = reinterpret_cast<std::uintptr_t>(GetDesktopWindow());
    }));
    TestWindow window;
    LOGCONTEXTA context{};
    const auto first = module.openA()(window.handle(), &context, TRUE);
    const auto second = module.openA()(window.handle(), &context, TRUE);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(contexts(), 2u);
    UINT wideCount = 0;
    module.infoW()(WTI_STATUS, STA_CONTEXTS, &wideCount);
    EXPECT_EQ(wideCount, 2u);
    EXPECT_TRUE(module.close()(first));
    EXPECT_EQ(contexts(), 1u);
}

} // namespace
