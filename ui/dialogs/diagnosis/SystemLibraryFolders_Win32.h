#pragma once

#include "ui/dialogs/diagnosis/WintabLibraryFolders.h"

// The system folders as this process's system reports them.
SystemFolders systemFolders();

// The folders of the installed Wintab library of one bitness on this system.
QStringList systemWintabLibraryFolders(bool x64);
