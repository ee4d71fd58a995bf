#include "config/profiles/ProfileFileName.h"

#include <QSet>

namespace ProfileFileName {

namespace {

const QString kForbidden = QStringLiteral("<>:\"/\\|?*");
const QChar kReplacement = QLatin1Char('_');
const QString kFallback = QStringLiteral("Application");
const QString kExtension = QStringLiteral(".xml");
// Well under the 255 characters of a path component, leaving room for a suffix and ".xml".
constexpr int kMaxLength = 100;

bool isForbidden(QChar character)
{
    return character.unicode() < 0x20 || character.unicode() == 0x7f
            || kForbidden.contains(character);
}

QString replaceForbidden(const QString &name)
{
    QString result = name;
    for (QChar &character : result) {
        if (isForbidden(character))
            character = kReplacement;
    }
    return result;
}

bool isEdgeCharacter(QChar character)
{
    return character.isSpace() || character == QLatin1Char('.');
}

// Windows drops trailing dots and blanks; leading dots hide a file elsewhere; "." and ".." name
// folders.
QString trimEdges(const QString &name)
{
    int begin = 0;
    int end = name.size();
    while (begin < end && isEdgeCharacter(name.at(begin)))
        ++begin;
    while (end > begin && isEdgeCharacter(name.at(end - 1)))
        --end;
    return name.mid(begin, end - begin);
}

QString cutToMaxLength(const QString &name)
{
    if (name.size() <= kMaxLength)
        return name;
    int length = kMaxLength;
    if (name.at(length - 1).isHighSurrogate())
        --length;
    return trimEdges(name.left(length));
}

// Windows reserves these names with any extension: "nul.txt" is the device too.
bool isReservedDeviceName(const QString &name)
{
    static const QSet<QString> reserved = {
        QStringLiteral("CON"),  QStringLiteral("PRN"),  QStringLiteral("AUX"),
        QStringLiteral("NUL"),  QStringLiteral("COM1"), QStringLiteral("COM2"),
        QStringLiteral("COM3"), QStringLiteral("COM4"), QStringLiteral("COM5"),
        QStringLiteral("COM6"), QStringLiteral("COM7"), QStringLiteral("COM8"),
        QStringLiteral("COM9"), QStringLiteral("LPT1"), QStringLiteral("LPT2"),
        QStringLiteral("LPT3"), QStringLiteral("LPT4"), QStringLiteral("LPT5"),
        QStringLiteral("LPT6"), QStringLiteral("LPT7"), QStringLiteral("LPT8"),
        QStringLiteral("LPT9"),
    };
    const QString stem = name.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    return reserved.contains(stem);
}

QString uniqueFileName(const QString &base, QSet<QString> &taken)
{
    QString candidate = base + kExtension;
    for (int number = 2; taken.contains(candidate.toCaseFolded()); ++number)
        candidate = QStringLiteral("%1 (%2)").arg(base, QString::number(number)) + kExtension;
    taken.insert(candidate.toCaseFolded());
    return candidate;
}

} // namespace

QString fromName(const QString &name)
{
    const QString safe = cutToMaxLength(trimEdges(replaceForbidden(name)));
    if (safe.isEmpty())
        return kFallback;
    return isReservedDeviceName(safe) ? kReplacement + safe : safe;
}

QStringList forProfiles(const AppProfileList &profiles, const QStringList &existingFiles)
{
    // Kept files are claimed first, so that a new profile earlier in the list cannot take one.
    QStringList names;
    QSet<QString> taken;
    for (const AppProfile &profile : profiles) {
        const QString key = profile.fileName.toCaseFolded();
        const bool keeps = !key.isEmpty() && !taken.contains(key);
        if (keeps)
            taken.insert(key);
        names << (keeps ? profile.fileName : QString());
    }
    for (const QString &file : existingFiles)
        taken.insert(file.toCaseFolded());
    for (int index = 0; index < names.size(); ++index) {
        if (names.at(index).isEmpty())
            names[index] = uniqueFileName(fromName(profiles.at(index).name), taken);
    }
    return names;
}

} // namespace ProfileFileName
