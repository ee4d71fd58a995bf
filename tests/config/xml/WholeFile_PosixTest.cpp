#include "config/xml/WholeFile.h"

#include "config/support/StoreExpectations.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using store_test::readFile;
using store_test::writeFile;

namespace {

// While it lives, no file of this process may grow beyond `bytes`: a write past it fails as a
// write to a full disk does, whichever file system the test folder is on.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &before);
        oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before;
        limited.rlim_cur = bytes;
        active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, oldHandler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool active = false;

private:
    rlimit before{};
    void (*oldHandler)(int) = nullptr;
};

} // namespace

// A small file stays in the write buffer until the commit writes it; a large one is written at
// once. Either way the failure must keep the old file whole and leave no temporary file.
TEST(WholeFile, AWriteTheFileSystemRefusesKeepsTheOldFileByteForByte)
{
    const struct {
        const char *description;
        int newSize;
    } rows[] = {
        {"written when committed", 2000},
        {"written at once", 200000},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.description);
        QTemporaryDir folder;
        const QString path = folder.filePath("QZ-Pen 6.xml");
        const QByteArray old = QByteArray("<Configure version=\"3\">\n").repeated(40);
        ASSERT_TRUE(writeFile(path, old));
        bool written = true;
        {
            FileSizeLimit limit(512);
            ASSERT_TRUE(limit.active);
            written = WholeFile::write(path, QByteArray(row.newSize, 'n'));
        }

        EXPECT_FALSE(written);
        EXPECT_EQ(readFile(path), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"QZ-Pen 6.xml"});
    }
}
