// Recognises a ZIP archive without entries, which minizip cannot open (its end record lies at
// offset 0, where minizip's search reports "not found").
#pragma once

#include <string_view>

namespace lp {

// True when the bytes are exactly one end-of-central-directory record (with its comment) that
// counts no entries.
bool IsEmptyZipArchive(std::string_view bytes);

}  // namespace lp
