// QZTablet's entry: one primary instance per user runs the engine, the settings window and
// the tray icon; a later start wakes the primary's window and ends.
#include "app/DataFolderCreation.h"
#include "app/InstanceSystem_Win32.h"
#include "app/MainWindow.h"
#include "app/SingleApplication.h"
#include "app/StandardOutput_Win32.h"
#include "app/WindowCentring.h"
#include "config/language/TabletLanguage.h"
#include "config/layout/ModelTables.h"
#include "config/packets/PacketMetaTypes.h"
#include "config/platform/CrashDumpHandler_Win32.h"
#include "config/platform/DataFolders.h"
#include "config/profiles/AppProfile.h"
#include "config/profiles/AppProfileStore.h"
#include "engine/core/WindowsEnginePlatform_Win32.h"
#include "ui/dialogs/diagnosis/SystemLibraryFolders_Win32.h"
#include "ui/dialogs/diagnosis/VDiagnoseDlg.h"
#include "ui/dialogs/display/SystemDdcMonitorAccess_Win32.h"
#include "ui/dialogs/display/VDDCControlDlg.h"
#include "ui/widgets/WindowHelpers.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace {

const QByteArray kWakeMessage = QByteArrayLiteral("Zelvo Tablet Driver");
constexpr int kWakeTimeoutMilliseconds = 100;

void printAndExit(const QString &text, FILE *stream, int exitCode)
{
    std::fputs(qPrintable(text), stream);
    std::fflush(stream);
    std::exit(exitCode);
}

// The toolkit shows help, version and errors in a message box unless the program runs in a
// console or with redirected output; a program that Wine starts from a shell has the shell's
// output without either, and there they are printed as well.
void answerOnStandardOutput(QCommandLineParser &parser, const QStringList &arguments)
{
    if (!parser.parse(arguments))
        printAndExit(parser.errorText() + QLatin1Char('\n'), stderr, EXIT_FAILURE);
    if (parser.isSet(QStringLiteral("version")))
        printAndExit(QCoreApplication::applicationName() + QLatin1Char(' ')
                         + QCoreApplication::applicationVersion() + QLatin1Char('\n'),
                     stdout, EXIT_SUCCESS);
    if (parser.isSet(QStringLiteral("help")))
        printAndExit(parser.helpText(), stdout, EXIT_SUCCESS);
}

// Help and version show their text and end the program here, in every instance.
bool readCommandLine(QCommandLineParser &parser, const QCoreApplication &application)
{
    parser.setApplicationDescription(QStringLiteral("Zelvo Pen Tablet"));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption silent(QStringList{QStringLiteral("s"), QStringLiteral("silent")},
                                    QStringLiteral("Run in silent mode."));
    parser.addOption(silent);
    if (hasStandardOutput())
        answerOnStandardOutput(parser, QCoreApplication::arguments());
    parser.process(application);
    return parser.isSet(silent);
}

// Said where a user who started the program from a console sees it.
void tellUnansweredStart(qint64 primaryProcessId)
{
    if (!hasStandardOutput())
        return;
    const QString text = QStringLiteral("%1 already runs as process %2 but did not answer, so its window "
                                        "does not come up; this start ends.\n")
                                 .arg(QCoreApplication::applicationName())
                                 .arg(primaryProcessId);
    std::fputs(qPrintable(text), stderr);
    std::fflush(stderr);
}

void applyBaseStyleSheet(QApplication &application)
{
    const QString sheet = readTextFile(QStringLiteral(":/res/qss/normal/qss-BaseWidget.qss"));
    if (!sheet.isEmpty())
        application.setStyleSheet(sheet);
}

QIcon executableIcon(const QString &path)
{
    return QFileIconProvider().icon(QFileInfo(path));
}

// The model pictures and layouts, then the system's language and the application profiles.
void loadModelData()
{
    ModelTablesFollowUp followUp;
    followUp.setSystemLanguage = [] { TabletLanguage::instance().setLanguage(TabletLanguage::systemLanguageIndex()); };
    followUp.loadAppProfiles = [] { setAppProfiles(loadAppProfiles(executableIcon)); };
    loadModelTables(followUp);
}

void installCrashHandler()
{
    CrashDumpHandler_Win32::setLogFolder(logDir());
    CrashDumpHandler_Win32::installCrashHandler();
}

// Shows the window centred on the primary screen, or the no-device dialog in its place.
void showCentred(MainWindow &window)
{
    window.show();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(centredWindowPosition(screen->geometry(), window.size()));
    window.updateVisibility();
}

} // namespace

int main(int argc, char *argv[])
{
    SingleApplication application(argc, argv, QString(), windowsInstanceSystem());
    registerPacketMetaTypes();
    QCommandLineParser parser;
    const bool silent = readCommandLine(parser, application);
    createDataFolders();
    applyBaseStyleSheet(application);
    loadModelData();
    installCrashHandler();

    // The primary alone owns the tablet and the Wintab pipe, also when it does not answer.
    if (application.runsAsSecondary()) {
        if (!application.sendToPrimary(kWakeMessage, kWakeTimeoutMilliseconds))
            tellUnansweredStart(application.primaryProcessId());
        return 0;
    }

    VDDCControlDlg::setMonitorAccess(systemDdcMonitorAccess());
    VDiagnoseDlg::setLibraryFolders(systemWintabLibraryFolders);
    const auto window = std::make_shared<MainWindow>(createWindowsEnginePlatform());
    QObject::connect(&application, &SingleApplication::receivedMessage, window.get(),
                     &MainWindow::slotReceivedMessage);
    // Closing the window leaves the program in the tray; it ends through the tray's Exit.
    application.setQuitOnLastWindowClosed(false);
    if (!silent)
        showCentred(*window);
    return application.exec();
}
