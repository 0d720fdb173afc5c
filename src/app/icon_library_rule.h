// Whether the setup may replace an icon library that is already installed.
#pragma once

#include <cstdint>
#include <string_view>

namespace lp {

constexpr std::wstring_view kReferenceIconLibraryVersion = L"4.30";
constexpr std::int64_t kReferenceIconLibrarySize = 226816;
constexpr std::wstring_view kIconLibraryCompany = L"Quellmark";

// A version text in thousandths: read as a decimal number up to the first character that does
// not fit one, rounded to single precision, times 1000 in single precision, truncated ("4.29"
// gives 4290). Text without a number gives 0; values beyond the int range are clamped.
int VersionThousandths(std::wstring_view versionText);

// Newer than 4.30, or 4.30 of another size: kept. Otherwise replaced only when the company is
// "Quellmark" in any case of letters.
bool MayReplaceIconLibrary(std::wstring_view installedVersion, std::int64_t installedSize,
                           std::wstring_view installedCompany);

}  // namespace lp
