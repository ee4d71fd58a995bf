#pragma once

#include <QString>
#include <QStringList>

// The system's folders as a process asks the system for them, with '/' separators; a folder
// whose query failed is empty.
struct SystemFolders
{
    bool process64 = false;
    QString system;       // the system folder as this process names it
    QString wow64System;  // the 32-bit system folder of a 64-bit system; empty on a 32-bit one
    QString windows;      // the shared Windows folder
};

// The folders that hold the Wintab library of one bitness, as this process reaches them with
// file-system redirection left on: a 32-bit process on a 64-bit system reads the real system
// folder, which holds the 64-bit library, through the "Sysnative" alias.
QStringList wintabLibraryFolders(const SystemFolders &folders, bool x64);
