#include "ui/dialogs/NibwireLookup.h"

#include "support/QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(NibwireLookup, TheFirstKnownBuildInFolderOrderIsFound)
{
    const QByteArray ours = QByteArrayLiteral("MZ our build");
    const QByteArray foreign = QByteArrayLiteral("MZ another Wintab library");
    const NibwireLookup::DigestTable known = {
            {QString::fromLatin1(QCryptographicHash::hash(ours, QCryptographicHash::Sha256).toHex()), QStringLiteral("0.1.0")}};
    const struct {
        const char *what;
        std::vector<std::pair<const char *, QByteArray>> files; // "folder/name" and content
        QStringList folders;
        bool found;
    } cases[] = {
        {"installed as Wintab32.dll", {{"a/Wintab32.dll", ours}}, {"a"}, true},
        {"beside another library", {{"a/Wintab32.dll", foreign}, {"a/Nibwire.dll", ours}}, {"a"}, true},
        {"in a later folder", {{"b/Nibwire.dll", ours}}, {"missing", "a", "b"}, true},
        {"only another library", {{"a/Wintab32.dll", foreign}}, {"a"}, false},
        {"in a folder not asked for", {{"b/Wintab32.dll", ours}}, {"a"}, false},
        {"a folder where a file was expected", {{"a/Wintab32.dll/x", ours}}, {"a"}, false},
    };
    for (const auto &entry : cases) {
        SCOPED_TRACE(entry.what);
        QTemporaryDir root;
        for (const auto &file : entry.files) {
            QDir().mkpath(QFileInfo(root.filePath(QLatin1String(file.first))).path());
            QFile written(root.filePath(QLatin1String(file.first)));
            ASSERT_TRUE(written.open(QIODevice::WriteOnly));
            written.write(file.second);
        }
        QStringList folders;
        for (const QString &folder : entry.folders)
            folders << root.filePath(folder);

        const InstalledLibrary library = NibwireLookup(folders, known).find();
        EXPECT_EQ(library.found, entry.found);
        EXPECT_EQ(library.version, entry.found ? QStringLiteral("0.1.0") : QString());
    }
}
