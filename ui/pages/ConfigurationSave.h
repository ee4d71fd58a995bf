#pragma once

#include "config/configure/TabletConfigure.h"

#include <QCoreApplication>
#include <QString>

// A page's writing of the configuration files, and the tip that tells the user how it went.
class ConfigurationSave
{
    Q_DECLARE_TR_FUNCTIONS(ConfigurationSave)

public:
    // The current configuration: its model's file, then the common settings file.
    static ConfigurationSave configure();
    // The same, then the application profiles, which are written also when the configuration
    // could not be.
    static ConfigurationSave configureAndProfiles();
    // A reset's writing: the current configuration, then an empty application profile list only
    // once both configuration files are written, so that a disk that refuses them keeps every
    // profile file. When the profile files were not reset, the list in use is put back as it was,
    // as the configuration that the disk kept comes back with the tablet's reopening. Its failure
    // says what was not reset.
    static ConfigurationSave reset();
    // The model's file alone, from `configure`, to `path`.
    static ConfigurationSave modelFile(const TabletConfigure &configure, const QString &path);

    // What the user is told of a failure; empty when everything asked for was written, and when
    // there was no configuration to write (no model).
    QString failureText() const;
    // Shows the failure as a tip; without one, `savedText` once a configuration was written.
    void tell(const QString &savedText = QString()) const;

private:
    bool hasModel = false;
    bool configureWritten = false;
    bool commonWritten = true;
    bool profilesWritten = true;
    bool resetting = false;
};
