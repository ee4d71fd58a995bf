// Test entry for executables that need Qt Gui (screens, pixmaps) or Qt Widgets (windows, dialogs):
// a QGuiApplication, or a QApplication when QZ_TEST_WIDGETS is defined. Natively it draws offscreen
// unless QT_QPA_PLATFORM names another platform; under Wine on the windows platform, or offscreen
// when QZ_TEST_OFFSCREEN is defined.
#include "support/MainThreadWatcher.h"

#ifdef QZ_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

#include <gmock/gmock.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    startMainThreadWatcher();
#if !defined(Q_OS_WIN) || defined(QZ_TEST_OFFSCREEN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
#if defined(__SANITIZE_ADDRESS__)
    // Qt's offscreen platform never frees its screen: LeakSanitizer ignores what the application
    // allocates as it starts. Suppressions would name it too, but matching them makes LeakSanitizer
    // look up the symbols of every leaked block's stack as each test process ends, which took a
    // third of a simple test's time.
    __lsan_disable();
#endif
    TestApplication app(argc, argv);
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
    const ThreadsAtStart threads;
    const int result = RUN_ALL_TESTS();
    threads.awaitEnd();
    return result;
}
