#include "app/InstanceSystem_Win32.h"

#include "InstanceSystemExpectations.h"

TEST(InstanceSystem_Win32, KnowsThisProcessAndWhetherAnotherStillRuns)
{
    expectProcessChecks(windowsInstanceSystem(), "cmd.exe", {"/c", "set /p line="});
}
