// lp_payload_builder LIST OUTPUT: writes the payload archive from a payload list (see
// payload/payload_list.h): files deflated, folders stored, fixed date and time, flag 0x2.
#include <cstdio>

#include "file_io.h"
#include "payload/payload_list.h"
#include "zip/zip_writer.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lp_payload_builder LIST OUTPUT\n");
        return 2;
    }
    const auto listText = lp::tools::ReadWholeFile(argv[1]);
    if (!listText) {
        std::fprintf(stderr, "lp_payload_builder: cannot read %s\n", argv[1]);
        return 1;
    }
    const lp::payload::ParsedList list = lp::payload::ParsePayloadList(*listText);
    if (!list.error.empty()) {
        std::fprintf(stderr, "lp_payload_builder: %s: %s\n", argv[1], list.error.c_str());
        return 1;
    }
    std::vector<lp::zip::Entry> entries;
    for (const lp::payload::ListedEntry& listed : list.entries) {
        lp::zip::Entry entry{.name = listed.name};
        if (!listed.sourcePath.empty()) {
            const auto data = lp::tools::ReadWholeFile(listed.sourcePath);
            if (!data) {
                std::fprintf(stderr, "lp_payload_builder: cannot read %s\n",
                             listed.sourcePath.c_str());
                return 1;
            }
            entry.data = *data;
        }
        entries.push_back(std::move(entry));
    }
    const std::string archive = lp::zip::BuildArchive(entries);
    if (archive.empty() || !lp::tools::WriteWholeFile(argv[2], archive)) {
        std::fprintf(stderr, "lp_payload_builder: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
