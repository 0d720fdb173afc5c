// Checks that the Windows test program runs.
#include <windows.h>

#include <gtest/gtest.h>

TEST(Smoke, RunsOnWindows) {
    EXPECT_NE(GetCurrentProcessId(), 0u);
}
