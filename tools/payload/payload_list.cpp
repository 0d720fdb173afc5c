// Parses and checks the payload list, so that a faulty list stops the build with a clear message.
#include "payload/payload_list.h"

#include <set>
#include <sstream>

namespace lp::payload {
namespace {

std::string CheckName(const std::string& name) {
    if (name.empty() || name.size() > kMaxEntryNameBytes) {
        return "name is empty or longer than " + std::to_string(kMaxEntryNameBytes) + " bytes";
    }
    for (char c : name) {
        if (c < 0x20 || c > 0x7E || c == '\\' || c == ':') {
            return "name holds a character other than printable ASCII, or a \\ or :";
        }
    }
    const std::string body = name.back() == '/' ? name.substr(0, name.size() - 1) : name;
    std::stringstream parts(body);
    for (std::string part; std::getline(parts, part, '/');) {
        if (part.empty() || part == "." || part == "..") {
            return "name has an empty, \".\" or \"..\" component";
        }
    }
    if (body.empty() || body.back() == '/') {
        return "name has an empty component";
    }
    return {};
}

// Every folder that holds `name` must already have been listed.
std::string CheckFoldersListed(const std::string& name, const std::set<std::string>& folders) {
    const std::string body = name.back() == '/' ? name.substr(0, name.size() - 1) : name;
    for (auto slash = body.find('/'); slash != std::string::npos;
         slash = body.find('/', slash + 1)) {
        const std::string folder = body.substr(0, slash + 1);
        if (folders.count(folder) == 0) {
            return "folder entry \"" + folder + "\" must come before \"" + name + "\"";
        }
    }
    return {};
}

// Windows file names ignore case, so "A.txt" and "a.txt" would land on one file.
std::string AsciiLower(std::string name) {
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return name;
}

std::string ParseLine(const std::string& line, ListedEntry& entry) {
    const auto tab = line.find('\t');
    entry.name = line.substr(0, tab);
    entry.sourcePath = tab == std::string::npos ? std::string() : line.substr(tab + 1);
    if (std::string problem = CheckName(entry.name); !problem.empty()) {
        return problem;
    }
    const bool folder = entry.name.back() == '/';
    if (folder != entry.sourcePath.empty()) {
        return folder ? "a folder entry takes no source file" : "a file entry needs a source file";
    }
    return {};
}

}  // namespace

ParsedList ParsePayloadList(const std::string& text) {
    ParsedList result;
    std::set<std::string> names;
    std::set<std::string> folders;
    std::stringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == '#') {
            continue;
        }
        ListedEntry entry;
        std::string problem = ParseLine(line, entry);
        if (problem.empty()) {
            problem = CheckFoldersListed(entry.name, folders);
        }
        if (problem.empty() && !names.insert(AsciiLower(entry.name)).second) {
            problem = "\"" + entry.name + "\" is listed twice (letter case ignored)";
        }
        if (!problem.empty()) {
            return {{}, "line " + std::to_string(number) + ": " + problem};
        }
        if (entry.name.back() == '/') {
            folders.insert(entry.name);
        }
        result.entries.push_back(std::move(entry));
    }
    return result;
}

}  // namespace lp::payload
