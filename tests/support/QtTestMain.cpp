// Test entry for executables that use Qt: a QCoreApplication exists before any test runs,
// as it does in the program (translators, meta-types and resources need one).
#include "support/MainThreadWatcher.h"

#include <QCoreApplication>

#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    startMainThreadWatcher();
    QCoreApplication app(argc, argv);
    const ThreadsAtStart threads;
    const int result = RUN_ALL_TESTS();
    threads.awaitEnd();
    return result;
}
