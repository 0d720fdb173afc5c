// The command-line grammar of a silent installation.
#include "app/command_line.h"

#include <climits>
#include <cstdint>

namespace lp {
namespace {

bool IsCWhiteSpace(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}

void RemoveTrailingBlanks(std::wstring& value) {
    while (!value.empty() && value.back() == L' ')
        value.pop_back();
}

// The value of the first occurrence of a switch; false when the switch is absent.
bool FindSwitchValue(std::wstring_view workingCopy, std::wstring_view prefix, std::wstring& value) {
    const std::size_t pos = workingCopy.find(prefix);
    if (pos == std::wstring_view::npos)
        return false;
    GetSwitchValue(workingCopy, pos, prefix.size(), kSwitchLimit, value);
    return true;
}

void ReadPathSwitch(std::wstring_view workingCopy, std::wstring_view prefix, std::wstring& field) {
    std::wstring value;
    if (!FindSwitchValue(workingCopy, prefix, value))
        return;
    CleanPathValue(value, true);
    field = value;
}

void ReadNumberSwitch(std::wstring_view workingCopy, std::wstring_view prefix, int& field) {
    std::wstring value;
    if (FindSwitchValue(workingCopy, prefix, value))
        field = ParseSwitchNumber(value);
}

void ReadAssociationSwitch(std::wstring_view workingCopy, InstallOptions& options) {
    std::wstring value;
    if (!FindSwitchValue(workingCopy, L"/assoc=", value))
        return;
    const int choice = ParseSwitchNumber(value);
    if (choice == 1) {
        options.associationFlags.SelectImagesOnly();
        options.associationsRequested = 1;
    } else if (choice == 2) {
        options.associationFlags.SelectAll();
        options.associationsRequested = 1;
    }
}

}  // namespace

bool IsSilentCommandLine(std::wstring_view commandLine) {
    return commandLine.find(L"/silent") != std::wstring_view::npos;
}

std::wstring MakeWorkingCopy(std::wstring_view commandLine) {
    return std::wstring(commandLine.substr(0, kWorkingCopyLength));
}

std::size_t GetSwitchValue(std::wstring_view workingCopy, std::size_t switchPos,
                           std::size_t prefixLength, std::size_t limit, std::wstring& value) {
    value.clear();
    const std::size_t end =
        switchPos + limit < workingCopy.size() ? switchPos + limit : workingCopy.size();
    std::size_t i = switchPos + prefixLength;
    for (; i < end && workingCopy[i] != L'/'; ++i)
        value.push_back(workingCopy[i]);
    return i;
}

void CleanPathValue(std::wstring& value, bool stripAgain) {
    if (value.empty())
        return;
    RemoveTrailingBlanks(value);
    if (!value.empty() && value.back() == L'"')
        value.pop_back();
    if (!value.empty() && value.front() == L'"')
        value.erase(0, 1);
    if (stripAgain)
        RemoveTrailingBlanks(value);
}

int ParseSwitchNumber(std::wstring_view value) {
    std::size_t i = 0;
    while (i < value.size() && IsCWhiteSpace(value[i]))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == L'+' || value[i] == L'-'))
        negative = value[i++] == L'-';
    // Accumulated as a magnitude that stops growing past the int range, so no digit count
    // can overflow.
    const std::int64_t ceiling = negative ? -static_cast<std::int64_t>(INT_MIN) : INT_MAX;
    std::int64_t magnitude = 0;
    for (; i < value.size() && value[i] >= L'0' && value[i] <= L'9'; ++i) {
        magnitude = magnitude * 10 + (value[i] - L'0');
        if (magnitude > ceiling)
            magnitude = ceiling;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

void FillOptionsFromCommandLine(std::wstring_view commandLine, InstallOptions& options) {
    const std::wstring workingCopy = MakeWorkingCopy(commandLine);
    ReadPathSwitch(workingCopy, L"/folder=", options.installFolder);
    ReadNumberSwitch(workingCopy, L"/desktop=", options.createDesktopShortcut);
    ReadNumberSwitch(workingCopy, L"/thumbs=", options.createThumbnailsShortcut);
    ReadNumberSwitch(workingCopy, L"/group=", options.createStartMenuGroup);
    ReadNumberSwitch(workingCopy, L"/allusers=", options.allUsers);
    ReadAssociationSwitch(workingCopy, options);
    if (workingCopy.find(L"/assocallusers") != std::wstring::npos)
        options.associationsForAllUsers = 1;
    ReadPathSwitch(workingCopy, L"/ini=", options.iniFolder);
}

}  // namespace lp
