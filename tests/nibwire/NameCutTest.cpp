#include "nibwire/NameCut.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <vector>

namespace {

// Lead bytes of code page 932; the single-byte katakana 0xA1..0xDF are none.
bool isLeadByteOf932(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

constexpr std::size_t kAny = 1000;
// U+65E5 in code page 932; its trail byte is no lead byte.
const std::string kSun = "\x93\xFA";
// A character whose trail byte is a lead byte as well.
const std::string kTwoLeads = "\x81\x81";

std::string times(const std::string &text, int count)
{
    std::string all;
    for (int i = 0; i < count; ++i)
        all += text;
    return all;
}

struct Cut
{
    const char *what;
    std::string text;
    std::size_t maxBytes;
    std::size_t maxCharacters;
    std::size_t expected;
};

TEST(NameCut, TheCutEndsOnACharactersEndWithinBothLimits)
{
    const std::vector<Cut> cuts = {
        {"empty", "", 39, kAny, 0},
        {"no room", "abc", 0, kAny, 0},
        {"short single bytes", "Canvas", 39, kAny, 6},
        {"single bytes cut at the byte limit", times("x", 45), 39, kAny, 39},
        {"double bytes that fit exactly", "a" + times(kSun, 19), 39, kAny, 39},
        {"a double byte across the limit stays out", "ab" + times(kSun, 19), 39, kAny, 38},
        {"a lead byte at the very limit stays out", "abc" + kSun, 4, kAny, 3},
        {"trail bytes that look like lead bytes", "x" + times(kTwoLeads, 2), 4, kAny, 3},
        {"the same, with room for both", "x" + times(kTwoLeads, 2), 5, kAny, 5},
        {"single-byte katakana", "\xB1\xB2\xB3", 2, kAny, 2},
        {"a lone lead byte at the end is dropped", "ab" + kSun + "\x93", 40, kAny, 4},
        {"a lone lead byte that would fit is dropped", "\x93", 40, kAny, 0},
        {"a name stops at its text's length", "ab" + kSun, 40, kAny, 4},
        {"characters cut at the character limit", times("x", 40), 40, 39, 39},
        {"double bytes count once each", times(kSun, 20), 40, 39, 40},
        {"double bytes cut at the character limit", times(kSun, 20), 40, 19, 38},
    };
    for (const Cut &cut : cuts) {
        EXPECT_EQ(NameCut::fittingLength(cut.text.data(), cut.text.size(), cut.maxBytes,
                                         cut.maxCharacters, isLeadByteOf932),
                  cut.expected)
                << cut.what;
    }
}

} // namespace
