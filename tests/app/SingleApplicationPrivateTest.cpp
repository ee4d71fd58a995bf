#include "app/InstanceBlock.h"
#include "app/InstanceFrames.h"
#include "app/InstanceServerName.h"
#include "app/SingleApplicationPrivate.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalSocket>
#include <QSharedMemory>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>

#include <cstring>
#include <future>
#include <memory>
#include <vector>

namespace {

using Role = SingleApplicationPrivate::Role;
constexpr int kPatience = 10000;
constexpr qint64 kElsewhere = 4242;

// Each test meets only its own instances: the extra data makes a name of its own.
QString uniqueServerName()
{
    return instanceServerName(InstanceNameSources::ofApplication({QUuid::createUuid().toString()}, "tester"));
}

InstanceSystem thisProcess(std::function<bool(qint64)> processRunning = [](qint64) { return true; })
{
    return InstanceSystem{QCoreApplication::applicationPid(), QStringLiteral("tester"), std::move(processRunning)};
}

struct SecondaryRun
{
    Role role = Role::Failed;
    quint32 instanceId = 0;
    std::vector<bool> delivered;
};

// A secondary start on a thread of its own, as another process, while this thread's event loop
// serves the primary.
SecondaryRun runSecondary(const QString &name, const std::vector<QByteArray> &messages)
{
    auto result = std::async(std::launch::async, [name, messages] {
        SecondaryRun run;
        SingleApplicationPrivate secondary(thisProcess());
        run.role = secondary.start(name);
        run.instanceId = secondary.instanceId();
        for (const QByteArray &message : messages)
            run.delivered.push_back(secondary.sendToPrimary(message, kPatience));
        return run;
    });
    while (result.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return result.get();
}

// The block as a primary in another process left it, made before any start of the test.
class PlantedBlock
{
public:
    PlantedBlock(const QString &name, bool halfWritten) : memory(name)
    {
        InstanceBlock block;
        block.primaryRunning = true;
        block.primaryProcessId = kElsewhere;
        QByteArray bytes = block.toBytes();
        bytes[InstanceBlock::kChecksumOffset] = char(bytes[InstanceBlock::kChecksumOffset] ^ (halfWritten ? 1 : 0));
        EXPECT_TRUE(memory.create(InstanceBlock::kSize));
        std::memcpy(memory.data(), bytes.constData(), size_t(bytes.size()));
    }

    qint64 primaryProcessId()
    {
        InstanceBlock read;
        memory.lock();
        InstanceBlock::fromBytes(static_cast<const char *>(memory.constData()), read);
        memory.unlock();
        return read.primaryProcessId;
    }

private:
    QSharedMemory memory;
};

QByteArray frame(const QByteArray &body)
{
    return InstanceFrames::header(body.size()) + body;
}

} // namespace

TEST(SingleApplicationPrivate, FirstStartIsThePrimaryAndLaterStartsAreNumberedSecondaries)
{
    const QString name = uniqueServerName();
    auto primary = std::make_unique<SingleApplicationPrivate>(thisProcess());
    SingleApplicationPrivate second(thisProcess()), third(thisProcess());
    EXPECT_EQ(primary->start(name), Role::Primary);
    EXPECT_EQ(second.start(name), Role::Secondary);
    EXPECT_EQ(third.start(name), Role::Secondary);
    EXPECT_EQ(std::vector<quint32>({primary->instanceId(), second.instanceId(), third.instanceId()}),
              std::vector<quint32>({0, 1, 2}));

    // A primary that ends clears its mark; the count of secondaries goes on.
    primary.reset();
    SingleApplicationPrivate fourth(thisProcess()), fifth(thisProcess());
    EXPECT_EQ(fourth.start(name), Role::Primary);
    EXPECT_EQ(fifth.start(name), Role::Secondary);
    EXPECT_EQ(fifth.instanceId(), 3u);
}

TEST(SingleApplicationPrivate, DeliversEveryMessageOfASecondaryWithItsInstanceNumber)
{
    const QString name = uniqueServerName();
    SingleApplicationPrivate primary(thisProcess());
    ASSERT_EQ(primary.start(name), Role::Primary);
    QSignalSpy received(&primary, &SingleApplicationPrivate::messageReceived);

    const SecondaryRun run = runSecondary(name, {"Zelvo Tablet Driver", "", "again"});
    EXPECT_EQ(run.delivered, (std::vector<bool>{true, true, true}));
    ASSERT_EQ(received.size(), 3);
    EXPECT_EQ(received[0], (QVariantList{1u, QByteArray("Zelvo Tablet Driver")}));
    EXPECT_EQ(received[1][1].toByteArray(), QByteArray());
    EXPECT_EQ(received[2][1].toByteArray(), QByteArray("again"));
}

TEST(SingleApplicationPrivate, ClosesAConnectionThatSendsABadFrame)
{
    const QString name = uniqueServerName();
    SingleApplicationPrivate primary(thisProcess());
    ASSERT_EQ(primary.start(name), Role::Primary);
    QSignalSpy received(&primary, &SingleApplicationPrivate::messageReceived);
    const QByteArray goodInit = frame(InstanceFrames::initBody(name, 3, 1));
    const std::vector<QByteArray> conversations = {
        frame(InstanceFrames::initBody("someone else", 3, 1)) + frame("x"),
        frame(InstanceFrames::initBody(name, 3, 1).left(6)) + frame("x"),
        InstanceFrames::header(-1) + frame("x"),
        goodInit + InstanceFrames::header(65537) + QByteArray(100, 'x'),
    };
    for (std::size_t i = 0; i < conversations.size(); ++i) {
        QLocalSocket peer;
        peer.connectToServer(name);
        peer.write(conversations[i]);
        EXPECT_TRUE(QTest::qWaitFor([&] { return peer.state() == QLocalSocket::UnconnectedState; }, kPatience))
            << "conversation " << i;
    }
    EXPECT_EQ(received.size(), 0);
}

TEST(SingleApplicationPrivate, TakesOverWhenTheRecordedPrimaryProcessIsGone)
{
    const QString name = uniqueServerName();
    PlantedBlock planted(name, false);
    SingleApplicationPrivate start(thisProcess([](qint64 id) { return id != kElsewhere; }));

    EXPECT_EQ(start.start(name), Role::Primary);
    EXPECT_EQ(planted.primaryProcessId(), QCoreApplication::applicationPid());
    EXPECT_EQ(runSecondary(name, {"hello"}).delivered, std::vector<bool>{true});
}

TEST(SingleApplicationPrivate, StaysSecondaryWhileTheRecordedPrimaryRunsThoughNothingListens)
{
    const QString name = uniqueServerName();
    PlantedBlock planted(name, false);
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE(start);
        SingleApplicationPrivate later(thisProcess());
        ASSERT_EQ(later.start(name), Role::Secondary);
        EXPECT_EQ(later.primaryProcessId(), kElsewhere);
        EXPECT_FALSE(later.sendToPrimary("Zelvo Tablet Driver", 100));
        EXPECT_TRUE(later.runsAsSecondary());
        EXPECT_EQ(planted.primaryProcessId(), kElsewhere);
    }
}

TEST(SingleApplicationPrivate, RemakesABlockLeftHalfWrittenAfterFiveSeconds)
{
    const QString name = uniqueServerName();
    PlantedBlock planted(name, true);
    SingleApplicationPrivate start(thisProcess());
    QElapsedTimer elapsed;
    elapsed.start();
    EXPECT_EQ(start.start(name), Role::Primary);
    EXPECT_GE(elapsed.elapsed(), SingleApplicationPrivate::kInconsistentBlockPatience);
    EXPECT_EQ(planted.primaryProcessId(), QCoreApplication::applicationPid());
}
