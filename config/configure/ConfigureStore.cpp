#include "config/configure/ConfigureStore.h"

#include "config/configure/CommonSettings.h"
#include "config/configure/ConfigureFile.h"
#include "config/platform/DataFolders.h"
#include "config/xml/XmlFile.h"

#include <algorithm>

namespace {

QRect wholeMonitor(const ConfigureMonitor &monitor)
{
    return QRect(QPoint(0, 0), monitor.monitorRect.size());
}

const ConfigureMonitor *findDefaultMonitor(bool penDisplayModel,
                                           const ConfigureMonitorList &monitors)
{
    const auto found = std::find_if(monitors.begin(), monitors.end(),
                                    [penDisplayModel](const ConfigureMonitor &monitor) {
                                        return penDisplayModel ? monitor.penDisplay
                                                               : monitor.primary;
                                    });
    return found == monitors.end() ? nullptr : &*found;
}

void report(bool *result, bool value)
{
    if (result)
        *result = value;
}

} // namespace

void applyMonitorLayout(MappingConfigure &mapping, const ConfigureMonitorList &monitors)
{
    if (monitors.empty())
        return;
    const ConfigureMonitor &first = monitors.front();
    mapping.desktopSize = first.desktopRect.size();
    if (!mapping.part.isValid())
        mapping.part = wholeMonitor(first);
}

void selectDefaultMonitor(TabletConfigure &configure, const ConfigureMonitorList &monitors)
{
    const ConfigureMonitor *monitor = findDefaultMonitor(configure.display, monitors);
    if (!monitor)
        return;
    configure.mapping.screenIndex = static_cast<std::uint32_t>(monitor->index);
    configure.mapping.part = wholeMonitor(*monitor);
    configure.mapping.rotation = monitor->rotation;
}

TabletConfigurePtr loadConfigure(const QString &model, bool fromDefaults,
                                 const ConfigureMonitorList &monitors)
{
    if (fromDefaults)
        return loadConfigureFrom(defaultConfigResource(model), QString(), true, monitors);
    return loadConfigureFrom(userConfigPath(model), commonSettingsPath(), false, monitors);
}

TabletConfigurePtr loadConfigureFrom(const QString &path, const QString &commonPath,
                                     bool fromDefaults, const ConfigureMonitorList &monitors)
{
    TabletConfigurePtr configure = readConfigureFile(path, commonPath);
    if (!configure)
        return nullptr;
    applyMonitorLayout(configure->mapping, monitors);
    if (fromDefaults)
        selectDefaultMonitor(*configure, monitors);
    return configure;
}

bool saveConfigure(bool *commonSaved)
{
    report(commonSaved, false);
    const TabletConfigurePtr configure = currentConfigure();
    if (!configure || configure->model.isEmpty())
        return false;
    return saveConfigureTo(*configure, userConfigPath(configure->model), commonSettingsPath(),
                           commonSaved);
}

bool saveConfigureTo(const TabletConfigure &configure, const QString &path,
                     const QString &commonPath, bool *commonSaved)
{
    report(commonSaved, false);
    if (configure.model.isEmpty() || !XmlFile::write(path, configureDocument(configure)))
        return false;
    report(commonSaved, saveCommonSettings(commonPath, configure.common));
    return true;
}
