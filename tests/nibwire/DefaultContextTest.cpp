#include "nibwire/DefaultContext.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

const VirtualScreen kScreen{-1280, -100, 3200, 1180};

HostIdentification::HostIdentity host(bool matched, std::uint32_t hostCode)
{
    HostIdentification::HostIdentity identity;
    identity.matched = matched;
    identity.code = matched ? 2 : 0;
    identity.hostCode = hostCode;
    return identity;
}

TEST(DefaultContext, FixedFieldsDoNotDependOnTheHost)
{
    const LOGCONTEXTA c = DefaultContext::make(kScreen, host(false, 0xFFFF));
    EXPECT_STREQ(c.lcName, "Default Context");
    EXPECT_EQ(c.lcOptions, 1u);
    EXPECT_EQ(c.lcStatus, 4u);
    EXPECT_EQ(c.lcLocks, 0u);
    EXPECT_EQ(c.lcMsgBase, 0x7FF0u);
    EXPECT_EQ(c.lcDevice, 0u);
    EXPECT_EQ(c.lcPktRate, 200u);
    EXPECT_EQ(c.lcPktData, 0x15C0u);
    EXPECT_EQ(c.lcPktMode, 0u);
    EXPECT_EQ(c.lcMoveMask, 0x5C0u);
    EXPECT_EQ(c.lcBtnDnMask, 7u);
    EXPECT_EQ(c.lcBtnUpMask, 7u);
    EXPECT_EQ(c.lcInOrgX, 0);
    EXPECT_EQ(c.lcInOrgY, 0);
    EXPECT_EQ(c.lcInOrgZ, 0);
    EXPECT_EQ(c.lcInExtX, 0x7FFF);
    EXPECT_EQ(c.lcInExtY, 0x7FFF);
    EXPECT_EQ(c.lcInExtZ, 0);
    EXPECT_EQ(c.lcOutOrgZ, 0);
    EXPECT_EQ(c.lcOutExtZ, 0);
    EXPECT_EQ(c.lcSensX, 0x10000u);
    EXPECT_EQ(c.lcSensY, 0x10000u);
    EXPECT_EQ(c.lcSensZ, 0u);
    EXPECT_EQ(c.lcSysMode, 0);
    EXPECT_EQ(c.lcSysOrgX, -1280);
    EXPECT_EQ(c.lcSysOrgY, -100);
    EXPECT_EQ(c.lcSysExtX, 3200);
    EXPECT_EQ(c.lcSysExtY, 1180);
    EXPECT_EQ(c.lcSysSensX, 0x10000u);
    EXPECT_EQ(c.lcSysSensY, 0x10000u);
}

struct OutputRow {
    bool matched;
    std::uint32_t hostCode;
    bool screenArea; // else 0, 0, 0x7FFF, 0x7FFF
};

TEST(DefaultContext, OutputAreaIsTheVirtualScreenForUnknownHostsAndPhotoshopYears)
{
    const std::vector<OutputRow> rows = {
        {false, 0xFFFF, true},
        {false, 19, true},
        {false, 1, false}, // code 1 goes back to the Wintab range
        {true, 0xFFFF, false},
        {true, 1, false},
        {true, 1542, true},
        {true, 1554, true},
        {true, 1560, true},
        {true, 1565, true},
        {true, 1553, false},
        {true, 1566, false},
        {true, 258, false},
    };
    for (const OutputRow &row : rows) {
        SCOPED_TRACE(testing::Message() << "matched " << row.matched << " host code " << row.hostCode);
        const LOGCONTEXTA c = DefaultContext::make(kScreen, host(row.matched, row.hostCode));
        if (row.screenArea) {
            EXPECT_EQ(c.lcOutOrgX, -1280);
            EXPECT_EQ(c.lcOutOrgY, -100);
            EXPECT_EQ(c.lcOutExtX, 3200);
            EXPECT_EQ(c.lcOutExtY, 1180);
        } else {
            EXPECT_EQ(c.lcOutOrgX, 0);
            EXPECT_EQ(c.lcOutOrgY, 0);
            EXPECT_EQ(c.lcOutExtX, 0x7FFF);
            EXPECT_EQ(c.lcOutExtY, 0x7FFF);
        }
    }
}

} // namespace
