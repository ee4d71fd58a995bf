#include "app/InstanceSystem_Posix.h"

#include "InstanceSystemExpectations.h"

#include <QDir>

TEST(InstanceSystem_Posix, KnowsThisProcessAndWhetherAnotherStillRuns)
{
    expectProcessChecks(posixInstanceSystem(), "cat", {});
}

// A folder where the server's socket would go: it can be neither removed as a stale socket nor
// bound.
TEST(InstanceSystem_Posix, APrimaryThatCannotListenStaysTheOnlyOne)
{
    expectOnePrimaryThoughItsServerCannotListen(posixInstanceSystem(), [](const QString &name) {
        const QString path = QDir::tempPath() + QLatin1Char('/') + name;
        EXPECT_TRUE(QDir().mkpath(path));
        return std::shared_ptr<void>(nullptr, [path](void *) { QDir().rmdir(path); });
    });
}
