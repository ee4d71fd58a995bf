#include "nibwire/WintabInfo.h"

#include "nibwire/ContextRecords.h"
#include "nibwire/DefaultContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;
using WintabInfo::Text;

constexpr unsigned char kUntouched = 0xCC;
constexpr std::size_t kBufferSize = 2048;

Bytes u32(std::uint32_t value)
{
    return {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
}

Bytes u16(std::uint16_t value)
{
    return {std::uint8_t(value), std::uint8_t(value >> 8)};
}

Bytes join(std::initializer_list<Bytes> parts)
{
    Bytes all;
    for (const Bytes &part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes narrow(const std::string &text)
{
    Bytes bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

Bytes wide(const std::string &text)
{
    Bytes bytes;
    for (char c : text) {
        bytes.push_back(std::uint8_t(c));
        bytes.push_back(0);
    }
    bytes.push_back(0);
    bytes.push_back(0);
    return bytes;
}

Bytes padded(Bytes bytes, std::size_t size)
{
    bytes.resize(size, 0);
    return bytes;
}

Bytes axis(std::int32_t min, std::int32_t max, std::uint32_t units, std::uint32_t resolution)
{
    return join({u32(std::uint32_t(min)), u32(std::uint32_t(max)), u32(units), u32(resolution)});
}

const VirtualScreen kScreen{-1920, -200, 3840, 1280};

LOGCONTEXTA unknownHostDefaultContext()
{
    HostIdentification::HostIdentity host;
    host.matched = false;
    host.hostCode = HostIdentification::kUnknownHostCode;
    return DefaultContext::make(kScreen, host);
}

constexpr ContextRecords::WideName kWideDefaultName = u"Default Context";

// The default context in both widths, as the library converts it.
struct DefaultContexts
{
    LOGCONTEXTA narrow = unknownHostDefaultContext();
    LOGCONTEXTW wide = ContextRecords::widened(narrow, kWideDefaultName);
    WintabInfo::Sources sources(std::uint32_t openContexts = 0) const
    {
        WintabInfo::Sources given;
        given.defaultContext = &narrow;
        given.wideDefaultContext = &wide;
        given.openContexts = openContexts;
        return given;
    }
};

struct Item {
    std::uint32_t category;
    std::uint32_t index;
    Text text;
    std::uint32_t written;    // result with a buffer
    Bytes bytes;              // what the buffer holds afterwards (the rest stays untouched)
    std::uint32_t needed;     // result with a null output
};

std::string describe(const Item &item)
{
    return "category " + std::to_string(item.category) + " index " + std::to_string(item.index)
           + (item.text == Text::Wide ? " W" : " A");
}

void expectItems(const std::vector<Item> &items, std::uint32_t openContexts = 0)
{
    const DefaultContexts contexts;
    const WintabInfo::Sources sources = contexts.sources(openContexts);
    for (const Item &item : items) {
        SCOPED_TRACE(describe(item));
        Bytes buffer(kBufferSize, kUntouched);
        EXPECT_EQ(WintabInfo::answer(item.category, item.index, buffer.data(), item.text, sources), item.written);
        const Bytes head(buffer.begin(), buffer.begin() + long(item.bytes.size()));
        EXPECT_EQ(head, item.bytes);
        EXPECT_EQ(buffer[item.bytes.size()], kUntouched) << "wrote past the item";
        EXPECT_EQ(WintabInfo::answer(item.category, item.index, nullptr, item.text, sources), item.needed);
    }
}

// The same item for both text widths.
void both(std::vector<Item> &items, std::uint32_t category, std::uint32_t index, std::uint32_t written,
          const Bytes &bytes, std::uint32_t needed)
{
    items.push_back({category, index, Text::Narrow, written, bytes, needed});
    items.push_back({category, index, Text::Wide, written, bytes, needed});
}

TEST(WintabInfo, CategoryZeroAnswers2048AndWritesNothingForAnyIndex)
{
    std::vector<Item> items;
    for (std::uint32_t index : {0u, 1u, 7u, 1000u})
        both(items, 0, index, 2048, {}, 2048);
    expectItems(items);
}

TEST(WintabInfo, UnknownCategoriesAnswerZero)
{
    std::vector<Item> items;
    for (std::uint32_t category : {5u, 99u, 101u, 203u, 300u, 401u, 415u, 501u, 600u})
        both(items, category, 0, 0, {}, 0);
    expectItems(items);
}

TEST(WintabInfo, InterfaceCategoryAnswersEveryIndex)
{
    std::vector<Item> items = {
        {WTI_INTERFACE, 0, Text::Narrow, 72, {}, 72},
        {WTI_INTERFACE, 0, Text::Wide, 112, {}, 112},
        {WTI_INTERFACE, IFC_WINTABID, Text::Narrow, 7, narrow("WINTAB"), 40},
        {WTI_INTERFACE, IFC_WINTABID, Text::Wide, 14, wide("WINTAB"), 80},
    };
    both(items, WTI_INTERFACE, IFC_SPECVERSION, 2, u16(0x0104), 2);
    both(items, WTI_INTERFACE, IFC_IMPLVERSION, 2, u16(0x0104), 2);
    both(items, WTI_INTERFACE, IFC_NDEVICES, 4, u32(1), 4);
    both(items, WTI_INTERFACE, IFC_NCURSORS, 4, u32(2), 4);
    both(items, WTI_INTERFACE, IFC_NCONTEXTS, 4, u32(16), 4);
    both(items, WTI_INTERFACE, IFC_CTXOPTIONS, 4, u32(0xC00F), 4);
    both(items, WTI_INTERFACE, IFC_CTXSAVESIZE, 0, {}, 4);
    both(items, WTI_INTERFACE, IFC_NEXTENSIONS, 0, {}, 4);
    both(items, WTI_INTERFACE, IFC_NMANAGERS, 4, u32(1), 4);
    both(items, WTI_INTERFACE, 11, 0, {}, 0);
    both(items, WTI_INTERFACE, 500, 0, {}, 0);
    expectItems(items);
}

TEST(WintabInfo, StatusCategoryAnswersEveryIndex)
{
    std::vector<Item> items;
    both(items, WTI_STATUS, 0, 32, {}, 32);
    both(items, WTI_STATUS, STA_CONTEXTS, 4, u32(3), 4);
    both(items, WTI_STATUS, STA_SYSCTXS, 4, u32(1), 4);
    both(items, WTI_STATUS, STA_PKTRATE, 4, u32(200), 4);
    both(items, WTI_STATUS, STA_PKTDATA, 4, u32(0x1C0), 4);
    both(items, WTI_STATUS, STA_MANAGERS, 4, u32(1), 4);
    both(items, WTI_STATUS, STA_SYSTEM, 4, u32(1), 4);
    both(items, WTI_STATUS, STA_BUTTONUSE, 4, u32(7), 4);
    both(items, WTI_STATUS, STA_SYSBTNUSE, 4, u32(7), 4);
    both(items, WTI_STATUS, 9, 0, {}, 0);
    expectItems(items, 3);
}

// The library's defaults and the default contexts of device 0.
constexpr std::uint32_t kDefaultContextCategories[] = {WTI_DEFCONTEXT, WTI_DEFSYSCTX, WTI_DDCTXS,
                                                       WTI_DSCTXS};

TEST(WintabInfo, DefaultContextFieldsAreAnsweredByIndexInEveryDefaultContextCategory)
{
    const std::vector<std::uint32_t> fields = {
        1,          4,      0,      0x7FF0, 0, 200,    0x15C0, 0,      0x5C0,   7,       7, // options..btnup
        0,          0,      0,      32767,  32767, 0,  // in origin, in extent
        std::uint32_t(-1920), std::uint32_t(-200), 0, 3840, 1280, 0, // out origin, out extent
        0x10000,    0x10000, 0,     0,                 // sensitivity, sys mode
        std::uint32_t(-1920), std::uint32_t(-200), 3840, 1280, 0x10000, 0x10000,
    };
    ASSERT_EQ(fields.size(), 33u);
    std::vector<Item> items;
    for (std::uint32_t category : kDefaultContextCategories) {
        items.push_back({category, CTX_NAME, Text::Narrow, 40, padded(narrow("Default Context"), 40), 40});
        items.push_back({category, CTX_NAME, Text::Wide, 80, padded(wide("Default Context"), 80), 80});
        for (std::uint32_t index = CTX_OPTIONS; index <= CTX_SYSSENSY; ++index)
            both(items, category, index, 4, u32(fields[index - CTX_OPTIONS]), 4);
        both(items, category, CTX_MAX + 1, 0, {}, 0);
        both(items, category, 100, 0, {}, 0);
    }
    expectItems(items);
}

TEST(WintabInfo, WholeDefaultContextIs172NarrowOr212WideBytes)
{
    const DefaultContexts contexts;
    const WintabInfo::Sources sources = contexts.sources();
    for (std::uint32_t category : kDefaultContextCategories) {
        SCOPED_TRACE(category);
        EXPECT_EQ(WintabInfo::answer(category, 0, nullptr, Text::Narrow, sources), 172u);
        EXPECT_EQ(WintabInfo::answer(category, 0, nullptr, Text::Wide, sources), 212u);

        Bytes a(kBufferSize, kUntouched);
        ASSERT_EQ(WintabInfo::answer(category, 0, a.data(), Text::Narrow, sources), 172u);
        EXPECT_EQ(Bytes(a.begin(), a.begin() + 40), padded(narrow("Default Context"), 40));
        EXPECT_EQ(Bytes(a.begin() + 64, a.begin() + 68), u32(0x15C0));   // lcPktData
        EXPECT_EQ(Bytes(a.begin() + 120, a.begin() + 124), u32(3840));   // lcOutExtX
        EXPECT_EQ(Bytes(a.begin() + 168, a.begin() + 172), u32(0x10000)); // lcSysSensY
        EXPECT_EQ(a[172], kUntouched);

        Bytes w(kBufferSize, kUntouched);
        ASSERT_EQ(WintabInfo::answer(category, 0, w.data(), Text::Wide, sources), 212u);
        EXPECT_EQ(Bytes(w.begin(), w.begin() + 80), padded(wide("Default Context"), 80));
        EXPECT_EQ(Bytes(w.begin() + 80, w.begin() + 212), Bytes(a.begin() + 40, a.begin() + 172));
        EXPECT_EQ(w[212], kUntouched);
    }
}

TEST(WintabInfo, DeviceCategoryAnswersEveryIndex)
{
    std::vector<Item> items = {
        {WTI_DEVICES, 0, Text::Narrow, 296, {}, 296},
        {WTI_DEVICES, 0, Text::Wide, 336, {}, 336},
        {WTI_DEVICES, DVC_NAME, Text::Narrow, 15, padded(narrow("Generic Tablet"), 40), 40},
        {WTI_DEVICES, DVC_NAME, Text::Wide, 30, padded(wide("Generic Tablet"), 80), 80},
    };
    both(items, WTI_DEVICES, DVC_HARDWARE, 4, u32(12), 4);
    both(items, WTI_DEVICES, DVC_NCSRTYPES, 4, u32(2), 4);
    both(items, WTI_DEVICES, DVC_FIRSTCSR, 4, u32(1), 4);
    both(items, WTI_DEVICES, DVC_PKTRATE, 4, u32(200), 4);
    both(items, WTI_DEVICES, DVC_PKTDATA, 4, u32(0x15C0), 4);
    both(items, WTI_DEVICES, DVC_PKTMODE, 4, u32(0), 4);
    both(items, WTI_DEVICES, DVC_CSRDATA, 4, u32(1024), 4);
    both(items, WTI_DEVICES, DVC_XMARGIN, 4, u32(0), 4);
    both(items, WTI_DEVICES, DVC_YMARGIN, 4, u32(125), 4);
    both(items, WTI_DEVICES, DVC_ZMARGIN, 4, u32(1), 4);
    both(items, WTI_DEVICES, DVC_X, 16, axis(0, 32767, 1, 0x13D80000), 16);
    both(items, WTI_DEVICES, DVC_Y, 16, axis(0, 32767, 1, 0x13D80000), 16);
    both(items, WTI_DEVICES, DVC_Z, 0, Bytes(16, 0), 16);
    both(items, WTI_DEVICES, DVC_NPRESSURE, 16, axis(0, 8191, 0, 0), 16);
    both(items, WTI_DEVICES, DVC_TPRESSURE, 0, {}, 0);
    both(items, WTI_DEVICES, DVC_ORIENTATION, 48,
         join({axis(0, 3600, 3, 0x0E100000), axis(0, 900, 3, 0x0E100000), axis(0, 0, 0, 0)}), 48);
    both(items, WTI_DEVICES, DVC_ROTATION, 0, {}, 48);
    both(items, WTI_DEVICES, DVC_PNPID, 0, {}, 0);
    both(items, WTI_DEVICES, 20, 0, {}, 0);
    expectItems(items);
}

Bytes buttonNames()
{
    Bytes names(41, 0);
    std::memcpy(names.data(), "Lower Barrel Button", 19);
    std::memcpy(names.data() + 20, "Upper Barrel Button", 19);
    return names;
}

Bytes counting(std::size_t count)
{
    Bytes bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.push_back(std::uint8_t(i));
    return bytes;
}

Bytes pressureResponse()
{
    Bytes bytes;
    for (std::uint32_t i = 0; i < 256; ++i) {
        const Bytes value = u32(i);
        bytes.insert(bytes.end(), value.begin(), value.end());
    }
    return bytes;
}

TEST(WintabInfo, CursorItemsCommonToAllThreeCursors)
{
    std::vector<Item> items;
    for (std::uint32_t cursor = 0; cursor < 3; ++cursor) {
        const std::uint32_t category = WTI_CURSORS + cursor;
        both(items, category, 0, 2048, {}, 2048);
        both(items, category, CSR_ACTIVE, 4, u32(1), 4);
        both(items, category, CSR_PKTDATA, 4, u32(0x15FF), 4);
        both(items, category, CSR_BUTTONS, 1, {3}, 1);
        both(items, category, CSR_BUTTONBITS, 1, {7}, 1);
        both(items, category, CSR_BTNNAMES, 41, buttonNames(), 41);
        both(items, category, CSR_BUTTONMAP, 32, counting(32), 32);
        both(items, category, CSR_SYSBTNMAP, 32, padded({1, 4, 7}, 32), 32);
        both(items, category, CSR_NPRESPONSE, 1024, pressureResponse(), 1024);
        both(items, category, CSR_PHYSID, 4, u32(0xF00 + cursor), 4);
        for (std::uint32_t index : {12u, 13u, 14u, 16u, 17u, 18u, 19u, 21u, 60u})
            both(items, category, index, 0, {}, 0);
    }
    expectItems(items);
}

TEST(WintabInfo, CursorItemsThatDifferByCursor)
{
    std::vector<Item> items = {
        {WTI_CURSORS + 0, CSR_NAME, Text::Narrow, 0, Bytes(40, 0), 40},
        {WTI_CURSORS + 0, CSR_NAME, Text::Wide, 0, Bytes(80, 0), 80},
        {WTI_CURSORS + 1, CSR_NAME, Text::Narrow, 16, narrow("Pressure Stylus"), 40},
        {WTI_CURSORS + 1, CSR_NAME, Text::Wide, 32, wide("Pressure Stylus"), 80},
        {WTI_CURSORS + 2, CSR_NAME, Text::Narrow, 7, narrow("Eraser"), 40},
        {WTI_CURSORS + 2, CSR_NAME, Text::Wide, 14, wide("Eraser"), 80},
    };
    both(items, WTI_CURSORS + 0, CSR_NPBUTTON, 0, {}, 0);
    both(items, WTI_CURSORS + 1, CSR_NPBUTTON, 1, {0}, 1);
    both(items, WTI_CURSORS + 2, CSR_NPBUTTON, 0, {}, 0);
    both(items, WTI_CURSORS + 0, CSR_NPBTNMARKS, 0, {}, 0);
    both(items, WTI_CURSORS + 1, CSR_NPBTNMARKS, 8, join({u32(0), u32(1)}), 8);
    both(items, WTI_CURSORS + 2, CSR_NPBTNMARKS, 0, {}, 0);
    both(items, WTI_CURSORS + 0, CSR_TYPE, 0, {}, 0);
    both(items, WTI_CURSORS + 1, CSR_TYPE, 4, u32(0x822), 4);
    both(items, WTI_CURSORS + 2, CSR_TYPE, 4, u32(0x82A), 4);
    expectItems(items);
}

} // namespace
