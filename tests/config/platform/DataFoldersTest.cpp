#include "config/platform/DataFolders.h"

#include "config/support/IsolatedDataLocation.h"

#include <gtest/gtest.h>

#include "support/QtPrinters.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString base()
{
    return IsolatedDataLocation::location();
}

bool isFolder(const QString &path)
{
    return QFileInfo(path).isDir();
}

} // namespace

TEST(DataFolders, BaseIsTheApplicationDataLocationOfThisTestProcess)
{
    EXPECT_FALSE(base().isEmpty());
    EXPECT_EQ(dataLocation(), base());
}

TEST(DataFolders, ConfigurationFoldersLieUnderV3ConfAndAreCreated)
{
    EXPECT_EQ(configDir(), base() + "/V3/conf");
    EXPECT_EQ(userConfigDir(), base() + "/V3/conf/usr");
    EXPECT_EQ(appProfileDir(), base() + "/V3/conf/app");
    EXPECT_TRUE(isFolder(base() + "/V3/conf"));
    EXPECT_TRUE(isFolder(base() + "/V3/conf/usr"));
    EXPECT_TRUE(isFolder(base() + "/V3/conf/app"));
}

TEST(DataFolders, LogFolderIsNamedButNotCreated)
{
    EXPECT_EQ(logDir(), base() + "/V3/log");
    EXPECT_FALSE(QFileInfo::exists(base() + "/V3/log"));
}

TEST(DataFolders, FileNamesOfAModelAndOfTheCommonSettings)
{
    EXPECT_EQ(defaultConfigResource("M1"), ":/res/conf/M1.xml");
    EXPECT_EQ(userConfigPath("M1"), base() + "/V3/conf/usr/M1.xml");
    EXPECT_EQ(commonSettingsPath(), base() + "/V3/conf/comm.xml");
}

TEST(DataFolders, DeletedFoldersAreMadeAgainWhenNextAskedFor)
{
    ASSERT_TRUE(isFolder(appProfileDir()));
    ASSERT_TRUE(QDir(base() + "/V3").removeRecursively());

    EXPECT_TRUE(isFolder(userConfigDir()));
    EXPECT_TRUE(isFolder(appProfileDir()));
    EXPECT_TRUE(isFolder(configDir()));
}

TEST(DataFolders, AModelFilePathMakesItsFolder)
{
    ASSERT_TRUE(QDir(base() + "/V3").removeRecursively());

    const QString path = userConfigPath("M2");

    EXPECT_TRUE(isFolder(QFileInfo(path).path()));
    EXPECT_FALSE(QFileInfo::exists(path));
}
