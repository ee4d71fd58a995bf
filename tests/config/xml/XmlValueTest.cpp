#include "config/xml/XmlValue.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <cstdint>

namespace {

struct BoolRow
{
    const char *value;
    bool expected;
};

template<typename T>
struct NumberRow
{
    const char *value;
    bool ok;
    T expected;
};

} // namespace

TEST(XmlValue, BooleanIsTrueOnlyForTrueInAnyCaseAndSurroundingSpace)
{
    const BoolRow rows[] = {
        {"true", true},  {"TRUE", true},   {" TRUE ", true}, {"True", true},
        {"\ttrue\n", true}, {"false", false}, {"yes", false},  {"1", false},
        {"", false},     {"truth", false}, {"t rue", false}, {"true1", false},
    };
    for (const BoolRow &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(XmlValue::toBool(QString::fromUtf8(row.value)), row.expected);
    }
}

TEST(XmlValue, UnsignedDecimalReadsItsDigitsOrGivesZeroNotOk)
{
    const NumberRow<std::uint32_t> rows[] = {
        {"0", true, 0u},
        {"12", true, 12u},
        {" 12 ", true, 12u},
        {"+5", true, 5u},
        {"4294967295", true, 4294967295u},
        {"4294967296", false, 0u},
        {"-1", false, 0u},
        {"0x10", false, 0u},
        {"10", true, 10u},
        {"1e3", false, 0u},
        {"3abc", false, 0u},
        {"", false, 0u},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        bool ok = !row.ok;
        EXPECT_EQ(XmlValue::toUInt32(QString::fromUtf8(row.value), &ok), row.expected);
        EXPECT_EQ(ok, row.ok);
    }
}

TEST(XmlValue, SignedDecimalReadsNegativeNumbersOrGivesZeroNotOk)
{
    const NumberRow<std::int32_t> rows[] = {
        {"0", true, 0},
        {"-90", true, -90},
        {" -7 ", true, -7},
        {"270", true, 270},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},
        {"0x10", false, 0},
        {"1.5", false, 0},
        {"", false, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        bool ok = !row.ok;
        EXPECT_EQ(XmlValue::toInt32(QString::fromUtf8(row.value), &ok), row.expected);
        EXPECT_EQ(ok, row.ok);
    }
}

TEST(XmlValue, HexadecimalReadsWithOrWithoutALeadingZeroX)
{
    const NumberRow<std::uint16_t> rows[] = {
        {"5A4C", true, 0x5A4C},
        {"0x5a4c", true, 0x5A4C},
        {"0X5A4C", true, 0x5A4C},
        {"10", true, 0x10},
        {"0x0001", true, 1},
        {"FFFF", true, 0xFFFF},
        {"0xffff", true, 0xFFFF},
        {"10000", false, 0},
        {"0x", false, 0},
        {"0x0x5A", false, 0},
        {"G1", false, 0},
        {"-1", false, 0},
        {"", false, 0},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        bool ok = !row.ok;
        EXPECT_EQ(XmlValue::toHexUInt16(QString::fromUtf8(row.value), &ok), row.expected);
        EXPECT_EQ(ok, row.ok);
    }
}

TEST(XmlValue, FloatReadsFiniteDecimalNumbers)
{
    const NumberRow<double> rows[] = {
        {"1.5", true, 1.5},
        {"0.00000", true, 0.0},
        {"1.20000", true, 1.2},
        {"-0.25", true, -0.25},
        {"2", true, 2.0},
        {"1e2", true, 100.0},
        {" 0.5 ", true, 0.5},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        bool ok = false;
        EXPECT_DOUBLE_EQ(XmlValue::toDouble(QString::fromUtf8(row.value), &ok), row.expected);
        EXPECT_TRUE(ok);
    }
}

TEST(XmlValue, FloatThatIsNotAFiniteNumberIsMalformed)
{
    const char *const values[] = {"nan", "NaN", "inf", "-inf", "+inf", "1e999", "-1e999",
                                  "1,5", "abc", "", "0x10"};
    for (const char *value : values) {
        SCOPED_TRACE(value);
        bool ok = true;
        EXPECT_EQ(XmlValue::toDouble(QString::fromUtf8(value), &ok), 0.0);
        EXPECT_FALSE(ok);
    }
}

TEST(XmlValue, OkFlagMayBeLeftOut)
{
    EXPECT_EQ(XmlValue::toUInt32(QStringLiteral("x")), 0u);
    EXPECT_EQ(XmlValue::toInt32(QStringLiteral("-3")), -3);
    EXPECT_EQ(XmlValue::toHexUInt16(QStringLiteral("0x1f")), 0x1F);
    EXPECT_EQ(XmlValue::toDouble(QStringLiteral("inf")), 0.0);
}
