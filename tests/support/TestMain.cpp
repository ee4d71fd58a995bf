// Test entry for executables without Qt (the pipe, shared section and Wintab library tests).
#include "support/MainThreadWatcher.h"

#include <gmock/gmock.h>

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    startMainThreadWatcher();
    const ThreadsAtStart threads;
    const int result = RUN_ALL_TESTS();
    threads.awaitEnd();
    return result;
}
