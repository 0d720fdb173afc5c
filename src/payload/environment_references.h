// Expansion of %NAME% references with a variable lookup passed in.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace lp {

constexpr std::size_t kMaxReferenceName = 260;
constexpr std::size_t kMaxReferenceValue = 259;
constexpr std::size_t kMaxExpandedText = 519;

// The value of an environment variable, or nullopt when it is not set.
using EnvironmentLookup = std::function<std::optional<std::wstring>(const std::wstring& name)>;

// Replaces every reference between percent signs by the variable's value; a reference to an
// unset variable, and an empty one ("%%"), vanish with both percent signs. A reference without a
// closing percent sign runs to the end of the text. Refuses (nullopt) a name longer than 260
// characters, a value longer than 259 and a result longer than 519: a cut path would name a
// different folder.
std::optional<std::wstring> ExpandEnvironmentReferences(std::wstring_view text,
                                                        const EnvironmentLookup& lookup);

}  // namespace lp
