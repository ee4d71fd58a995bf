#include "engine/pen/PressureTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

PressureTable tableFor(double a, double b)
{
    PressureTable table;
    pressureCurveTable(QPointF(0.0, a), QPointF(0.0, b), table);
    return table;
}

// Entries worked out from 1 - y = 2(1 - a)t(1 - t) + b t^2 with t = i / 8191.
struct EntryCase
{
    const char *name;
    double a;
    double b;
    std::size_t index;
    std::uint16_t expected;
};

const EntryCase kEntryCases[] = {
    {"the default curve starts at 1", 0.5, 1.0, 0, 1},
    {"the default curve ends at 8191", 0.5, 1.0, 8191, 8191},
    {"the base values give 3275 in the middle", 0.7, 1.0, 4095, 3275},
    {"the base values start at 1", 0.7, 1.0, 0, 1},
    {"the base values end at 8191", 0.7, 1.0, 8191, 8191},
    {"the base values give 648 at 1000", 0.7, 1.0, 1000, 648},
    {"an end value of 0.5 halves full pressure", 0.5, 0.5, 8191, 4095},
    {"an end value of 0.3 ends at 2457", 0.5, 0.3, 8191, 2457},
    {"a square curve gives 2048 at 4096", 1.0, 1.0, 4096, 2048},
    {"a square curve gives 122 at 1000", 1.0, 1.0, 1000, 122},
    {"a square curve gives 1 at 100", 1.0, 1.0, 100, 1},
    {"an output of 0 becomes 1", 1.0, 1.0, 1, 1},
    {"an end value of 0 ends at 1 rather than 0", 0.0, 0.0, 8191, 1},
    {"a hump curve gives 4095 in the middle", 0.0, 0.0, 4096, 4095},
    {"a steep curve gives 1877 at 1000", 0.0, 1.0, 1000, 1877},
    {"a curve above full pressure is held at 8191", -1.0, 1.0, 4096, 8191},
    {"a curve below no pressure is held at 1", 1.5, 1.0, 2000, 1},
};

TEST(PressureTable, EntriesFollowTheCurveTruncatedAndHeldWithin1To8191)
{
    for (const EntryCase &c : kEntryCases) {
        SCOPED_TRACE(c.name);
        const PressureTable table = tableFor(c.a, c.b);
        ASSERT_EQ(table.size(), kPressureTableSize);
        EXPECT_EQ(table[c.index], c.expected);
    }
}

TEST(PressureTable, OnlyTheSecondCoordinatesOfThePointsShapeTheTable)
{
    PressureTable fromPoints;
    pressureCurveTable(QPointF(0.9, 0.7), QPointF(0.2, 1.0), fromPoints);
    EXPECT_EQ(fromPoints, tableFor(0.7, 1.0));
}

TEST(PressureTable, DefaultCurveIsTheIdentityUpToTruncation)
{
    const PressureTable table = tableFor(0.5, 1.0);
    EXPECT_EQ(table[0], 1);
    EXPECT_EQ(table[8191], 8191);
    for (std::size_t i = 1; i < 8191; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i));
        EXPECT_TRUE(table[i] == i || table[i] == i - 1) << table[i];
    }
}

TEST(PressureTable, RebuildingReplacesATableOfAnySize)
{
    PressureTable table(3, 77);
    pressureCurveTable(QPointF(0.0, 0.5), QPointF(0.0, 0.5), table);
    ASSERT_EQ(table.size(), kPressureTableSize);
    EXPECT_EQ(table[8191], 4095);

    PressureTable longer(10000, 77);
    pressureCurveTable(QPointF(0.0, 0.5), QPointF(0.0, 1.0), longer);
    EXPECT_EQ(longer.size(), kPressureTableSize);
}

TEST(PressureTable, EveryEntryOfAnyCurveIsBetween1And8191)
{
    const double values[] = {-2.0, 0.0, 0.3, 1.0, 3.0};
    for (double a : values) {
        for (double b : values) {
            SCOPED_TRACE("a " + std::to_string(a) + " b " + std::to_string(b));
            const PressureTable table = tableFor(a, b);
            for (std::uint16_t entry : table) {
                ASSERT_GE(entry, 1);
                ASSERT_LE(entry, 8191);
            }
        }
    }
}

TEST(PressureTable, BaseTableIsTheCurveOfTheControlValues07And10)
{
    const PressureTable base = basePressureTable();
    ASSERT_EQ(base.size(), kPressureTableSize);
    EXPECT_EQ(base[4095], 3275);
    EXPECT_EQ(base, tableFor(0.7, 1.0));
}

struct LookupCase
{
    const char *name;
    std::uint32_t value;
    std::uint32_t maximum;
    std::uint32_t expected;
};

TEST(PressureTable, LookupReadsTheTableInsideItAndPassesOtherValuesThrough)
{
    PressureTable table(kPressureTableSize, 0);
    table[0] = 1;
    table[10] = 500;
    table[8191] = 8191;
    const LookupCase cases[] = {
        {"an index gives its entry", 10, 8191, 500},
        {"the first index gives its entry", 0, 8191, 1},
        {"the last index gives its entry", 8191, 8191, 8191},
        {"an entry above the maximum is cut to it", 8191, 4000, 4000},
        {"a value beyond the table is unchanged", 8192, 8191, 8192},
        {"a large value beyond the table is not cut", 16383, 8191, 16383},
    };
    for (const LookupCase &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lookupPressure(table, c.value, c.maximum), c.expected);
    }
}

TEST(PressureTable, LookupInAnEmptyTablePassesTheValueThrough)
{
    EXPECT_EQ(lookupPressure(PressureTable(), 5, 8191), 5u);
}

} // namespace
