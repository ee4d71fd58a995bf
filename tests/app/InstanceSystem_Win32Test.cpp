#include "app/InstanceSystem_Win32.h"

#include "InstanceSystemExpectations.h"

#include <windows.h>

#include <string>

TEST(InstanceSystem_Win32, KnowsThisProcessAndWhetherAnotherStillRuns)
{
    expectProcessChecks(windowsInstanceSystem(), "cmd.exe", {"/c", "set /p line="});
}

// A pipe of the same name that admits one instance: no second instance can be made under it.
TEST(InstanceSystem_Win32, APrimaryThatCannotListenStaysTheOnlyOne)
{
    expectOnePrimaryThoughItsServerCannotListen(windowsInstanceSystem(), [](const QString &name) {
        const std::wstring path = (QStringLiteral("\\\\.\\pipe\\") + name).toStdWString();
        HANDLE pipe = CreateNamedPipeW(path.c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_FIRST_PIPE_INSTANCE,
                                       PIPE_TYPE_BYTE | PIPE_WAIT, 1, 64, 64, 0, nullptr);
        EXPECT_NE(pipe, INVALID_HANDLE_VALUE);
        return std::shared_ptr<void>(pipe, [](HANDLE handle) {
            if (handle != INVALID_HANDLE_VALUE)
                CloseHandle(handle);
        });
    });
}
