#include "ui/dialogs/diagnosis/NibwireLookup.h"

#include "support/QtPrinters.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString digestOf(const QByteArray &content)
{
    return QString::fromLatin1(QCryptographicHash::hash(content, QCryptographicHash::Sha256).toHex());
}

// The debug lines written while it lives.
class DebugLines
{
public:
    DebugLines()
    {
        collected().clear();
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=true"));
        previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
            if (type == QtDebugMsg)
                collected() << text;
        });
    }
    ~DebugLines()
    {
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
    }
    DebugLines(const DebugLines &) = delete;
    DebugLines &operator=(const DebugLines &) = delete;

    static QStringList &collected()
    {
        static QStringList lines;
        return lines;
    }

private:
    QtMessageHandler previous = nullptr;
};

} // namespace

TEST(NibwireLookup, TheFirstKnownBuildInFolderOrderIsFoundAndEachFileReadIsLoggedUnderItsBitness)
{
    const QByteArray ours = QByteArrayLiteral("MZ our build");
    const QByteArray foreign = QByteArrayLiteral("MZ another Wintab library");
    const NibwireLookup::DigestTable known = {{digestOf(ours), QStringLiteral("0.1.0")}};
    const struct {
        const char *what;
        std::vector<std::pair<const char *, QByteArray>> files; // "folder/name" and content
        QStringList folders;
        bool x64;
        bool found;
        std::vector<QByteArray> read; // the files' contents in the order they are read
    } cases[] = {
        {"installed as Wintab32.dll", {{"a/Wintab32.dll", ours}}, {"a"}, true, true, {ours}},
        {"beside another library", {{"a/Wintab32.dll", foreign}, {"a/Nibwire.dll", ours}}, {"a"}, false, true, {foreign, ours}},
        {"in a later folder", {{"b/Nibwire.dll", ours}}, {"missing", "a", "b"}, true, true, {ours}},
        {"only another library", {{"a/Wintab32.dll", foreign}}, {"a"}, false, false, {foreign}},
        {"in a folder not asked for", {{"b/Wintab32.dll", ours}}, {"a"}, true, false, {}},
        {"a folder where a file was expected", {{"a/Wintab32.dll/x", ours}}, {"a"}, true, false, {}},
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

        DebugLines log;
        const InstalledLibrary library = NibwireLookup(entry.x64, folders, known).find();
        EXPECT_EQ(library.found, entry.found);
        EXPECT_EQ(library.version, entry.found ? QStringLiteral("0.1.0") : QString());
        QStringList expectedLines;
        for (const QByteArray &content : entry.read)
            expectedLines << (entry.x64 ? QStringLiteral("Nibwire_64 hash ") : QStringLiteral("Nibwire_32 hash ")) + digestOf(content);
        QStringList lines;
        for (const QString &line : DebugLines::collected())
            lines << line.section(QLatin1Char(' '), 0, 2);
        EXPECT_EQ(lines, expectedLines);
    }
}
