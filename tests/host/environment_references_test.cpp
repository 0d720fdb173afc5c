// Expansion of %NAME% references, including the bounds on names, values and the result.
#include <gtest/gtest.h>

#include <map>

#include "payload/environment_references.h"

namespace {

std::optional<std::wstring> Expand(const std::wstring& text,
                                   const std::map<std::wstring, std::wstring>& variables) {
    return lp::ExpandEnvironmentReferences(
        text, [&](const std::wstring& name) -> std::optional<std::wstring> {
            const auto found = variables.find(name);
            if (found == variables.end())
                return std::nullopt;
            return found->second;
        });
}

const std::map<std::wstring, std::wstring> kVariables = {
    {L"APPDATA", L"C:\\Users\\ann\\AppData\\Roaming"}, {L"EMPTY", L""}, {L"X", L"x"}};

TEST(EnvironmentReferences, ReplacesSetVariablesAndDropsUnsetOnes) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expanded;
    };
    const Case cases[] = {
        {L"%APPDATA%\\Lumapixel", L"C:\\Users\\ann\\AppData\\Roaming\\Lumapixel"},
        {L"D:\\Settings", L"D:\\Settings"},
        {L"D:\\%NOT_SET%\\x", L"D:\\\\x"},  // the reference vanishes with both percent signs
        {L"a%%b", L"ab"},                   // an empty name is never set
        {L"%EMPTY%z", L"z"},
        {L"%X%%X%", L"xx"},
        {L"%X", L"x"},  // an unterminated reference runs to the end
        {L"%", L""},
        {L"", L""},
        {L"%x%", L""},  // names are looked up as given
    };
    for (const Case& c : cases) {
        const std::optional<std::wstring> expanded = Expand(c.text, kVariables);
        ASSERT_TRUE(expanded) << c.text;
        EXPECT_EQ(*expanded, c.expanded) << c.text;
    }
}

TEST(EnvironmentReferences, RefusesNamesValuesAndResultsBeyondTheirLimits) {
    const std::wstring name260(260, L'N');
    const std::wstring name261(261, L'N');
    std::map<std::wstring, std::wstring> variables = {{name260, L"ok"},
                                                      {name261, L"never"},
                                                      {L"V259", std::wstring(259, L'v')},
                                                      {L"V260", std::wstring(260, L'v')}};
    EXPECT_EQ(Expand(L"%" + name260 + L"%", variables), L"ok");
    EXPECT_EQ(Expand(L"%" + name261 + L"%", variables), std::nullopt);
    EXPECT_EQ(Expand(L"%" + name261, variables), std::nullopt);
    EXPECT_EQ(Expand(L"%V259%", variables), std::wstring(259, L'v'));
    EXPECT_EQ(Expand(L"%V260%", variables), std::nullopt);
    EXPECT_EQ(Expand(L"%V259%%V259%a", variables), std::wstring(518, L'v') + L"a");
    EXPECT_EQ(Expand(L"%V259%%V259%ab", variables), std::nullopt);  // 520 characters
    EXPECT_EQ(Expand(std::wstring(519, L'p'), variables), std::wstring(519, L'p'));
    EXPECT_EQ(Expand(std::wstring(520, L'p'), variables), std::nullopt);
}

}  // namespace
