#include "ipc/OwnedHandle_Win32.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

bool isOpen(HANDLE handle)
{
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
}

} // namespace

TEST(OwnedHandle, ClosesItsHandleWhereverOwnershipWentAndWhenReplaced)
{
    HANDLE raw = nullptr;
    {
        OwnedHandle first = OwnedHandle::newEvent();
        raw = first.get();
        ASSERT_TRUE(isOpen(raw));

        OwnedHandle second(std::move(first));
        EXPECT_FALSE(first.valid());
        OwnedHandle third;
        third = std::move(second);
        EXPECT_FALSE(second.valid());
        EXPECT_EQ(third.get(), raw);
        EXPECT_TRUE(isOpen(raw));

        third.reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
        EXPECT_FALSE(isOpen(raw));
        raw = third.get();
    }
    EXPECT_FALSE(isOpen(raw));
}
