#pragma once

#include "engine/apps/ThirdPartyProfiles.h"
#include "ipc/ApplicationCode.h"

#include <QString>

// The shortcuts that the pen/eraser switch sends to the application in the foreground.
struct ToolShortcuts
{
    QString pen = QStringLiteral("B");
    QString eraser = QStringLiteral("E");

    // Applications that switch tools with the pen's own eraser, or take no shortcut for it:
    // nothing is sent to them. An unknown application gets nothing while Windows Ink is on.
    static bool sendsNothingTo(ApplicationCode code, bool ink);
    // The last pair of the entries (the version's own pair follows the application's); the
    // default pair when there is none.
    static ToolShortcuts fromEntries(const ShortcutEntries &entries);
};
