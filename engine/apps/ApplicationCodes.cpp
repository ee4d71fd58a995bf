#include "engine/apps/ApplicationCodes.h"

#include <vector>

namespace {

// What a test searches: the upper-cased process name or the executable path as it is.
enum class Subject { Name, Path };

struct Test
{
    Subject subject;
    const char *needle;
    // Upper-cased before the search, as the name is.
    bool upperCased;
};

struct Family
{
    Test test;
    ApplicationCode code;
    ApplicationCode (*refine)(const QString &name, const QString &path);
};

bool holds(const Test &test, const QString &name, const QString &path)
{
    const QString needle = QString::fromLatin1(test.needle);
    const QString &subject = test.subject == Subject::Name ? name : path;
    return subject.contains(test.upperCased ? needle.toUpper() : needle, Qt::CaseSensitive);
}

ApplicationCode noRefinement(const QString &, const QString &)
{
    return kUnrecognisedApplicationCode;
}

ApplicationCode sai(const QString &name, const QString &)
{
    return name.contains(QLatin1String("SAI2")) ? 258 : kUnrecognisedApplicationCode;
}

ApplicationCode sketchBook(const QString &, const QString &path)
{
    return path.contains(QLatin1String("Autodesk SketchBook Pro 2015")) ? 783 : kUnrecognisedApplicationCode;
}

ApplicationCode photoshop(const QString &, const QString &path)
{
    if (path.contains(QLatin1String("Photoshop CS6")))
        return 1542;
    if (path.contains(QLatin1String("Photoshop CC 2018")))
        return 1554;
    if (path.contains(QLatin1String("Photoshop CC 2019")))
        return 1555;
    for (int year = 2020; year <= 2025; ++year) {
        if (path.contains(QStringLiteral("Photoshop %1").arg(year)))
            return ApplicationCode(year - 464);
    }
    return kUnrecognisedApplicationCode;
}

ApplicationCode gimp(const QString &name, const QString &)
{
    return name.contains(QLatin1String("GIMP-2.10")) ? 1802 : kUnrecognisedApplicationCode;
}

ApplicationCode painter(const QString &name, const QString &)
{
    return name.contains(QLatin1String("PAINTER 2021")) ? 2325 : kUnrecognisedApplicationCode;
}

ApplicationCode azPainter(const QString &name, const QString &)
{
    if (name.contains(QLatin1String("AZPAINTER3")))
        return 4611;
    if (name.contains(QLatin1String("AZPAINTER2")))
        return 4610;
    return kUnrecognisedApplicationCode;
}

Family byName(const char *needle, ApplicationCode code,
              ApplicationCode (*refine)(const QString &, const QString &) = noRefinement)
{
    return Family{Test{Subject::Name, needle, true}, code, refine};
}

// In the order of testing: the first family whose test holds decides.
const std::vector<Family> &families()
{
    static const std::vector<Family> table = {
            byName("sai", 1, sai),
            byName("krita", 2),
            byName("SketchBookPro", 3, sketchBook),
            byName("MediBangPaint", 4),
            byName("CS_EX", 5),
            byName("Photoshop", 6, photoshop),
            byName("Illustrator", 14),
            Family{Test{Subject::Name, "GIMP", false}, 7, gimp},
            byName("FireAlpaca", 8),
            Family{Test{Subject::Path, "Corel\\Painter", false}, 9, painter},
            byName("ArtRage", 10),
            byName("CLIPStudioPaint", 11),
            byName("MS_EXDemo", 12),
            byName("Paintstorm", 13),
            byName("Artweaver", 17),
            byName("AzPainter", 18, azPainter),
            byName("BlackInk", 19),
            byName("Mischief", 20),
            byName("SpeedyPainter", 21),
            byName("SmoothDraw", 22),
            byName("HarmonyPremium", 23),
            byName("IllustMaster", 24),
            byName("UDMPaint", 25),
            byName("OneNote", 193),
            byName("WhiteBoard", 194),
            byName("Blender", 42),
    };
    return table;
}

} // namespace

const std::map<QString, ApplicationCode> &applicationNameTable()
{
    static const std::map<QString, ApplicationCode> table = {
            {QStringLiteral("SAI"), 1},
            {QStringLiteral("SAI2"), 258},
            {QStringLiteral("Krita"), 2},
            {QStringLiteral("SketchBook"), 3},
            {QStringLiteral("MediBang"), 4},
            {QStringLiteral("CS_EX"), 5},
            {QStringLiteral("PS"), 6},
            {QStringLiteral("Photoshop"), 6},
            {QStringLiteral("GIMP"), 7},
            {QStringLiteral("FireAlpaca"), 8},
            {QStringLiteral("CorelPainter"), 9},
            {QStringLiteral("ArtRage"), 10},
            {QStringLiteral("CLIPStudioPaint"), 11},
            {QStringLiteral("MS_EXDemo"), 12},
            {QStringLiteral("Paintstorm"), 13},
            {QStringLiteral("Illustrator"), 14},
            {QStringLiteral("Animate"), 15},
            {QStringLiteral("AffinityPhoto"), 16},
            {QStringLiteral("Artweaver"), 17},
            {QStringLiteral("AzPainter"), 18},
            {QStringLiteral("BlackInk"), 19},
            {QStringLiteral("Mischief"), 20},
            {QStringLiteral("SpeedyPainter"), 21},
            {QStringLiteral("SmoothDraw"), 22},
            {QStringLiteral("HarmonyPremium"), 23},
            {QStringLiteral("IllustMaster"), 24},
            {QStringLiteral("UDMPaintPRO"), 25},
            {QStringLiteral("Blender"), 42},
            {QStringLiteral("InkScape"), 128},
            {QStringLiteral("OpenToonz"), 160},
            {QStringLiteral("Drawpile"), 161},
            {QStringLiteral("Vectornator"), 162},
            {QStringLiteral("FlipaClip"), 163},
            {QStringLiteral("NiBoard"), 164},
            {QStringLiteral("GoodNotes"), 165},
            {QStringLiteral("MyPaint"), 166},
            {QStringLiteral("Notability"), 167},
            {QStringLiteral("WPS"), 192},
            {QStringLiteral("OneNote"), 193},
            {QStringLiteral("WhiteBoard"), 194},
            {QStringLiteral("IStylePDF"), 208},
            {QStringLiteral("IEXPLORE"), 209},
    };
    return table;
}

ApplicationCode applicationCodeOfName(const QString &profileName)
{
    const auto &table = applicationNameTable();
    const auto found = table.find(profileName);
    return found == table.end() ? kUnrecognisedApplicationCode : found->second;
}

ApplicationCode applicationCodeOf(const ProcessEntry &process)
{
    const QString name = process.name.toUpper();
    for (const Family &family : families()) {
        if (!holds(family.test, name, process.path))
            continue;
        const ApplicationCode version = family.refine(name, process.path);
        return version != kUnrecognisedApplicationCode ? version : family.code;
    }
    return kUnrecognisedApplicationCode;
}

ApplicationCode applicationFamily(ApplicationCode code)
{
    return code < 256 ? code : (code >> 8) & 0xFF;
}

std::uint32_t applicationVersion(ApplicationCode code)
{
    return code < 256 ? 0 : code & 0xFF;
}

ApplicationCode versionedApplicationCode(ApplicationCode family, std::uint32_t version)
{
    return family * 256 + (version & 0xFF);
}

bool sameApplicationFamily(ApplicationCode a, ApplicationCode b)
{
    if (a == kUnrecognisedApplicationCode || b == kUnrecognisedApplicationCode)
        return false;
    const ApplicationCode family = applicationFamily(a);
    return family == applicationFamily(b) && family != 0 && family < 255;
}
