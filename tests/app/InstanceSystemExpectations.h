#pragma once

// What every platform's answers to the single-instance guard must hold.
#include "app/InstanceSystem.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>

// This process runs, and so does a child (`waiter`, a program that reads its input until it
// ends) until its input closes; once it has ended it does not, nor do ids no process can have.
inline void expectProcessChecks(const InstanceSystem &system, const QString &waiter, const QStringList &arguments)
{
    EXPECT_EQ(system.processId, QCoreApplication::applicationPid());
    EXPECT_FALSE(system.userName.isEmpty());
    ASSERT_TRUE(system.processRunning);
    EXPECT_TRUE(system.processRunning(system.processId));

    QProcess child;
    child.start(waiter, arguments);
    ASSERT_TRUE(child.waitForStarted(30000));
    const qint64 childId = child.processId();
    EXPECT_TRUE(system.processRunning(childId));
    child.closeWriteChannel();
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_FALSE(system.processRunning(childId));

    for (const qint64 impossible : {qint64(0), qint64(-1), qint64(1) << 40})
        EXPECT_FALSE(system.processRunning(impossible)) << impossible;
}
