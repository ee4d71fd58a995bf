#pragma once

#include "ui/dialogs/diagnosis/DiagnosisReport.h"

#include <QString>
#include <QStringList>

#include <map>

// Finds the installed Wintab library of one bitness: reads each candidate file in the given
// folders and recognises a build by its SHA-256 digest. Applications load the library as
// "Wintab32.dll"; it may also lie there under its own name.
class NibwireLookup
{
public:
    // Lowercase hexadecimal SHA-256 digest of a build -> its version text.
    using DigestTable = std::map<QString, QString>;

    // x64 names the bitness looked for in the debug line of each file read.
    NibwireLookup(bool x64, QStringList folders, DigestTable knownBuilds);

    // The first file of a known build, folder by folder in the given order; not found when no
    // file is readable or none is a known build.
    InstalledLibrary find() const;

    // Empty when the file cannot be read.
    static QString fileDigest(const QString &path);

private:
    bool x64;
    QStringList folders;
    DigestTable knownBuilds;
};
