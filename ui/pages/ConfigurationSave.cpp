#include "ui/pages/ConfigurationSave.h"

#include "config/configure/ConfigureStore.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "ui/dialogs/messages/VTipMsgboxDlg.h"

ConfigurationSave ConfigurationSave::configure()
{
    ConfigurationSave save;
    const TabletConfigurePtr current = currentConfigure();
    save.hasModel = current && !current->model.isEmpty();
    save.configureWritten = saveConfigure(&save.commonWritten);
    return save;
}

ConfigurationSave ConfigurationSave::configureAndProfiles()
{
    ConfigurationSave save = configure();
    save.profilesWritten = saveAppProfiles();
    return save;
}

ConfigurationSave ConfigurationSave::reset()
{
    ConfigurationSave save = configure();
    save.resetting = true;
    const AppProfileList previous = appProfiles();
    setAppProfiles(AppProfileList());
    save.profilesWritten = save.configureWritten && save.commonWritten && saveAppProfiles();
    if (!save.profilesWritten)
        setAppProfiles(previous);
    return save;
}

ConfigurationSave ConfigurationSave::modelFile(const TabletConfigure &configure, const QString &path)
{
    ConfigurationSave save;
    save.hasModel = !configure.model.isEmpty();
    save.configureWritten = saveConfigureTo(configure, path, QString());
    return save;
}

QString ConfigurationSave::failureText() const
{
    if (hasModel && (!configureWritten || !commonWritten))
        return resetting ? tr("Settings not reset") : tr("Configuration not saved");
    if (!profilesWritten)
        return resetting ? tr("Application settings not reset") : tr("Application settings not saved");
    return QString();
}

void ConfigurationSave::tell(const QString &savedText) const
{
    const QString failure = failureText();
    const QString text = !failure.isEmpty() ? failure : configureWritten ? savedText : QString();
    if (!text.isEmpty())
        VTipMsgboxDlg::showTipMessage(text);
}
