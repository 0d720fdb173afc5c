// The bounds on key paths, value names and texts that the registry executor checks first.
#include <gtest/gtest.h>

#include <string>

#include "shell/registry_limits.h"

namespace {

TEST(RegistryLimits, KeyPaths) {
    struct Case {
        std::wstring key;
        bool usable;
    };
    const Case cases[] = {
        {L"SOFTWARE\\Classes\\Lumapixel", true},
        {L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.jpg\\UserChoice",
         true},
        {L"SOFTWARE\\Classes\\Directory\\shell\\Durchsuchen mit &Lumapixel", true},
        {std::wstring(255, L'k'), true},
        {L"a\\" + std::wstring(255, L'k') + L"\\b", true},
        {L"", false},  // the root itself
        {std::wstring(256, L'k'), false},
        {L"a\\" + std::wstring(256, L'k'), false},
        {L"\\SOFTWARE", false},
        {L"SOFTWARE\\", false},
        {L"SOFTWARE\\\\Classes", false},
        {L"\\", false},
        {std::wstring(L"SOFT\0WARE", 9), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(lp::IsUsableKeyPath(c.key), c.usable) << c.key.size();
}

TEST(RegistryLimits, ValueNamesAndTexts) {
    EXPECT_TRUE(lp::IsUsableValueName(L""));
    EXPECT_TRUE(lp::IsUsableValueName(std::wstring(16383, L'n')));
    EXPECT_FALSE(lp::IsUsableValueName(std::wstring(16384, L'n')));
    EXPECT_FALSE(lp::IsUsableValueName(std::wstring(L"a\0b", 3)));
    EXPECT_TRUE(lp::IsUsableRegistryText(L""));
    EXPECT_TRUE(lp::IsUsableRegistryText(std::wstring(1u << 20, L't')));
    EXPECT_FALSE(lp::IsUsableRegistryText(std::wstring((1u << 20) + 1, L't')));
    EXPECT_FALSE(lp::IsUsableRegistryText(std::wstring(L"\"C:\\a\0b\"", 8)));
}

}  // namespace
