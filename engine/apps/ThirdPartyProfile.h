#pragma once

#include "ipc/ApplicationCode.h"

#include <QString>

class QJsonObject;

// What QZTablet knows of one version of a drawing application: where it runs, which pen
// protocols it takes and the shortcuts that select its pen and its eraser.
struct ThirdPartyProfile
{
    enum Platform : int {
        Windows = 1,
        MacOS = 2,
        Linux = 4,
    };
    enum Protocol : int {
        Wintab = 1,
        Ink = 2,
    };

    // A profile of the object, or false when the object is no profile (it has no "name").
    static bool fromJson(const QJsonObject &object, ThirdPartyProfile &profile);

    QString name;
    ApplicationCode code = kUnrecognisedApplicationCode;
    // 0: any version.
    int version = 0;
    int platforms = 0;
    int protocols = 0;
    int reserved = 0;
    QString penShortcut;
    QString eraserShortcut;
};
