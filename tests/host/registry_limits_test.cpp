// The bounds on key paths, value names and texts that the registry executor and model check.
#include <gtest/gtest.h>

#include <string>

#include "shell/registry_limits.h"
#include "shell/registry_model.h"
#include "shell/registry_plan_ops.h"

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

// The registry model refuses what the executor refuses, so host tests see what the registry
// would hold: nothing for an unusable key path, value name or text.
TEST(RegistryLimits, ModelRefusesWhatTheExecutorRefuses) {
    const auto hkcu = lp::RegistryRoot::kCurrentUser;
    const std::wstring key = L"Software\\Test";
    lp::RegistryValue badName{std::wstring(L"a\0b", 3), false, L"x", 0};
    lp::RegistryValue badText{L"Text", false, std::wstring(L"a\0b", 3), 0};
    lp::RegistryValue good{L"Good", false, L"x", 0};
    lp::RegistryModel model;
    for (const std::wstring& path :
         {std::wstring(), key + L"\\", key + L"\\" + std::wstring(256, L'k')}) {
        model.Apply(lp::SetDefault(hkcu, path, L"x"));
        model.Apply(lp::SetNamedValues(hkcu, path, lp::KeyAccess::kCreate, {good}));
    }
    EXPECT_EQ(model.KeyCount(hkcu), 0u);
    model.Apply(lp::SetDefault(hkcu, key, std::wstring(L"a\0b", 3)));
    EXPECT_FALSE(model.HasKey(hkcu, key));
    model.Apply(lp::SetNamedValues(hkcu, key, lp::KeyAccess::kCreate, {badName, badText, good}));
    EXPECT_EQ(model.ValueCount(hkcu, key), 1u);
    EXPECT_TRUE(model.Value(hkcu, key, L"Good"));
}

}  // namespace
