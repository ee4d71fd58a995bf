#pragma once

#include "config/configure/TabletConfigure.h"

#include <QString>

// What a page's dialog edits: the configuration that was current when the dialog opened and,
// while the bindings follow the applications, the profile of the chosen application. A modal
// dialog runs an event loop of its own, in which a tablet that is plugged in, unplugged or found
// again after a resume brings a configuration of its own; what the dialog answers belongs to the
// target it was opened for and is dropped when the page no longer edits that target. The target
// holds the configuration, so that it outlives the dialog, but no pointer into its maps.
class DialogTarget
{
public:
    // What the page edits now: the current configuration and the profile at `profileIndex` of
    // the profile list, or none for an index outside the list.
    static DialogTarget current(int profileIndex = -1);

    bool operator==(const DialogTarget &other) const;
    bool operator!=(const DialogTarget &other) const { return !(*this == other); }

private:
    TabletConfigurePtr configure;
    // A profile is the same while the same application stands at the same place of the list.
    int profileIndex = -1;
    QString profileName;
    QString profilePath;
};
