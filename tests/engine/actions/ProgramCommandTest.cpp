#include "engine/actions/ProgramCommand.h"

#include <gtest/gtest.h>

TEST(ProgramCommand, APathWithSpacesStaysOneArgument)
{
    EXPECT_EQ(programCommandLine(QStringLiteral("C:\\Program Files\\Tool\\tool.exe")),
              QStringLiteral("cmd.exe /c \"C:\\Program Files\\Tool\\tool.exe\""));
}
