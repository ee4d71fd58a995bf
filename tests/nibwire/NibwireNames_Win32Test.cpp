// Context names in a double-byte code page: the calling thread's locale picks the code page, and
// a name cut to its field never keeps half a character, whichever export converts it.
#include "NibwireModule_Win32.h"
#include "SessionBridge_Win32.h"
#include "TestWindow_Win32.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// U+65E5, two bytes (93 FA) in code page 932.
const std::u16string kSun = u"\u65E5";
const std::string kSunBytes = "\x93\xFA";

std::u16string times(const std::u16string &text, int count)
{
    std::u16string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

std::string times(const std::string &text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

std::uint32_t handleOf(NibwireApi::Context context)
{
    return std::uint32_t(reinterpret_cast<std::uintptr_t>(context));
}

class NibwireNames : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(bridge.ready());
        ASSERT_TRUE(bridge.clearAll());
        ASSERT_TRUE(module.loaded());
        ASSERT_NE(window.handle(), nullptr);
        ASSERT_TRUE(SetThreadLocale(MAKELCID(MAKELANGID(LANG_JAPANESE, SUBLANG_JAPANESE_JAPAN),
                                             SORT_DEFAULT)));
    }

    void TearDown() override
    {
        SetThreadLocale(previousLocale);
        window.pump();
    }

    NibwireApi::Context openWide(const std::u16string &name, BOOL enable = TRUE)
    {
        LOGCONTEXTW context{};
        std::memcpy(context.lcName, name.data(), name.size() * sizeof(char16_t));
        opened = context;
        return module.openW()(window.handle(), &opened, enable);
    }

    std::u16string wideNameOf(NibwireApi::Context context)
    {
        LOGCONTEXTW seen{};
        if (!module.getW()(context, &seen))
            return u"(WTGetW failed)";
        return seen.lcName;
    }

    const LCID previousLocale = GetThreadLocale();
    SessionBridge bridge;
    NibwireModule module;
    TestWindow window;
    LOGCONTEXTW opened{};
};

TEST_F(NibwireNames, AWideNameTooLongForItsFieldLosesWholeCharactersOnly)
{
    // 2 + 19 x 2 = 40 bytes: one byte too many, and byte 39 is a lead byte.
    const NibwireApi::Context context = openWide(u"ab" + times(kSun, 19), FALSE);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(std::string(bridge.slot(handleOf(context)).context.lcName),
              "ab" + times(kSunBytes, 18));
    EXPECT_EQ(std::u16string(opened.lcName), u"ab" + times(kSun, 18));
    EXPECT_EQ(wideNameOf(context), u"ab" + times(kSun, 18));
}

TEST_F(NibwireNames, ANameThatFitsKeepsEveryCharacterBothWays)
{
    const std::u16string name = u"a" + times(kSun, 19);
    const NibwireApi::Context context = openWide(name);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(std::string(bridge.slot(handleOf(context)).context.lcName), "a" + times(kSunBytes, 19));
    EXPECT_EQ(wideNameOf(context), name);

    LOGCONTEXTW renamed{};
    ASSERT_TRUE(module.getW()(context, &renamed));
    std::memcpy(renamed.lcName, (kSun + u"x").c_str(), 3 * sizeof(char16_t));
    ASSERT_TRUE(module.setW()(context, &renamed));
    EXPECT_EQ(std::string(bridge.slot(handleOf(context)).context.lcName), kSunBytes + "x");
}

TEST_F(NibwireNames, ANarrowNameEndingInHalfACharacterReadsWideWithoutIt)
{
    const NibwireApi::Context context = openWide(u"x");
    ASSERT_NE(context, nullptr);
    LOGCONTEXTA narrow{};
    ASSERT_TRUE(module.getA()(context, &narrow));
    const std::string cut = "ab" + times(kSunBytes, 18) + "\x93";
    std::memcpy(narrow.lcName, cut.c_str(), cut.size() + 1);
    ASSERT_TRUE(module.setA()(context, &narrow));
    EXPECT_EQ(wideNameOf(context), u"ab" + times(kSun, 18));
}

TEST_F(NibwireNames, WTInfoWConvertsTheDefaultContextAsWTGetWDoes)
{
    LOGCONTEXTW fromInfo{};
    ASSERT_EQ(module.infoW()(WTI_DEFCONTEXT, 0, &fromInfo), sizeof fromInfo);
    EXPECT_EQ(std::u16string(fromInfo.lcName), u"Default Context");
    const NibwireApi::Context context = module.openW()(window.handle(), &fromInfo, TRUE);
    ASSERT_NE(context, nullptr);
    EXPECT_EQ(wideNameOf(context), u"Default Context");
}

} // namespace
