// Every supported model's compiled-in defaults go through the store like a user's file, and a
// save lands in that model's file alone.
#include "config/configure/ConfigureStore.h"
#include "config/layout/SupportedModel.h"
#include "config/platform/DataFolders.h"

#include "config/support/IsolatedDataLocation.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

class ModelDefaultsThroughTheStore : public testing::Test
{
protected:
    void SetUp() override { IsolatedDataLocation::clear(); }
    void TearDown() override { setCurrentConfigure(std::make_shared<TabletConfigure>()); }
};

} // namespace

TEST_F(ModelDefaultsThroughTheStore, EveryModelLoadsItsDefaultsAndSavesToItsOwnFileOnly)
{
    int saved = 0;
    for (const SupportedModel &model : supportedModels()) {
        const QString name = QString::fromLatin1(model.name);
        SCOPED_TRACE(model.name);
        const TabletConfigurePtr defaults = loadConfigure(name, true, {});
        ASSERT_TRUE(defaults);
        EXPECT_EQ(defaults->model, name);

        setCurrentConfigure(defaults);
        ASSERT_TRUE(saveConfigure());
        ++saved;

        const TabletConfigurePtr readBack = loadConfigure(name, false, {});
        ASSERT_TRUE(readBack);
        EXPECT_EQ(readBack->model, name);
        EXPECT_EQ(readBack->vid, defaults->vid);
        EXPECT_EQ(readBack->pid, defaults->pid);
        const QStringList files =
                QDir(userConfigDir()).entryList({QStringLiteral("*.xml")}, QDir::Files);
        EXPECT_EQ(files.size(), saved) << "one file per model saved so far";
        EXPECT_TRUE(files.contains(name + QStringLiteral(".xml")));
    }
    EXPECT_EQ(saved, 34);
}
