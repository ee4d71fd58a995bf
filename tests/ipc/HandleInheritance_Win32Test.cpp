// The bridge's handles stay in the process that opened them: programs that a host or QZTablet
// starts inherit none of them. And the pipe serves this machine only.
#include "ipc/IPCServer_Win32.h"
#include "ipc/InterprocessCommunication_Win32.h"
#include "ipc/SessionId_Win32.h"
#include "ipc/WintabSharedSection_Win32.h"
#include "support/WaitUntil.h"

#include <gmock/gmock.h>

#include <chrono>
#include <cstdint>
#include <set>
#include <string>
#include <thread>

using namespace std::chrono_literals;

namespace {

// Every inheritable handle of this process. Handle values are small multiples of four.
std::set<std::uintptr_t> inheritableHandles()
{
    std::set<std::uintptr_t> found;
    for (std::uintptr_t value = 4; value < 0x10000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)
            && (flags & HANDLE_FLAG_INHERIT))
            found.insert(value);
    }
    return found;
}

std::string uniqueTag()
{
    static int made = 0;
    return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++made);
}


} // namespace

TEST(HandleInheritance, SectionAndMutexAreNotInheritedWhetherCreatedOrOpened)
{
    const std::string tag = uniqueTag();
    const std::string sectionName = "Local\\qz-inherit-section-" + tag;
    const std::string mutexName = "Local\\qz-inherit-mutex-" + tag;
    const std::set<std::uintptr_t> before = inheritableHandles();

    WintabSharedSection creator(WintabSharedSection::kQzTabletLockTimeout, sectionName,
                                mutexName);
    WintabSharedSection opener(WintabSharedSection::kNibwireLockTimeout, sectionName, mutexName);
    ASSERT_TRUE(creator.openSection() && opener.openSection());
    ASSERT_TRUE(creator.hasMutex() && opener.hasMutex());
    ASSERT_TRUE(creator.createdSection() && !opener.createdSection());

    EXPECT_EQ(inheritableHandles(), before);
}

TEST(HandleInheritance, PipeEndsAndTheirEventsAreNotInherited)
{
    const std::string prefix = "\\\\.\\pipe\\qz-inherit-" + uniqueTag();
    const std::set<std::uintptr_t> before = inheritableHandles();

    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    InterprocessCommunication client;
    ASSERT_TRUE(waitUntil([&] {
        return client.openNamed(currentSessionName(prefix), nullptr, true, nullptr, 0)
               == InterprocessCommunication::OpenResult::Connected;
    }));
    ASSERT_TRUE(waitUntil([&] { return server.connectionCount() == 1; }));

    EXPECT_EQ(inheritableHandles(), before);
    server.stop();
}

// The system keeps the refusal of remote clients to itself (and Wine ignores it), so the mode the
// server asks for is checked along with what a client can see of the instance.
TEST(PipeInstances, AreByteStreamsOfThisMachineWithTheAgreedSizes)
{
    EXPECT_EQ(InterprocessCommunication::kServerPipeMode & PIPE_REJECT_REMOTE_CLIENTS,
              DWORD(PIPE_REJECT_REMOTE_CLIENTS));

    const std::string prefix = "\\\\.\\pipe\\qz-pipe-mode-" + uniqueTag();
    IPCServer server(prefix);
    ASSERT_TRUE(server.start(nullptr, nullptr));
    HANDLE end = INVALID_HANDLE_VALUE;
    ASSERT_TRUE(waitUntil([&] {
        end = CreateFileA(currentSessionName(prefix).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                          nullptr, OPEN_EXISTING, 0, nullptr);
        return end != INVALID_HANDLE_VALUE;
    }));
    DWORD flags = 99;
    DWORD outBuffer = 0;
    DWORD inBuffer = 0;
    ASSERT_TRUE(GetNamedPipeInfo(end, &flags, &outBuffer, &inBuffer, nullptr));
    DWORD state = 0;
    ASSERT_TRUE(GetNamedPipeHandleStateA(end, &state, nullptr, nullptr, nullptr, nullptr, 0));
    CloseHandle(end);
    server.stop();

    EXPECT_EQ(flags & PIPE_TYPE_MESSAGE, 0u);
    EXPECT_EQ(state, DWORD(PIPE_READMODE_BYTE | PIPE_WAIT));
    EXPECT_EQ(inBuffer, 32767u);
    EXPECT_EQ(outBuffer, 32767u);
}
