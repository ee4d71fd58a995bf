#pragma once

#include <QPointF>

#include <cstddef>
#include <cstdint>
#include <vector>

// Output pressure by input pressure: index 0..8191, value 1..8191.
using PressureTable = std::vector<std::uint16_t>;

constexpr std::size_t kPressureTableSize = 8192;
constexpr std::uint16_t kPressureTableMaximum = 8191;

// Rebuilds the table from the second coordinates of two control points of a quadratic curve:
// a shapes the middle, b gives the output at full input (entry 8191 = b x 8191).
void pressureCurveTable(const QPointF &a, const QPointF &b, PressureTable &table);

// The fixed table that every pressure passes before the configured curve.
PressureTable basePressureTable();

// min(table[value], maximum) for a value inside the table, else the value unchanged.
std::uint32_t lookupPressure(const PressureTable &table, std::uint32_t value,
                             std::uint32_t maximum);
