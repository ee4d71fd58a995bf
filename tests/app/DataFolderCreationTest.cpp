#include "app/DataFolderCreation.h"

#include "config/support/IsolatedDataLocation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

TEST(DataFolderCreation, CreatesAllFourFoldersWhenTheyWereDeleted)
{
    const QString base = IsolatedDataLocation::location() + "/V3";
    QDir(base).removeRecursively();
    createDataFolders();
    for (const char *folder : {"/conf", "/conf/usr", "/conf/app", "/log"})
        EXPECT_TRUE(QFileInfo(base + folder).isDir()) << folder;
}
