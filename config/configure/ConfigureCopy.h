#pragma once

#include "config/actions/TabletAction.h"
#include "config/configure/TabletConfigure.h"

// A new action of the same kind and fields; empty for an empty pointer and for an action of a
// kind that is not known here.
TabletActionPtr cloneAction(const TabletActionPtr &action);

// A copy of the configuration that shares no action object with the source. Bindings without
// an action are left out, and so are dial pairs without any action.
TabletConfigurePtr copyDeviceConfigure(const TabletConfigure &source);

// A new action of the same kind and fields with another tip (the description the user gave the
// binding); empty for an action of a kind that is not known here.
TabletActionPtr cloneActionWithTip(const TabletAction &action, const QString &tip);
