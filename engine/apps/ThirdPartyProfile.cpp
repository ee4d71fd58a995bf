#include "engine/apps/ThirdPartyProfile.h"

#include <QJsonObject>
#include <QStringList>

namespace {

int flagsOf(const QString &list, const QList<QPair<QString, int>> &known)
{
    int flags = 0;
    for (const QString &item : list.split(QLatin1Char(','))) {
        const QString upper = item.trimmed().toUpper();
        for (const auto &flag : known) {
            if (upper == flag.first)
                flags |= flag.second;
        }
    }
    return flags;
}

} // namespace

bool ThirdPartyProfile::fromJson(const QJsonObject &object, ThirdPartyProfile &profile)
{
    if (!object.contains(QLatin1String("name")))
        return false;
    profile = ThirdPartyProfile();
    profile.name = object.value(QLatin1String("name")).toString();
    // A version written as text ("0") reads as 0.
    profile.version = object.value(QLatin1String("version")).toInt(0);
    profile.platforms = flagsOf(object.value(QLatin1String("platform")).toString(),
                                {{QStringLiteral("WINDOWS"), Windows},
                                 {QStringLiteral("MACOS"), MacOS},
                                 {QStringLiteral("LINUX"), Linux}});
    profile.protocols = flagsOf(object.value(QLatin1String("protocol")).toString(),
                                {{QStringLiteral("WINTAB"), Wintab}, {QStringLiteral("INK"), Ink}});
    const QJsonObject hotkey = object.value(QLatin1String("hotkey")).toObject();
    profile.penShortcut = hotkey.value(QLatin1String("pen")).toString();
    profile.eraserShortcut = hotkey.value(QLatin1String("eraser")).toString();
    return true;
}
