#include <gtest/gtest.h>

#include <QFile>

// The window programs carry every group of compiled-in resources, though nothing in them
// refers to the resources by symbol.
TEST(CompiledResources, EveryGroupIsInTheWindowPrograms)
{
    for (const char *path : {":/res/conf/QZ-Pen 6.xml", ":/res/layout/QZ-Pen 6.xml", ":/res/image/tablet/QZ-Pen 6.png",
                             ":/res/image/pen/p01.png", ":/res/third/AffinityPhoto.json", ":/res/lang/de.qm"})
        EXPECT_TRUE(QFile::exists(QString::fromUtf8(path))) << path;
}
