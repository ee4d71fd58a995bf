#include "config/xml/XmlValue.h"

#include <cmath>

namespace XmlValue {

namespace {

void report(bool *ok, bool converted)
{
    if (ok)
        *ok = converted;
}

} // namespace

bool toBool(const QString &value)
{
    return value.trimmed().toLower() == QLatin1String("true");
}

QString fromBool(bool value)
{
    return value ? QStringLiteral("true") : QStringLiteral("false");
}

std::uint32_t toUInt32(const QString &value, bool *ok)
{
    return value.toUInt(ok, 10);
}

std::int32_t toInt32(const QString &value, bool *ok)
{
    return value.toInt(ok, 10);
}

std::uint16_t toUInt16(const QString &value, bool *ok)
{
    return value.toUShort(ok, 10);
}

std::uint16_t toHexUInt16(const QString &value, bool *ok)
{
    // Qt's base-16 conversion takes one optional "0x" (or "0X") prefix itself.
    return value.toUShort(ok, 16);
}

double toDouble(const QString &value, bool *ok)
{
    bool converted = false;
    const double number = value.toDouble(&converted);
    const bool usable = converted && std::isfinite(number);
    report(ok, usable);
    return usable ? number : 0.0;
}

} // namespace XmlValue
