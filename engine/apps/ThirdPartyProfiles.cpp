#include "engine/apps/ThirdPartyProfiles.h"

#include "engine/apps/ApplicationCodes.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

const QString ThirdPartyProfiles::kResourcePrefix = QStringLiteral(":/res/third/");

const QStringList &ThirdPartyProfiles::fileNames()
{
    static const QStringList names = {
            QStringLiteral("AffinityPhoto"), QStringLiteral("Animate"), QStringLiteral("ArtRage"),
            QStringLiteral("AzPainter"), QStringLiteral("BlackInk"), QStringLiteral("CLIPStudioPaint"),
            QStringLiteral("CorelPainter"), QStringLiteral("CS_EX"), QStringLiteral("Drawpile"),
            QStringLiteral("FireAlpaca"), QStringLiteral("FlipaClip"), QStringLiteral("GIMP"),
            QStringLiteral("GoodNotes"), QStringLiteral("HarmonyPremium"), QStringLiteral("IllustMaster"),
            QStringLiteral("Illustrator"), QStringLiteral("InkScape"), QStringLiteral("Krita"),
            QStringLiteral("MediBang"), QStringLiteral("Mischief"), QStringLiteral("MS_EXDemo"),
            QStringLiteral("MyPaint"), QStringLiteral("NiBoard"), QStringLiteral("Notability"),
            QStringLiteral("OpenToonz"), QStringLiteral("Paintstorm"), QStringLiteral("Photoshop"),
            QStringLiteral("SAI"), QStringLiteral("SketchBook"), QStringLiteral("SmoothDraw"),
            QStringLiteral("SpeedyPainter"), QStringLiteral("UDMPaintPRO"), QStringLiteral("Vectornator"),
            QStringLiteral("WhiteBoard"), QStringLiteral("Blender"),
    };
    return names;
}

ThirdPartyProfiles ThirdPartyProfiles::load(const QString &prefix)
{
    ThirdPartyProfiles profiles;
    for (const QString &name : fileNames())
        profiles.readFile(QStringLiteral("%1%2.json").arg(prefix, name));
    return profiles;
}

bool ThirdPartyProfiles::readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    if (!document.isArray())
        return false;
    for (const QJsonValue &element : document.array()) {
        ThirdPartyProfile profile;
        if (!element.isObject() || !ThirdPartyProfile::fromJson(element.toObject(), profile))
            continue;
        profile.code = applicationCodeOfName(profile.name);
        byFamily[profile.code].push_back(profile);
    }
    return true;
}

const std::vector<ThirdPartyProfile> &ThirdPartyProfiles::profilesOf(ApplicationCode family) const
{
    static const std::vector<ThirdPartyProfile> none;
    const auto found = byFamily.find(family);
    return found == byFamily.end() ? none : found->second;
}

std::size_t ThirdPartyProfiles::profileCount() const
{
    std::size_t count = 0;
    for (const auto &family : byFamily)
        count += family.second.size();
    return count;
}

bool ThirdPartyProfiles::shortcuts(const ProcessEntry &process, ShortcutEntries &entries) const
{
    const ApplicationCode code = applicationCodeOf(process);
    if (code == kUnrecognisedApplicationCode)
        return false;
    const std::uint32_t version = code & 0xFF;
    const ApplicationCode high = (code >> 8) & 0xFF;
    const std::vector<ThirdPartyProfile> &profiles = profilesOf(high != 0 ? high : code);
    if (profiles.empty())
        return false;
    const auto append = [&entries](const ThirdPartyProfile &profile) {
        entries.emplace_back(tr("Pen"), profile.penShortcut);
        entries.emplace_back(tr("Eraser"), profile.eraserShortcut);
    };
    append(profiles.front());
    if (high != 0) {
        for (const ThirdPartyProfile &profile : profiles) {
            if (profile.version == int(version)) {
                append(profile);
                break;
            }
        }
    }
    return true;
}

const ThirdPartyProfiles &loadThirdPartyProfiles()
{
    static const ThirdPartyProfiles profiles = ThirdPartyProfiles::load(ThirdPartyProfiles::kResourcePrefix);
    return profiles;
}

bool thirdPartyShortcuts(const ProcessEntry &process, ShortcutEntries &entries)
{
    return loadThirdPartyProfiles().shortcuts(process, entries);
}
