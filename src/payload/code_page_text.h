// 8-bit text to UTF-16 through a Windows code page (MultiByteToWideChar).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lp {

// The text converted from codePage (CP_ACP, CP_UTF8 ...); "" for ""; nullopt when it fails.
std::optional<std::wstring> WideFromCodePage(std::string_view bytes, unsigned codePage);

}  // namespace lp
