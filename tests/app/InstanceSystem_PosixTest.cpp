#include "app/InstanceSystem_Posix.h"

#include "InstanceSystemExpectations.h"

TEST(InstanceSystem_Posix, KnowsThisProcessAndWhetherAnotherStillRuns)
{
    expectProcessChecks(posixInstanceSystem(), "cat", {});
}
