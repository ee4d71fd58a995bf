#pragma once

#include <QString>

// The per-user folders of the driver under the application-data location, and the names of the
// files in them. Each call computes the path afresh, so a change of the application name or of
// the standard paths' test mode takes effect at once.

// The writable application-data location; the base of every other folder.
QString dataLocation();

// base/V3/conf, created with every missing parent.
QString configDir();
// configDir/usr: one configuration file per model; created when missing.
QString userConfigDir();
// configDir/app: one file per application profile; created when missing.
QString appProfileDir();
// base/V3/log, for crash dumps; not created here (the program's start-up creates it).
QString logDir();

// The compiled-in defaults of a model.
QString defaultConfigResource(const QString &model);
// The user's own configuration file of a model; creates userConfigDir.
QString userConfigPath(const QString &model);
// The common settings file; creates configDir.
QString commonSettingsPath();
