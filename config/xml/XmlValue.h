#pragma once

#include <QString>

#include <cstdint>

// Conversions of attribute values of the configuration files.
// Numbers that do not convert give 0 and set *ok to false, so a caller either takes the 0
// or checks ok and keeps the field's default.
namespace XmlValue {

// True exactly when the value, trimmed and lower-cased, is "true".
bool toBool(const QString &value);
// "true" or "false".
QString fromBool(bool value);

// Decimal; white space around the digits and a "+" sign are accepted.
std::uint32_t toUInt32(const QString &value, bool *ok = nullptr);
std::int32_t toInt32(const QString &value, bool *ok = nullptr);
std::uint16_t toUInt16(const QString &value, bool *ok = nullptr);

// Hexadecimal, with or without a leading "0x".
std::uint16_t toHexUInt16(const QString &value, bool *ok = nullptr);

// Decimal floating point in the C locale; "nan", "inf" and values that overflow are malformed.
double toDouble(const QString &value, bool *ok = nullptr);

} // namespace XmlValue
