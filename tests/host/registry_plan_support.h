// Helpers for registry plan tests: readable operation descriptions and common inputs.
#pragma once

#include <string>

#include "shell/registry_plan.h"

namespace lp::test {

inline const std::wstring kFolder = L"C:\\Programme\\Lumapixel\\";
inline const std::wstring kViewer = kFolder + L"lumpix32.exe";
inline const std::wstring kOpen = L"\"" + kViewer + L"\" \"%1\"";

inline std::wstring RootName(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::kCurrentUser:
            return L"HKCU";
        case RegistryRoot::kClassesRoot:
            return L"HKCR";
        case RegistryRoot::kLocalMachine:
            break;
    }
    return L"HKLM";
}

// One line per operation: "default HKLM\key=text", "open-all HKCR\key: name=text, ...",
// "delete HKLM\key", "create HKLM\key", "recreate HKCU\key: name=text".
std::wstring Describe(const RegistryOp& op);

}  // namespace lp::test
