#include "nibwire/HostIdentification.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace HostIdentification;

TEST(HostIdentification, FileNameIsTheUpperCasedTextAfterTheLastBackslash)
{
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"C:\\Program Files\\Krita (x64)\\bin\\krita.exe", "KRITA.EXE"},
        {"C:\\sai.exe", "SAI.EXE"},
        {"krita.exe", ""},
        {"C:/Tools/krita.exe", ""},
        {"C:\\Tools\\", ""},
        {"", ""},
    };
    for (const auto &[path, name] : rows)
        EXPECT_EQ(fileNameOf(path), name) << path;
}

TEST(HostIdentification, ProductVersionIsMajorTimes256PlusMinor)
{
    const std::vector<std::pair<std::string, int>> rows = {
        {"1.10.5", 266},
        {"1.11.0", 267},
        {"25.4.1.100", 25 * 256 + 4},
        {"2.5", 512}, // without a second dot the minor counts as 0
        {"3.", 768},
        {"20", 0},
        {"", 0},
        {".5.1", 0},
        {"a.b.c", 0},
        {"1.x.0", 0},
        {"1 .2.0", 0},
    };
    for (const auto &[text, value] : rows)
        EXPECT_EQ(productVersionValue(text), value) << text;
}

TEST(HostIdentification, HostCodeComesFromThePathYearsFirstThenTheNeedleList)
{
    const std::vector<std::pair<std::string, std::uint32_t>> rows = {
        {"C:\\PaintToolSAI\\sai.exe", 1},
        {"C:\\PaintToolSAI2\\SAI2.exe", 258},
        {"C:\\AzPainter\\AzPainter2.exe", 4610},
        {"c:\\azpainter\\azpainter3.exe", 4611},
        {"C:\\Apps\\BlackInk.exe", 19},
        {"C:\\Apps\\SpeedyPainter.exe", 21},
        {"C:\\Toon Boom\\HarmonyPremium.exe", 23},
        {"C:\\Apps\\iStylePDF.exe", 208},
        {"C:\\Program Files\\Internet Explorer\\iexplore.exe", 209},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop CS6 (64 Bit)\\Photoshop.exe", 1542},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop 2018\\Photoshop.exe", 1554},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop 2023\\Photoshop.exe", 1559},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop 2029\\Photoshop.exe", 1565},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop 2017\\Photoshop.exe", 0xFFFF},
        {"C:\\Program Files\\Adobe\\Adobe Photoshop 2030\\Photoshop.exe", 0xFFFF},
        {"C:\\Adobe\\Photoshop2021\\Photoshop.exe", 0xFFFF},
        // The later year wins, whatever order the two appear in.
        {"C:\\Photoshop 2024\\Photoshop 2021\\Photoshop.exe", 1560},
        {"C:\\Photoshop 2021\\Photoshop 2024\\Photoshop.exe", 1560},
        // A needle replaces the year.
        {"C:\\Photoshop 2024\\Photoshop CS6\\Photoshop.exe", 1542},
        {"C:\\Photoshop 2020\\sai.exe", 1},
        {"C:\\Program Files\\Krita (x64)\\bin\\krita.exe", 0xFFFF},
        {"", 0xFFFF},
    };
    for (const auto &[path, code] : rows)
        EXPECT_EQ(applicationCodeFromPath(path), code) << path;
}

struct IdentifyRow {
    std::string path;
    std::string version;
    bool matched;
    std::uint32_t code;
    std::uint32_t hostCode;
};

TEST(HostIdentification, IdentifiesTheHostByFileNameAndPath)
{
    const std::vector<IdentifyRow> rows = {
        {"C:\\Apps\\CLIP STUDIO PAINT\\CLIPStudioPaint.exe", "1.10.5", false, 11, 0xFFFF},
        {"C:\\Apps\\CLIP STUDIO PAINT\\CLIPStudioPaint.exe", "1.11.0", true, 11, 0xFFFF},
        {"c:\\apps\\clip studio paint\\clipstudiopaint.exe", "2.0.0", true, 11, 0xFFFF},
        {"C:\\Apps\\CLIP STUDIO PAINT\\CLIPStudioPaint.exe", "", false, 11, 0xFFFF},
        {"C:\\Program Files\\Krita (x64)\\bin\\krita.exe", "", true, 2, 0xFFFF},
        {"C:\\Adobe\\Adobe Photoshop 2022\\Photoshop.exe", "", true, 6, 1558},
        {"C:\\Adobe\\Adobe Photoshop CS6 (64 Bit)\\Photoshop.exe", "", true, 6, 1542},
        {"C:\\PaintToolSAI\\sai.exe", "", true, 1, 1},
        {"C:\\PaintToolSAI2\\sai2.exe", "", true, 258, 258},
        {"C:\\AzPainter\\AzPainter3.exe", "", true, 18, 4611},
        {"C:\\Apps\\PaintstormStudio.exe", "", true, 13, 0xFFFF},
        {"C:\\Apps\\BlackInk.exe", "", true, 19, 19},
        {"C:\\Apps\\SpeedyPainter.exe", "", true, 21, 21},
        {"C:\\Toon Boom\\HarmonyPremium.exe", "", true, 23, 23},
        {"C:\\Apps\\iStylePDF.exe", "", true, 208, 208},
        {"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE", "", true, 209, 209},
        {"C:\\Windows\\notepad.exe", "", false, 0, 0xFFFF},
        // The name table looks at the file name only.
        {"C:\\Krita\\notepad.exe", "", false, 0, 0xFFFF},
        {"krita.exe", "", false, 0, 0xFFFF},
    };
    for (const IdentifyRow &row : rows) {
        SCOPED_TRACE(row.path + " " + row.version);
        const HostIdentity host = identify(row.path, [&row] { return productVersionValue(row.version); });
        EXPECT_EQ(host.matched, row.matched);
        EXPECT_EQ(host.code, row.code);
        EXPECT_EQ(host.hostCode, row.hostCode);
    }
}

TEST(HostIdentification, AsksForTheProductVersionOnlyForTheVersionedKey)
{
    int asked = 0;
    const auto version = [&asked] {
        ++asked;
        return 300;
    };
    identify("C:\\Krita\\krita.exe", version);
    identify("C:\\Windows\\notepad.exe", version);
    EXPECT_EQ(asked, 0);
    EXPECT_TRUE(identify("C:\\CSP\\CLIPStudioPaint.exe", version).matched);
    EXPECT_EQ(asked, 1);
}

} // namespace
