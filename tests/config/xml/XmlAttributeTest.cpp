#include "config/xml/XmlAttribute.h"
#include "config/xml/XmlValue.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDomDocument>

namespace {

QDomElement element(QDomDocument &document, const QByteArray &xml)
{
    EXPECT_TRUE(document.setContent(xml)) << xml.constData();
    return document.documentElement();
}

} // namespace

TEST(XmlAttribute, MissingAttributeLeavesEveryKindOfFieldAsItWas)
{
    QDomDocument document;
    const QDomElement e = element(document, "<E other=\"1\"/>");
    bool flag = true;
    QString text = "kept";
    std::uint16_t u16 = 7;
    std::uint32_t u32 = 8;
    std::int32_t i32 = -9;
    std::uint16_t hex = 10;
    double real = 0.5;

    XmlAttribute::readBool(e, "a", flag);
    XmlAttribute::readString(e, "a", text);
    XmlAttribute::readUInt16(e, "a", u16);
    XmlAttribute::readUInt32(e, "a", u32);
    XmlAttribute::readInt32(e, "a", i32);
    XmlAttribute::readHexUInt16(e, "a", hex);
    XmlAttribute::readDouble(e, "a", real);

    EXPECT_TRUE(flag);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(u16, 7);
    EXPECT_EQ(u32, 8u);
    EXPECT_EQ(i32, -9);
    EXPECT_EQ(hex, 10);
    EXPECT_EQ(real, 0.5);
}

TEST(XmlAttribute, MalformedNumbersReadAsZero)
{
    QDomDocument document;
    const QDomElement e = element(document, "<E a=\"twelve\"/>");
    std::uint16_t u16 = 7;
    std::uint32_t u32 = 8;
    std::int32_t i32 = -9;
    std::uint16_t hex = 10;
    double real = 0.5;

    XmlAttribute::readUInt16(e, "a", u16);
    XmlAttribute::readUInt32(e, "a", u32);
    XmlAttribute::readInt32(e, "a", i32);
    XmlAttribute::readHexUInt16(e, "a", hex);
    XmlAttribute::readDouble(e, "a", real);

    EXPECT_EQ(u16, 0);
    EXPECT_EQ(u32, 0u);
    EXPECT_EQ(i32, 0);
    EXPECT_EQ(hex, 0);
    EXPECT_EQ(real, 0.0);
}

TEST(XmlAttribute, PresentValuesAreConverted)
{
    QDomDocument document;
    const QDomElement e = element(document, "<E b=\" True \" s=\" x \" n=\"10\" d=\"0.25\"/>");
    bool flag = false;
    QString text;
    std::uint16_t u16 = 0;
    std::uint16_t hex = 0;
    double real = 0.0;

    XmlAttribute::readBool(e, "b", flag);
    XmlAttribute::readString(e, "s", text);
    XmlAttribute::readUInt16(e, "n", u16);
    XmlAttribute::readHexUInt16(e, "n", hex);
    XmlAttribute::readDouble(e, "d", real);

    EXPECT_TRUE(flag);
    EXPECT_EQ(text, " x ");
    EXPECT_EQ(u16, 10);
    EXPECT_EQ(hex, 16);
    EXPECT_EQ(real, 0.25);
}

TEST(XmlValue, SixteenBitDecimalRejectsWhatDoesNotFit)
{
    const struct
    {
        const char *value;
        bool ok;
        std::uint16_t expected;
    } rows[] = {{"0", true, 0},      {"65535", true, 65535}, {" 12 ", true, 12},
                {"65536", false, 0}, {"-1", false, 0},       {"0x10", false, 0},
                {"", false, 0}};
    for (const auto &row : rows) {
        SCOPED_TRACE(row.value);
        bool ok = !row.ok;
        EXPECT_EQ(XmlValue::toUInt16(QString::fromUtf8(row.value), &ok), row.expected);
        EXPECT_EQ(ok, row.ok);
    }
}

TEST(XmlValue, BooleansAreWrittenTrueOrFalse)
{
    EXPECT_EQ(XmlValue::fromBool(true), "true");
    EXPECT_EQ(XmlValue::fromBool(false), "false");
}
