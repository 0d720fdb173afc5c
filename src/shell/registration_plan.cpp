// The application registration: class key, Applications key, uninstall entry and capabilities.
#include "shell/registry_plan.h"
#include "shell/registry_plan_ops.h"

namespace lp {
namespace {

constexpr wchar_t kClassKey[] = L"SOFTWARE\\Classes\\Lumapixel";
constexpr wchar_t kApplicationKey[] = L"Applications\\lumpix32.exe";
constexpr wchar_t kUninstallKey[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel";
constexpr wchar_t kAppKey[] = L"SOFTWARE\\Lumapixel";
constexpr wchar_t kCapabilitiesKey[] = L"SOFTWARE\\Lumapixel\\Capabilities";
constexpr std::uint32_t kVersionMajor = 4;
constexpr std::uint32_t kVersionMinor = 66;
constexpr std::uint32_t kEstimatedSizeKb = 6144;

std::wstring VersionText() {
    return std::to_wstring(kVersionMajor) + L"." + std::to_wstring(kVersionMinor);
}

std::vector<RegistryValue> UninstallValues(const std::wstring& installFolder,
                                           const std::wstring& viewerPath) {
    return {
        TextValue(L"DisplayName", L"Lumapixel " + VersionText() + L" (32-bit)"),
        TextValue(L"UninstallString", L"\"" + installFolder + L"lp_uninstall.exe\""),
        TextValue(L"Publisher", L"Quellmark"),
        TextValue(L"InstallLocation", installFolder),
        TextValue(L"DisplayVersion", VersionText()),
        TextValue(L"DisplayIcon", viewerPath + L",0"),
        DwordValue(L"VersionMajor", kVersionMajor),
        DwordValue(L"VersionMinor", kVersionMinor),
        DwordValue(L"EstimatedSize", kEstimatedSizeKb),
    };
}

}  // namespace

RegistryPlan PlanApplicationRegistration(const std::wstring& installFolder,
                                         const std::wstring& viewerPath,
                                         const std::wstring& openCommand) {
    const std::wstring classKey = kClassKey;
    const std::wstring appKey = kApplicationKey;
    using Kind = RegistryOp::Kind;
    const auto hklm = RegistryRoot::kLocalMachine;
    const auto hkcr = RegistryRoot::kClassesRoot;
    return {
        SetDefault(hklm, classKey, L"Lumapixel"),
        SetDefault(hklm, classKey + L"\\shell\\open\\command", openCommand),
        KeyOnly(Kind::kDeleteKey, hklm, classKey + L"\\DefaultIcon"),
        SetDefault(hkcr, appKey + L"\\shell\\open\\command", openCommand),
        SetNamedValues(hkcr, appKey, KeyAccess::kOpenAllAccess,
                       {TextValue(L"FriendlyAppName", L"Lumapixel 32-bit")}),
        SetDefault(hklm, kUninstallKey, L""),
        SetNamedValues(hklm, kUninstallKey, KeyAccess::kOpenAllAccess,
                       UninstallValues(installFolder, viewerPath)),
    };
}

RegistryPlan PlanCapabilities(const std::wstring& viewerPath) {
    using Kind = RegistryOp::Kind;
    const auto hklm = RegistryRoot::kLocalMachine;
    const std::wstring capabilities = kCapabilitiesKey;
    return {
        KeyOnly(Kind::kCreateKey, hklm, kAppKey),
        SetDefault(hklm, std::wstring(kAppKey) + L"\\shell\\open\\command",
                   L"\"" + viewerPath + L"\""),
        SetNamedValues(hklm, capabilities, KeyAccess::kCreate,
                       {TextValue(L"ApplicationDescription",
                                  L"Picture viewer, editor and converter - one of the most "
                                  L"popular viewers worldwide")}),
        KeyOnly(Kind::kCreateKey, hklm, capabilities + L"\\FileAssociations"),
        SetNamedValues(hklm, L"SOFTWARE\\RegisteredApplications", KeyAccess::kOpenSetValue,
                       {TextValue(L"Lumapixel", capabilities)}),
    };
}

}  // namespace lp
