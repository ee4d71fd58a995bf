#pragma once

// Every test executable that includes this runs with an application-data location of its own:
// Qt's standard-paths test mode, a temporary home folder (where the platform takes the location
// from it) and an application name unique to the process, so parallel test processes never share
// a folder and no test ever reaches a real user's configuration. It is set up before the first
// test runs, so no path is computed earlier, and removed after the last.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

class IsolatedDataLocation : public testing::Environment
{
public:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        home = std::make_unique<QTemporaryDir>();
        if (!home->isValid())
            std::abort();
#ifndef Q_OS_WIN
        qputenv("HOME", QFile::encodeName(home->path()));
#endif
        const QString uniqueName =
                QStringLiteral("qz-config-tests-") + QFileInfo(home->path()).fileName();
        QCoreApplication::setApplicationName(uniqueName);
        location() = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // Better no test at all than one that writes into somebody's real settings.
        if (!location().contains(QLatin1String("qttest")) || !location().endsWith(uniqueName))
            std::abort();
    }

    void TearDown() override
    {
        clear();
        home.reset();
    }

    // Empties the location, for tests that must not meet files of tests run before them in the
    // same process.
    static void clear() { QDir(location()).removeRecursively(); }

    // The application-data location of this test process.
    static QString &location()
    {
        static QString path;
        return path;
    }

private:
    std::unique_ptr<QTemporaryDir> home;
};

inline testing::Environment *const isolatedDataLocation =
        testing::AddGlobalTestEnvironment(new IsolatedDataLocation);
