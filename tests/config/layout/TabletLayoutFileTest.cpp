#include "config/layout/TabletLayoutDial.h"
#include "config/layout/TabletLayoutFile.h"
#include "config/layout/TabletLayoutKey.h"
#include "config/layout/TabletLayoutTouch.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace {

using Radii = std::array<double, 6>;

std::string rectText(const QRect &rect)
{
    if (rect.isNull())
        return "null";
    return QStringLiteral("%1,%2,%3,%4")
            .arg(rect.x())
            .arg(rect.y())
            .arg(rect.width())
            .arg(rect.height())
            .toStdString();
}

TabletLayoutPtr parse(const char *xml)
{
    QDomDocument document;
    EXPECT_TRUE(document.setContent(QByteArray(xml)));
    return TabletLayoutFile::readDocument(document);
}

template<typename T>
const T &component(const TabletLayoutPtr &layout, std::size_t index)
{
    return dynamic_cast<const T &>(*layout->tablet.components.at(index));
}

const char kFullLayout[] = R"(<?xml version="1.0" encoding="utf-8"?>
<Layout>
    <!-- a comment is skipped -->
    <Pen model="p05">
        <Button id="1" rect="23,170,14,28"/>
        <Button id="2" rect="23,202,14,22"/>
        <Button id="3" rect="1,1,1,1"/>
    </Pen>
    <Tablet model="QZ-Pen 7 Pro" vid="0x5A4C" pid="0082" workrect="128,61,364,228">
        <Key id="1" rect="28,170,38,22" radius="8,8,0,0,8,8" virtual="false"/>
        <Screen id="9" rect="0,0,10,10"/>
        <Dial id="1" rect="41,102,56,56" r="16"/>
        <Touch id="1" event="2" rect="58,279,22,22"/>
        <Key id="3" rect="128,49,19,18" radius="3,3,3,3,3,3" virtual="true"/>
    </Tablet>
</Layout>
)";

} // namespace

TEST(TabletLayoutFile, ReadsThePenTheTabletAndEveryComponentInFileOrder)
{
    const TabletLayoutPtr layout = parse(kFullLayout);
    ASSERT_TRUE(layout);

    EXPECT_EQ(layout->pen.penModel, "p05");
    EXPECT_EQ(rectText(layout->pen.button1Rect), "23,170,14,28");
    EXPECT_EQ(rectText(layout->pen.button2Rect), "23,202,14,22");
    EXPECT_EQ(layout->tablet.model, "QZ-Pen 7 Pro");
    EXPECT_EQ(layout->tablet.vid, 0x5A4C);
    EXPECT_EQ(layout->tablet.pid, 0x0082);
    EXPECT_EQ(rectText(layout->tablet.workRect), "128,61,364,228");

    ASSERT_EQ(layout->tablet.components.size(), 4u);
    const auto &key = component<TabletLayoutKey>(layout, 0);
    EXPECT_EQ(key.type, TabletLayoutComponent::Key);
    EXPECT_EQ(key.id, 1);
    EXPECT_EQ(rectText(key.rect), "28,170,38,22");
    EXPECT_EQ(key.radius, (Radii{8, 8, 0, 0, 8, 8}));
    EXPECT_FALSE(key.isVirtual);
    const auto &dial = component<TabletLayoutDial>(layout, 1);
    EXPECT_EQ(dial.type, TabletLayoutComponent::Dial);
    EXPECT_EQ(dial.r, 16);
    EXPECT_EQ(rectText(dial.rect), "41,102,56,56");
    const auto &touch = component<TabletLayoutTouch>(layout, 2);
    EXPECT_EQ(touch.type, TabletLayoutComponent::Touch);
    EXPECT_EQ(touch.id, 1);
    EXPECT_EQ(touch.event, 2);
    const auto &virtualKey = component<TabletLayoutKey>(layout, 3);
    EXPECT_EQ(virtualKey.id, 3);
    EXPECT_TRUE(virtualKey.isVirtual);
}

TEST(TabletLayoutFile, TagNamesAndTheRootNameMayBeWrittenInAnyLetterCase)
{
    const TabletLayoutPtr layout = parse(R"(<whatever>
        <pEn model="p01"><BUTTON id="2" rect="1,2,3,4"/></pEn>
        <tablet model="m" vid="5a4c" pid="0x000b" WORKRECT="1,1,1,1">
            <kEy id="4"/><DIAL id="1"/><touch id="1" event="3"/>
        </tablet>
    </whatever>)");

    EXPECT_EQ(layout->pen.penModel, "p01");
    EXPECT_EQ(rectText(layout->pen.button2Rect), "1,2,3,4");
    EXPECT_EQ(layout->tablet.vid, 0x5A4C);
    EXPECT_EQ(layout->tablet.pid, 11);
    EXPECT_EQ(rectText(layout->tablet.workRect), "null") << "attribute names keep their case";
    ASSERT_EQ(layout->tablet.components.size(), 3u);
    EXPECT_EQ(layout->tablet.components[0]->type, TabletLayoutComponent::Key);
    EXPECT_EQ(layout->tablet.components[1]->type, TabletLayoutComponent::Dial);
    EXPECT_EQ(layout->tablet.components[2]->type, TabletLayoutComponent::Touch);
}

TEST(TabletLayoutFile, RadiiAreKeptOnlyWhenThereAreExactlySix)
{
    struct Row
    {
        const char *value;
        Radii expected;
    };
    const Row rows[] = {
        {"1,2,3,4,5,6", {1, 2, 3, 4, 5, 6}},
        {"1.5, 2.25,0,0,6,6", {1.5, 2.25, 0, 0, 6, 6}},
        {"1,2,3,4,5", {}},
        {"1,2,3,4,5,6,7", {}},
        {"", {}},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(TabletLayoutFile::radii(QString::fromLatin1(row.value)), row.expected);
    }
}

TEST(TabletLayoutFile, AKeyWithFiveRadiiKeepsAllSixAtZero)
{
    const TabletLayoutPtr layout =
            parse(R"(<Layout><Tablet><Key id="1" radius="4,4,4,4,4"/></Tablet></Layout>)");

    EXPECT_EQ(component<TabletLayoutKey>(layout, 0).radius, Radii{});
}

TEST(TabletLayoutFile, RectanglesNeedExactlyFourParts)
{
    struct Row
    {
        const char *value;
        const char *expected;
    };
    const Row rows[] = {
        {"10,20,30,40", "10,20,30,40"},
        {" 10, 20 ,30,40 ", "10,20,30,40"},
        {"10,20,30", "null"},
        {"10,20,30,40,50", "null"},
        {"", "null"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.value);
        EXPECT_EQ(rectText(TabletLayoutFile::rectangle(QString::fromLatin1(row.value))),
                  row.expected);
    }
}

TEST(TabletLayoutFile, MissingNumbersGiveZeroAndOnlyUpperCaseTrueMakesAKeyVirtual)
{
    const TabletLayoutPtr layout = parse(R"(<Layout><Tablet>
        <Key virtual="True"/><Key virtual=" true"/><Key virtual="yes"/><Dial/><Touch/>
    </Tablet></Layout>)");

    ASSERT_EQ(layout->tablet.components.size(), 5u);
    EXPECT_TRUE(component<TabletLayoutKey>(layout, 0).isVirtual);
    EXPECT_FALSE(component<TabletLayoutKey>(layout, 1).isVirtual) << "the value is not trimmed";
    EXPECT_FALSE(component<TabletLayoutKey>(layout, 2).isVirtual);
    EXPECT_EQ(component<TabletLayoutKey>(layout, 0).id, 0);
    EXPECT_TRUE(component<TabletLayoutKey>(layout, 0).rect.isNull());
    EXPECT_EQ(component<TabletLayoutDial>(layout, 3).r, 0);
    EXPECT_EQ(component<TabletLayoutTouch>(layout, 4).event, 0);
}

TEST(TabletLayoutFile, ALayoutWithoutPenHasAnEmptyPenModelAndNullButtons)
{
    const TabletLayoutPtr layout =
            parse(R"(<Layout><Tablet model="m" workrect="0,0,10,10"/></Layout>)");

    ASSERT_TRUE(layout);
    EXPECT_TRUE(layout->pen.penModel.isEmpty());
    EXPECT_TRUE(layout->pen.button1Rect.isNull());
    EXPECT_TRUE(layout->pen.button2Rect.isNull());
    EXPECT_EQ(layout->tablet.model, "m");
}

TEST(TabletLayoutFile, AFileThatCannotBeOpenedOrParsedGivesNoLayout)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString broken = folder.filePath(QStringLiteral("broken.xml"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<Layout><Tablet></Layout>");
    file.close();
    const QString good = folder.filePath(QStringLiteral("good.xml"));
    QFile goodFile(good);
    ASSERT_TRUE(goodFile.open(QIODevice::WriteOnly));
    goodFile.write(kFullLayout);
    goodFile.close();

    EXPECT_FALSE(readLayoutFile(folder.filePath(QStringLiteral("missing.xml"))));
    EXPECT_FALSE(readLayoutFile(broken));
    const TabletLayoutPtr layout = readLayoutFile(good);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->tablet.components.size(), 4u);
}
