#pragma once

#include "config/actions/TabletAction.h"

#include <QString>

// The binding that the action selection dialog edits: handed in by the page that owns the
// binding and read back by it once the dialog was accepted.
struct ActionSelection
{
    // The binding's name as the caller shows it; the dialog's title.
    QString text;
    // Empty: the binding does nothing.
    TabletActionPtr action;
    // Whether "Change Dial Action" may be chosen: only where the tablet has a dial to switch.
    bool dialSwitchAllowed = false;
};
