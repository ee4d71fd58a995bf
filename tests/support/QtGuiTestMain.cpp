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
// Qt's offscreen platform never frees its screen; its libraries carry no frame pointers, so
// the reports stop in Qt's own frames, which these lines name.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n"
           "leak:QScreen::QScreen\n"
           "leak:QPlatformScreen::QPlatformScreen\n"
           "leak:QWindowSystemInterface::handleScreenAdded\n"
           "leak:QtSharedPointer::ExternalRefCountData::getAndRef\n"
           "leak:QObject::QObject\n";
}

extern "C" const char *__lsan_default_options()
{
    return "print_suppressions=0";
}
#endif

int main(int argc, char **argv)
{
    testing::InitGoogleMock(&argc, argv);
    startMainThreadWatcher();
#if !defined(Q_OS_WIN) || defined(QZ_TEST_OFFSCREEN)
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
    TestApplication app(argc, argv);
    const ThreadsAtStart threads;
    const int result = RUN_ALL_TESTS();
    threads.awaitEnd();
    return result;
}
