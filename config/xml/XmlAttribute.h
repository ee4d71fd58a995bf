#pragma once

#include <QDomElement>
#include <QString>

#include <cstdint>

// Reading one attribute into a field of a record. A missing attribute leaves the field as it was;
// a present but malformed number gives 0 (see XmlValue), which the caller clamps where needed.
namespace XmlAttribute {

void readBool(const QDomElement &element, const QString &name, bool &field);
void readString(const QDomElement &element, const QString &name, QString &field);
void readUInt16(const QDomElement &element, const QString &name, std::uint16_t &field);
void readUInt32(const QDomElement &element, const QString &name, std::uint32_t &field);
void readInt32(const QDomElement &element, const QString &name, std::int32_t &field);
void readHexUInt16(const QDomElement &element, const QString &name, std::uint16_t &field);
void readDouble(const QDomElement &element, const QString &name, double &field);

} // namespace XmlAttribute
