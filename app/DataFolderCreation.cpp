#include "app/DataFolderCreation.h"

#include "config/platform/DataFolders.h"

#include <QDir>

void createDataFolders()
{
    // Each of these creates its folder with every missing parent (conf first).
    userConfigDir();
    appProfileDir();
    QDir().mkpath(logDir());
}
