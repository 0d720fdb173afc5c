// FileTypeCatalogue: the 63 file-type groups the setup can associate with the viewer.
#pragma once

#include <cstddef>
#include <span>

namespace lp {

enum class FileTypeIcon { kFileItself, kViewer0, kViewer9, kViewer8 };

struct FileTypeExtension {
    const wchar_t* extension;  // lower case, without the dot
    const wchar_t* className;  // the class it is registered under
};

struct FileTypeGroup {
    const wchar_t* label;
    const wchar_t* description;
    bool imagesOnly;
    std::span<const FileTypeExtension> extensions;
    FileTypeIcon icon;
};

// The rows in their fixed order (index = list position = AssociationFlags entry).
std::span<const FileTypeGroup> FileTypeCatalogue();

constexpr std::size_t kFileTypeRows = 63;
constexpr std::size_t kImagesOnlyRows = 49;

}  // namespace lp
