// The shared section and its named mutex, as two processes (here: two objects) of one session
// see them.
#include "ipc/SectionLock_Win32.h"
#include "ipc/SessionId_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"

#include <gmock/gmock.h>

#include <atomic>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

struct TestNames
{
    std::string section;
    std::string mutex;
};

TestNames uniqueNames()
{
    static std::atomic<int> made{0};
    const std::string tag = std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++made);
    return {"Local\\qz-ipc-test-section-" + tag, "Local\\qz-ipc-test-mutex-" + tag};
}

TEST(SessionId, sessionNameIsThePrefixAndAnUnderscoreWithAnOptionalNumber)
{
    const std::string name = currentSessionName("prefix");
    ASSERT_GE(name.size(), 7u);
    EXPECT_EQ(name.substr(0, 7), "prefix_");
    EXPECT_EQ(name.find_first_not_of("0123456789", 7), std::string::npos) << name;
}

TEST(WintabSharedSection, secondOpenerFindsTheSectionOfTheFirstAndSharesItsBytes)
{
    const TestNames names = uniqueNames();
    WintabSharedSection first(WintabSharedSection::kNibwireLockTimeout, names.section, names.mutex);
    WintabSharedSection second(WintabSharedSection::kQzTabletLockTimeout, names.section,
                               names.mutex);
    ASSERT_TRUE(first.hasMutex());
    ASSERT_TRUE(second.hasMutex());
    ASSERT_TRUE(first.openSection());
    ASSERT_TRUE(second.openSection());
    EXPECT_TRUE(first.createdSection());
    EXPECT_FALSE(second.createdSection());
    ASSERT_NE(first.view(), second.view());

    {
        SectionLock lock(first);
        ASSERT_TRUE(lock.owns());
        ContextSlot *slot = first.slotForHandle(16);
        ASSERT_NE(slot, nullptr);
        slot->handle = 16;
        slot->window = 0x123456789ull;
        PacketQueue *queue = first.queueForHandle(16);
        ASSERT_NE(queue, nullptr);
        queue->entryFor(1023).pressure = 777;
        queue->writeCounter = 1024;
    }
    SectionLock lock(second);
    ASSERT_TRUE(lock.owns());
    EXPECT_EQ(second.slotForHandle(16)->handle, 16u);
    EXPECT_EQ(second.slotForHandle(16)->window, 0x123456789ull);
    EXPECT_EQ(WintabSharedSection::queueAt(second.view(), 15)->entryFor(1023).pressure, 777u);
    EXPECT_EQ(WintabSharedSection::queueAt(second.view(), 15)->writeCounter, 1024u);
    EXPECT_EQ(WintabSharedSection::queueAt(second.view(), 16), nullptr);
}

TEST(WintabSharedSection, newSectionIsZeroed)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(WintabSharedSection::kQzTabletLockTimeout, names.section,
                                names.mutex);
    ASSERT_TRUE(section.openSection());
    const auto *bytes = static_cast<const std::uint8_t *>(section.view());
    std::size_t nonZero = 0;
    for (std::size_t i = 0; i < kSharedSectionSize; ++i)
        nonZero += bytes[i] != 0;
    EXPECT_EQ(nonZero, 0u);
}

TEST(WintabSharedSection, closedSectionHasNoViewAndCanBeOpenedAgain)
{
    const TestNames names = uniqueNames();
    WintabSharedSection keeper(WintabSharedSection::kQzTabletLockTimeout, names.section,
                               names.mutex);
    ASSERT_TRUE(keeper.openSection());
    WintabSharedSection section(WintabSharedSection::kQzTabletLockTimeout, names.section,
                                names.mutex);
    ASSERT_TRUE(section.openSection());
    section.closeSection();
    EXPECT_EQ(section.view(), nullptr);
    EXPECT_EQ(section.slotForHandle(1), nullptr);
    ASSERT_TRUE(section.openSection());
    EXPECT_FALSE(section.createdSection());
    EXPECT_NE(section.view(), nullptr);
}

// Takes the lock on another thread and reports whether it got it.
bool lockOnAnotherThread(WintabSharedSection &section)
{
    bool owned = false;
    std::thread([&] {
        SectionLock lock(section);
        owned = lock.owns();
    }).join();
    return owned;
}

TEST(SectionLock, anotherThreadOfTheProcessWaitsWhileTheLockIsHeld)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(50ms, names.section, names.mutex);
    {
        SectionLock lock(section);
        ASSERT_TRUE(lock.owns());
        EXPECT_FALSE(lockOnAnotherThread(section));
    }
    EXPECT_TRUE(lockOnAnotherThread(section));
}

TEST(SectionLock, unlockReleasesOnceAndTheScopeEndReleasesNothingMore)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(50ms, names.section, names.mutex);
    SectionLock lock(section);
    ASSERT_TRUE(lock.owns());
    EXPECT_TRUE(lock.unlock());
    EXPECT_FALSE(lock.owns());
    EXPECT_FALSE(lock.unlock());
    EXPECT_TRUE(lockOnAnotherThread(section));
}

TEST(SectionLock, timedOutWaitOwnsNothing)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(50ms, names.section, names.mutex);
    SectionLock holder(section);
    ASSERT_TRUE(holder.owns());
    std::thread([&] {
        SectionLock lock(section);
        EXPECT_FALSE(lock.owns());
        EXPECT_EQ(lock.waitResult(), DWORD(WAIT_TIMEOUT));
        EXPECT_FALSE(lock.unlock());
    }).join();
}

TEST(SectionLock, mutexAbandonedByAnEndedThreadCountsAsAcquiredAndIsReleased)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(5000ms, names.section, names.mutex);
    std::thread([&] {
        const HANDLE mutex = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, names.mutex.c_str());
        ASSERT_NE(mutex, nullptr);
        ASSERT_EQ(WaitForSingleObject(mutex, 0), DWORD(WAIT_OBJECT_0));
        CloseHandle(mutex); // the thread ends still owning it
    }).join();
    {
        SectionLock lock(section);
        EXPECT_TRUE(lock.owns());
        EXPECT_TRUE(lock.wasAbandoned());
    }
    WintabSharedSection other(50ms, names.section, names.mutex);
    EXPECT_TRUE(lockOnAnotherThread(other));
}

TEST(SectionLock, twoThreadsTakingTurnsNeverOverlapAndLeaveTheMutexFree)
{
    const TestNames names = uniqueNames();
    WintabSharedSection section(WintabSharedSection::kQzTabletLockTimeout, names.section,
                                names.mutex);
    ASSERT_TRUE(section.openSection());
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    std::atomic<int> failures{0};
    auto work = [&] {
        for (int i = 0; i < 500; ++i) {
            SectionLock lock(section);
            if (!lock.owns()) {
                ++failures;
                continue;
            }
            if (inside.fetch_add(1) != 0)
                ++overlaps;
            PacketQueue *queue = section.queueForHandle(1);
            queue->entryFor(queue->writeCounter).serial = queue->writeCounter;
            queue->writeCounter = queue->writeCounter + 1;
            inside.fetch_sub(1);
        }
    };
    std::thread a(work);
    std::thread b(work);
    a.join();
    b.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(failures.load(), 0);
    EXPECT_EQ(section.queueForHandle(1)->writeCounter, 1000u);
    WintabSharedSection other(50ms, names.section, names.mutex);
    EXPECT_TRUE(lockOnAnotherThread(other));
}

} // namespace
