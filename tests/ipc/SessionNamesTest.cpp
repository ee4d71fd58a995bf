#include "ipc/SessionNames.h"

#include <gmock/gmock.h>

namespace {

struct NameCase
{
    const char *prefix;
    std::optional<std::uint32_t> session;
    const char *expected;
};

class SessionName : public testing::TestWithParam<NameCase>
{};

TEST_P(SessionName, joinsPrefixUnderscoreAndDecimalSession)
{
    EXPECT_EQ(SessionNames::name(GetParam().prefix, GetParam().session), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
        SessionNames, SessionName,
        testing::Values(NameCase{SessionNames::kSectionPrefix, 1, "Local\\ZLWintabShareMemory_1"},
                        NameCase{SessionNames::kMutexPrefix, 1, "Local\\ZLWintabShareMutex_1"},
                        NameCase{SessionNames::kPipePrefix, 1, "\\\\.\\pipe\\zl_wintab_ipc_1"},
                        NameCase{SessionNames::kMutexPrefix, 0, "Local\\ZLWintabShareMutex_0"},
                        NameCase{SessionNames::kPipePrefix, 4294967295u,
                                 "\\\\.\\pipe\\zl_wintab_ipc_4294967295"},
                        // An unreadable session id leaves the name ending in the underscore.
                        NameCase{SessionNames::kSectionPrefix, std::nullopt,
                                 "Local\\ZLWintabShareMemory_"},
                        NameCase{SessionNames::kPipePrefix, std::nullopt,
                                 "\\\\.\\pipe\\zl_wintab_ipc_"}));

} // namespace
