#include "engine/support/SourceTreePath.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>

#include <map>

namespace {

// Every match of `pattern`'s first group in the files that `files` walks, with a file that has it.
void collectNames(QDirIterator files, const QRegularExpression &pattern, std::map<QString, QString> &names)
{
    while (files.hasNext()) {
        QFile file(files.next());
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const QString text = QString::fromUtf8(file.readAll());
        for (auto match = pattern.globalMatch(text); match.hasNext();)
            names.emplace(match.next().captured(1), file.fileName());
    }
}

// Whether a resource answers to `name`. A name with "%1" places, or a folder (ending in "/"),
// answers to any resource below its fixed folder that it matches.
bool isCompiledIn(const QString &name)
{
    const QString fixed = name.left(name.indexOf(QLatin1Char('%')));
    if (fixed == name && !name.endsWith(QLatin1Char('/')))
        return QFile::exists(name);
    const QString any = QStringLiteral(".+");
    const QString pattern =
            QRegularExpression::escape(name).replace(QRegularExpression(QStringLiteral("\\\\%\\d")), any);
    const QRegularExpression matching(QRegularExpression::anchoredPattern(fixed == name ? pattern + any : pattern));
    for (QDirIterator it(fixed.left(fixed.lastIndexOf(QLatin1Char('/'))), QDir::Files, QDirIterator::Subdirectories);
         it.hasNext();) {
        if (matching.match(it.next()).hasMatch())
            return true;
    }
    return false;
}

} // namespace

// The window programs carry every group of compiled-in resources, though nothing in them
// refers to the resources by symbol.
TEST(CompiledResources, EveryGroupIsInTheWindowPrograms)
{
    for (const char *path : {":/res/conf/QZ-Pen 6.xml", ":/res/layout/QZ-Pen 6.xml", ":/res/image/tablet/QZ-Pen 6.png",
                             ":/res/image/pen/p01.png", ":/res/third/AffinityPhoto.json", ":/res/lang/de.qm"})
        EXPECT_TRUE(QFile::exists(QString::fromUtf8(path))) << path;
}

// Qt skips a missing sheet or picture without a word: a button under the pointer loses its icon.
TEST(CompiledResources, EveryResourceThatASheetOrTheCodeNamesIsCompiledIn)
{
    std::map<QString, QString> sheetNames;
    collectNames(QDirIterator(QStringLiteral(":/res/qss/normal"), QDir::Files),
                 QRegularExpression(QStringLiteral("url\\(\\s*\"?(:/[^\")\\s]+)")), sheetNames);
    std::map<QString, QString> codeNames;
    for (const char *folder : {"config", "engine", "ui", "app"}) {
        collectNames(QDirIterator(sourceTreePath(QLatin1String(folder)), {"*.cpp", "*.h", "*.ui"}, QDir::Files,
                                  QDirIterator::Subdirectories),
                     QRegularExpression(QStringLiteral("(:/res/[^\"'()<>\\s]+)")), codeNames);
    }
    ASSERT_FALSE(sheetNames.empty());
    ASSERT_FALSE(codeNames.empty());
    codeNames.insert(sheetNames.begin(), sheetNames.end());
    for (const auto &[name, file] : codeNames)
        EXPECT_TRUE(isCompiledIn(name)) << name.toStdString() << " (named in " << file.toStdString() << ")";
}
