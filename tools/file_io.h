// Whole-file reading and writing for the host tools.
#pragma once

#include <optional>
#include <string>

namespace lp::tools {

std::optional<std::string> ReadWholeFile(const std::string& path);
// Writes through a temporary name and renames, so a failed run leaves no half-written output.
bool WriteWholeFile(const std::string& path, const std::string& bytes);

}  // namespace lp::tools
