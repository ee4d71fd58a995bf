#include "ui/dialogs/diagnosis/WintabLibraryFolders.h"

namespace {

QStringList present(const QString &folder)
{
    return folder.isEmpty() ? QStringList() : QStringList{folder};
}

} // namespace

QStringList wintabLibraryFolders(const SystemFolders &folders, bool x64)
{
    const bool system64 = folders.process64 || !folders.wow64System.isEmpty();
    if (!x64)
        return present(system64 ? folders.wow64System : folders.system);
    if (folders.process64)
        return present(folders.system);
    if (!system64 || folders.windows.isEmpty())
        return {};
    return {folders.windows + QStringLiteral("/Sysnative")};
}
