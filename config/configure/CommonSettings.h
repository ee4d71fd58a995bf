#pragma once

#include "config/configure/TabletConfigure.h"

#include <QDomDocument>
#include <QDomElement>
#include <QString>

#include <cstdint>

// The common settings file "comm.xml" (root "Genercal") holding the driver-wide options.

// Reads Language, Pen, Tablet and Application under root into the record; missing elements and
// attributes leave their fields as they were. A language id above the last language becomes
// systemLanguage. Always true.
bool readCommonSettings(const QDomElement &root, CommonConfigure &record,
                        std::uint32_t systemLanguage);
// As above with the language that suits the system locale.
bool readCommonSettings(const QDomElement &root, CommonConfigure &record);
// Appends the Language, Pen, Tablet and Application elements under root.
void writeCommonSettings(QDomDocument &document, QDomElement &root, const CommonConfigure &record);
// The whole common settings document of the record.
QDomDocument commonSettingsDocument(const CommonConfigure &record);

// Reads the common settings file under the configuration folder. False, with the record as it
// was, when the file is missing or unreadable, not XML or has another root element.
bool loadCommonSettings(CommonConfigure &record);
bool loadCommonSettings(const QString &path, CommonConfigure &record);

// Replaces the common settings file whole; false, with the old file kept, when it cannot be
// written.
bool saveCommonSettings(const CommonConfigure &record);
bool saveCommonSettings(const QString &path, const CommonConfigure &record);
