#pragma once

// What every platform's answers to the single-instance guard must hold.
#include "app/InstanceServerName.h"
#include "app/InstanceSystem.h"
#include "app/SingleApplicationPrivate.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QProcess>
#include <QUuid>

#include <functional>
#include <memory>

// Keeps a server from listening under the name for as long as the result lives.
using ServerNameBlocker = std::function<std::shared_ptr<void>(const QString &serverName)>;

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

// A primary whose server cannot listen keeps its place: later starts stay secondaries, which
// cannot reach it, until it ends; only then does a start become the primary.
inline void expectOnePrimaryThoughItsServerCannotListen(const InstanceSystem &system, const ServerNameBlocker &block)
{
    using Role = SingleApplicationPrivate::Role;
    const QString name = instanceServerName(
            InstanceNameSources::ofApplication({QUuid::createUuid().toString()}, system.userName));
    const std::shared_ptr<void> blocked = block(name);
    auto primary = std::make_unique<SingleApplicationPrivate>(system);
    ASSERT_EQ(primary->start(name), Role::Primary);
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        SingleApplicationPrivate later(system);
        ASSERT_EQ(later.start(name), Role::Secondary);
        EXPECT_FALSE(later.sendToPrimary("Zelvo Tablet Driver", 100));
        EXPECT_TRUE(later.runsAsSecondary());
    }
    primary.reset();
    SingleApplicationPrivate next(system);
    EXPECT_EQ(next.start(name), Role::Primary);
}
