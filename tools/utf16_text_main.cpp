// lp_utf16_text INPUT OUTPUT: converts UTF-8 release notes into the UTF-16LE resource form
// (byte-order mark, CR LF line ends) and refuses invalid UTF-8 or a text too long for the page.
#include <cstdio>

#include "file_io.h"
#include "text/utf16_text.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lp_utf16_text INPUT OUTPUT\n");
        return 2;
    }
    const auto input = lp::tools::ReadWholeFile(argv[1]);
    if (!input) {
        std::fprintf(stderr, "lp_utf16_text: cannot read %s\n", argv[1]);
        return 1;
    }
    const auto converted = lp::text::Utf8ToUtf16LeWithBom(*input, lp::text::kMaxReleaseNotesUnits);
    if (!converted) {
        std::fprintf(stderr, "lp_utf16_text: %s is not valid UTF-8 or longer than %zu characters\n",
                     argv[1], lp::text::kMaxReleaseNotesUnits);
        return 1;
    }
    if (!lp::tools::WriteWholeFile(argv[2], *converted)) {
        std::fprintf(stderr, "lp_utf16_text: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
