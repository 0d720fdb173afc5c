// Ownership rules of the unique handle template: close once, move transfers, release gives up.
#include <windows.h>

#include <gtest/gtest.h>

#include "framework/unique_handle.h"

namespace {

bool IsOpen(HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != 0;
}

}  // namespace

TEST(UniqueHandle, ClosesOnceAndTransfersOnMove) {
    HANDLE raw = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_NE(raw, nullptr);
    {
        lp::unique_handle first(raw);
        lp::unique_handle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), raw);
        lp::unique_handle third;
        third = std::move(second);
        EXPECT_TRUE(IsOpen(raw));
    }
    EXPECT_FALSE(IsOpen(raw));
}

TEST(UniqueHandle, ReleaseKeepsTheHandleOpenAndResetClosesIt) {
    lp::unique_handle owner(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    HANDLE raw = owner.release();
    EXPECT_FALSE(owner);
    EXPECT_TRUE(IsOpen(raw));
    owner.reset(raw);
    owner.reset();
    EXPECT_FALSE(IsOpen(raw));
}

TEST(UniqueHandle, FileHandlesUseInvalidHandleValueAsEmpty) {
    lp::unique_hfile file(CreateFileW(L"Z:\\no\\such\\folder\\file", GENERIC_READ, 0, nullptr,
                                      OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
    EXPECT_EQ(file.get(), INVALID_HANDLE_VALUE);
}
