#include "nibwire/ContextRecords.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

LOGCONTEXTA sample()
{
    LOGCONTEXTA context;
    std::memset(&context, 0, sizeof context);
    std::strcpy(context.lcName, "Sample");
    context.lcOptions = 0x11;
    context.lcPktData = 0x1C0;
    context.lcOutExtY = -1080;
    context.lcOutExtZ = 77;
    context.lcSysSensY = 0x10000;
    return context;
}

TEST(ContextRecords, WideningPlacesTheNameAndCopiesEveryFieldAfterIt)
{
    const LOGCONTEXTA narrow = sample();
    ContextRecords::WideName name = {u'W', u'i', u'd', u'e'};
    const LOGCONTEXTW wide = ContextRecords::widened(narrow, name);
    EXPECT_EQ(std::memcmp(wide.lcName, name, sizeof name), 0);
    EXPECT_EQ(std::memcmp(&wide.lcOptions, &narrow.lcOptions, kLogContextFieldsSize), 0);
    EXPECT_EQ(wide.lcOutExtZ, 77);
}

TEST(ContextRecords, NarrowingPlacesTheNameAndCopiesEveryFieldAfterIt)
{
    LOGCONTEXTW wide;
    std::memset(&wide, 0xAB, sizeof wide);
    wide.lcPktData = 0x15C0;
    wide.lcSysSensY = 5;
    ContextRecords::NarrowName name = "Narrow";
    const LOGCONTEXTA narrow = ContextRecords::narrowed(wide, name);
    EXPECT_STREQ(narrow.lcName, "Narrow");
    EXPECT_EQ(std::memcmp(&narrow.lcOptions, &wide.lcOptions, kLogContextFieldsSize), 0);
    EXPECT_EQ(narrow.lcPktData, 0x15C0u);
    EXPECT_EQ(narrow.lcSysSensY, 5u);
}

} // namespace
