#pragma once

#include "engine/apps/ProcessEntry.h"
#include "engine/apps/ThirdPartyProfile.h"

#include <QCoreApplication>
#include <QPair>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

// Labelled shortcut texts: ("Pen", shortcut), ("Eraser", shortcut), ...
using ShortcutEntries = std::vector<QPair<QString, QString>>;

// The known drawing applications, read from their JSON files: the profiles of each application
// family in file order.
class ThirdPartyProfiles
{
    Q_DECLARE_TR_FUNCTIONS(ThirdPartyProfiles)

public:
    // The compiled-in folder of the files.
    static const QString kResourcePrefix;

    // The application files, in the order they are read.
    static const QStringList &fileNames();

    // Reads every file of `fileNames` from `prefix` (a folder path ending in "/"); files that
    // cannot be read or hold no JSON array add nothing.
    static ThirdPartyProfiles load(const QString &prefix);
    // Adds the profiles of one file; false when it could not be read as a JSON array.
    bool readFile(const QString &path);

    // The profiles of a family code, in file order; empty when there are none.
    const std::vector<ThirdPartyProfile> &profilesOf(ApplicationCode family) const;
    std::size_t profileCount() const;
    bool isEmpty() const { return byFamily.empty(); }

    // The pen and eraser shortcuts of the program's application: the pair of its first profile,
    // followed by the pair of its own version when the program's code names one. False when
    // there are none.
    bool shortcuts(const ProcessEntry &process, ShortcutEntries &entries) const;

private:
    std::map<ApplicationCode, std::vector<ThirdPartyProfile>> byFamily;
};

// The compiled-in profiles, read on the first call, once per process, whatever the thread.
const ThirdPartyProfiles &loadThirdPartyProfiles();
// `ThirdPartyProfiles::shortcuts` over the compiled-in profiles.
bool thirdPartyShortcuts(const ProcessEntry &process, ShortcutEntries &entries);
