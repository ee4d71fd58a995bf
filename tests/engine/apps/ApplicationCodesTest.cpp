#include "engine/apps/ApplicationCodes.h"

#include <gtest/gtest.h>

namespace {

ApplicationCode codeOf(const char *name, const char *path = "C:\\Apps\\program.exe")
{
    ProcessEntry process;
    process.name = QString::fromUtf8(name);
    process.path = QString::fromUtf8(path);
    return applicationCodeOf(process);
}

} // namespace

TEST(ApplicationCodes, TheNameTableGivesEveryProfileNameItsCode)
{
    const auto &table = applicationNameTable();
    EXPECT_EQ(table.size(), 42u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("SAI2")), 258u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("PS")), 6u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("Photoshop")), 6u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("InkScape")), 128u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("IEXPLORE")), 209u);
    EXPECT_EQ(applicationCodeOfName(QStringLiteral("krita")), kUnrecognisedApplicationCode)
            << "names are compared exactly";
}

TEST(ApplicationCodes, Sai2IsAVersionOfTheSaiFamily)
{
    EXPECT_EQ(codeOf("SAI2"), 258u);
    EXPECT_EQ(applicationFamily(258), 1u);
    EXPECT_EQ(applicationVersion(258), 2u);
    EXPECT_EQ(codeOf("sai"), 1u);
    EXPECT_TRUE(sameApplicationFamily(258, 1));
}

TEST(ApplicationCodes, PhotoshopVersionsComeFromThePathAndShareFamilySix)
{
    EXPECT_EQ(codeOf("Photoshop", "C:\\Program Files\\Adobe\\Adobe Photoshop CS6 (64 Bit)\\Photoshop.exe"), 1542u);
    EXPECT_EQ(codeOf("Photoshop", "C:\\Adobe\\Adobe Photoshop CC 2018\\Photoshop.exe"), 1554u);
    EXPECT_EQ(codeOf("Photoshop", "C:\\Adobe\\Adobe Photoshop CC 2019\\Photoshop.exe"), 1555u);
    EXPECT_EQ(codeOf("Photoshop", "C:\\Adobe\\Adobe Photoshop 2021\\Photoshop.exe"), 1557u);
    EXPECT_EQ(codeOf("Photoshop", "C:\\Adobe\\Adobe Photoshop 2025\\Photoshop.exe"), 1561u);
    EXPECT_EQ(codeOf("Photoshop", "C:\\Adobe\\photoshop 2021\\Photoshop.exe"), 6u) << "path needles keep their case";
    EXPECT_EQ(applicationFamily(1542), 6u);
    EXPECT_EQ(applicationFamily(1557), 6u);
    EXPECT_TRUE(sameApplicationFamily(1542, 1557));
}

TEST(ApplicationCodes, VersionsOfOtherFamilies)
{
    EXPECT_EQ(codeOf("SketchBookPro", "C:\\Autodesk\\Autodesk SketchBook Pro 2015\\SketchBookPro.exe"), 783u);
    EXPECT_EQ(codeOf("SketchBookPro"), 3u);
    EXPECT_EQ(codeOf("gimp-2.10"), 1802u) << "the name is upper-cased before every test";
    EXPECT_EQ(codeOf("gimp-2.8"), 7u);
    EXPECT_EQ(codeOf("Painter 2021", "C:\\Program Files\\Corel\\Painter 2021\\Painter 2021.exe"), 2325u);
    EXPECT_EQ(codeOf("Painter", "C:\\Program Files\\Corel\\Painter 2020\\Painter.exe"), 9u);
    EXPECT_EQ(codeOf("Painter", "C:\\Program Files\\corel\\Painter.exe"), kUnrecognisedApplicationCode);
    EXPECT_EQ(codeOf("AzPainter3"), 4611u);
    EXPECT_EQ(codeOf("AzPainter2"), 4610u);
    EXPECT_EQ(codeOf("AzPainter"), 18u);
    EXPECT_EQ(versionedApplicationCode(18, 3), 4611u);
}

TEST(ApplicationCodes, EachFamilyIsFoundByItsName)
{
    EXPECT_EQ(codeOf("krita"), 2u);
    EXPECT_EQ(codeOf("MediBangPaintPro"), 4u);
    EXPECT_EQ(codeOf("CS_EX"), 5u);
    EXPECT_EQ(codeOf("Illustrator"), 14u);
    EXPECT_EQ(codeOf("FireAlpaca"), 8u);
    EXPECT_EQ(codeOf("ArtRage"), 10u);
    EXPECT_EQ(codeOf("CLIPStudioPaint"), 11u);
    EXPECT_EQ(codeOf("MS_EXDemo"), 12u);
    EXPECT_EQ(codeOf("Paintstorm"), 13u);
    EXPECT_EQ(codeOf("Artweaver"), 17u);
    EXPECT_EQ(codeOf("BlackInk"), 19u);
    EXPECT_EQ(codeOf("Mischief"), 20u);
    EXPECT_EQ(codeOf("SpeedyPainter"), 21u);
    EXPECT_EQ(codeOf("SmoothDraw"), 22u);
    EXPECT_EQ(codeOf("HarmonyPremium"), 23u);
    EXPECT_EQ(codeOf("IllustMaster"), 24u);
    EXPECT_EQ(codeOf("UDMPaintPRO"), 25u);
    EXPECT_EQ(codeOf("ONENOTE"), 193u);
    EXPECT_EQ(codeOf("WhiteBoard"), 194u);
}

TEST(ApplicationCodes, BlenderIsTestedLast)
{
    EXPECT_EQ(codeOf("Blender"), 42u);
    EXPECT_EQ(codeOf("WhiteBoardBlender"), 194u);
    EXPECT_EQ(codeOf("KritaBlender"), 2u);
}

TEST(ApplicationCodes, AnUnknownProgramHasNoFamilyInCommonWithAnyOther)
{
    EXPECT_EQ(codeOf("notepad"), kUnrecognisedApplicationCode);
    EXPECT_FALSE(sameApplicationFamily(kUnrecognisedApplicationCode, kUnrecognisedApplicationCode));
    EXPECT_FALSE(sameApplicationFamily(2, 3));
    EXPECT_FALSE(sameApplicationFamily(0, 0));
}
