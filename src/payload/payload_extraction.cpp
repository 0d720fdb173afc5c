// ExtractPayload: placeholder until the extraction lands; always fails.
#include "payload/payload_extraction.h"

namespace lp {

int ExtractPayload(unsigned short, const wchar_t*, const std::wstring&, const std::wstring&, int) {
    return -1;
}

}  // namespace lp
