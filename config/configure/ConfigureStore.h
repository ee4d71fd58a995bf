#pragma once

#include "config/configure/ConfigureMonitor.h"
#include "config/configure/TabletConfigure.h"

#include <QString>

// Loading a model's configuration with the monitor layout, and saving the current one. GUI
// thread only.

// Takes the desktop size from the first monitor and, when the mapped screen part is not a valid
// rectangle, that monitor's whole size. No monitors: nothing changes.
void applyMonitorLayout(MappingConfigure &mapping, const ConfigureMonitorList &monitors);
// Points fresh defaults at the first pen display (for a pen-display model) or at the primary
// monitor: its index, its whole size and its rotation. Nothing changes when there is none.
void selectDefaultMonitor(TabletConfigure &configure, const ConfigureMonitorList &monitors);

// A new configuration of the model: from its compiled-in defaults (with `common` at its
// defaults), or from the user's file together with the common settings file. Empty when the file
// is missing, unreadable, not XML or not a configuration; the file itself is never written here.
TabletConfigurePtr loadConfigure(const QString &model, bool fromDefaults,
                                 const ConfigureMonitorList &monitors);
// The same from the given files; an empty commonPath leaves `common` at its defaults.
TabletConfigurePtr loadConfigureFrom(const QString &path, const QString &commonPath,
                                     bool fromDefaults, const ConfigureMonitorList &monitors);

// Writes the current configuration to the user's file of its model, then the common settings
// file, each replaced whole only once it is completely written. True when the model's file was
// written; false for a configuration without a model name or a failed write, which leaves the old
// file and does not touch the common file. *commonSaved (when given) tells whether the common
// file was written.
bool saveConfigure(bool *commonSaved = nullptr);
bool saveConfigureTo(const TabletConfigure &configure, const QString &path,
                     const QString &commonPath, bool *commonSaved = nullptr);
