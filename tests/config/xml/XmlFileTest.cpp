#include "config/xml/XmlFile.h"

#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

using store_test::readFile;
using store_test::writeFile;

namespace {

QDomDocument sampleDocument(const QString &rootTag = "Root")
{
    QDomDocument document = XmlFile::newDocument();
    QDomElement root = document.createElement(rootTag);
    document.appendChild(root);
    QDomElement child = XmlFile::appendElement(document, "Child", root);
    child.setAttribute("value", "1");
    return document;
}

struct BrokenFileRow
{
    const char *description;
    QByteArray bytes;
};

} // namespace

TEST(XmlFile, WrittenFileStartsWithTheDeclarationAndIndentsByFourSpaces)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.xml");

    ASSERT_TRUE(XmlFile::write(path, sampleDocument()));

    EXPECT_EQ(readFile(path), "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<Root>\n    <Child "
                              "value=\"1\"/>\n</Root>\n");
}

TEST(XmlFile, WrittenFileReadsBack)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.xml");
    ASSERT_TRUE(XmlFile::write(path, sampleDocument()));

    QDomDocument document;
    ASSERT_TRUE(XmlFile::read(path, document));
    EXPECT_EQ(document.documentElement().tagName(), "Root");
    EXPECT_EQ(document.documentElement().firstChildElement("Child").attribute("value"), "1");
}

TEST(XmlFile, WriteReplacesTheWholeOldFile)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("out.xml");
    ASSERT_TRUE(writeFile(path, QByteArray(10000, 'x')));

    ASSERT_TRUE(XmlFile::write(path, sampleDocument()));

    EXPECT_EQ(readFile(path), sampleDocument().toByteArray(4));
}

TEST(XmlFile, ReadFailsForAMissingEmptyCutShortOrNonXmlFile)
{
    const BrokenFileRow rows[] = {
        {"empty", ""},
        {"cut short", "<?xml version=\"1.0\"?>\n<Root>\n    <Child value=\"1\"/>\n"},
        {"cut inside a tag", "<Root><Chi"},
        {"not XML", "just some words"},
        {"binary", QByteArray("\x00\x01\x02\xff", 4)},
        {"two roots", "<A/><B/>"},
    };
    QTemporaryDir folder;
    for (const BrokenFileRow &row : rows) {
        SCOPED_TRACE(row.description);
        const QString path = folder.filePath("broken.xml");
        ASSERT_TRUE(writeFile(path, row.bytes));
        QDomDocument document;
        EXPECT_FALSE(XmlFile::read(path, document));
    }
    QDomDocument document;
    EXPECT_FALSE(XmlFile::read(folder.filePath("missing.xml"), document));
}

TEST(XmlFile, WriteToAPathThatIsAFolderFailsAndLeavesTheFolder)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("taken.xml");
    ASSERT_TRUE(QDir().mkpath(path + "/inside"));

    EXPECT_FALSE(XmlFile::write(path, sampleDocument()));

    EXPECT_TRUE(QFileInfo(path + "/inside").isDir());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList());
}

TEST(XmlFile, WriteIntoAMissingFolderFails)
{
    QTemporaryDir folder;
    EXPECT_FALSE(XmlFile::write(folder.filePath("no/such/folder/out.xml"), sampleDocument()));
}

// A name that still fits the file system but leaves no room for the temporary file's suffix:
// the write must fail before anything touches the old file.
TEST(XmlFile, FailedWriteKeepsTheOldFileWhole)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QString(250, 'n') + ".xml");
    const QByteArray old = "<Old/>\n";
    if (!writeFile(path, old))
        GTEST_SKIP() << "this file system takes no 254-character names";

    EXPECT_FALSE(XmlFile::write(path, sampleDocument()));

    EXPECT_EQ(readFile(path), old);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1);
}

TEST(XmlFile, SuccessfulWriteLeavesNoTemporaryFileBehind)
{
    QTemporaryDir folder;
    ASSERT_TRUE(XmlFile::write(folder.filePath("a.xml"), sampleDocument()));
    ASSERT_TRUE(XmlFile::write(folder.filePath("a.xml"), sampleDocument("Other")));

    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"a.xml"});
}

TEST(XmlFile, ChildElementsAreVisitedInDocumentOrderSkippingOtherNodes)
{
    QDomDocument document;
    ASSERT_TRUE(document.setContent(QByteArray("<R><A/>text<!-- note --><B><C/></B><A/></R>")));
    QStringList tags;

    XmlFile::forEachChildElement(document.documentElement(),
                                 [&tags](const QDomElement &child) { tags << child.tagName(); });

    EXPECT_EQ(tags, (QStringList{"A", "B", "A"}));
}
