#include "config/xml/XmlAttribute.h"

#include "config/xml/XmlValue.h"

namespace XmlAttribute {

namespace {

template<typename Field, typename Convert>
void readWith(const QDomElement &element, const QString &name, Field &field, Convert convert)
{
    if (element.hasAttribute(name))
        field = convert(element.attribute(name));
}

} // namespace

void readBool(const QDomElement &element, const QString &name, bool &field)
{
    readWith(element, name, field, [](const QString &value) { return XmlValue::toBool(value); });
}

void readString(const QDomElement &element, const QString &name, QString &field)
{
    readWith(element, name, field, [](const QString &value) { return value; });
}

void readUInt16(const QDomElement &element, const QString &name, std::uint16_t &field)
{
    readWith(element, name, field, [](const QString &value) { return XmlValue::toUInt16(value); });
}

void readUInt32(const QDomElement &element, const QString &name, std::uint32_t &field)
{
    readWith(element, name, field, [](const QString &value) { return XmlValue::toUInt32(value); });
}

void readInt32(const QDomElement &element, const QString &name, std::int32_t &field)
{
    readWith(element, name, field, [](const QString &value) { return XmlValue::toInt32(value); });
}

void readHexUInt16(const QDomElement &element, const QString &name, std::uint16_t &field)
{
    readWith(element, name, field,
             [](const QString &value) { return XmlValue::toHexUInt16(value); });
}

void readDouble(const QDomElement &element, const QString &name, double &field)
{
    readWith(element, name, field, [](const QString &value) { return XmlValue::toDouble(value); });
}

} // namespace XmlAttribute
