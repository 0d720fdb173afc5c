// The file type associations: file classes, extension keys, capability values and user choices.
#include "shell/file_type_catalogue.h"
#include "shell/registry_plan.h"
#include "shell/registry_plan_ops.h"

namespace lp {
namespace {

constexpr wchar_t kFileExtsKey[] =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";
constexpr wchar_t kFileAssociationsKey[] = L"SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations";

struct ExtensionChoice {
    bool isXpOr2003;
    bool isVistaOrLater;
    bool forAllUsers;
    bool selected;
};

// Only ASCII letters are raised, so the text never depends on the locale.
std::wstring AsciiUpper(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - L'a' + L'A');
    return text;
}

// jpg, png and tif always get the machine-wide default on Vista and later; their sibling
// extensions (jpeg, tiff ...) do not.
bool IsAlwaysClaimed(const std::wstring& extension) {
    const std::wstring upper = AsciiUpper(extension);
    return upper == L"JPG" || upper == L"PNG" || upper == L"TIF";
}

std::wstring IconText(FileTypeIcon icon, const std::wstring& viewerPath) {
    switch (icon) {
        case FileTypeIcon::kFileItself:
            return L"%1";
        case FileTypeIcon::kViewer9:
            return viewerPath + L",9";
        case FileTypeIcon::kViewer8:
            return viewerPath + L",8";
        case FileTypeIcon::kViewer0:
            break;
    }
    return viewerPath + L",0";
}

void PlanExtension(RegistryPlan& plan, const FileTypeExtension& entry,
                   const ExtensionChoice& choice, const std::wstring& openCommand,
                   const std::wstring& iconText) {
    const auto hklm = RegistryRoot::kLocalMachine;
    const auto hkcu = RegistryRoot::kCurrentUser;
    const std::wstring ext = entry.extension;
    const std::wstring className = std::wstring(L"Lumapixel.") + entry.className;
    const std::wstring extensionKey = L"SOFTWARE\\Classes\\." + ext;
    const std::wstring classKey = L"SOFTWARE\\Classes\\" + className;
    if (choice.isXpOr2003) {
        const std::wstring explorerKey = kFileExtsKey + ext;
        plan.push_back(SetDefault(hkcu, explorerKey, L""));
        plan.push_back(SetNamedValues(hkcu, explorerKey, KeyAccess::kOpenAllAccess,
                                      {TextValue(L"ProgID", className)}));
        if (choice.forAllUsers)
            plan.push_back(SetDefault(hklm, extensionKey, className));
    } else if (choice.selected || IsAlwaysClaimed(ext)) {
        plan.push_back(SetDefault(hklm, extensionKey, className));
    }
    plan.push_back(
        SetDefault(hklm, classKey, L"Lumapixel " + AsciiUpper(entry.className) + L" File"));
    plan.push_back(SetDefault(hklm, classKey + L"\\shell\\open\\command", openCommand));
    plan.push_back(SetDefault(hklm, classKey + L"\\DefaultIcon", iconText));
    if (!choice.isVistaOrLater)
        return;
    plan.push_back(SetNamedValues(hklm, kFileAssociationsKey, KeyAccess::kOpenSetValue,
                                  {TextValue(L"." + ext, className)}));
    if (choice.selected)
        plan.push_back(RecreateKey(hkcu, kFileExtsKey + ext + L"\\UserChoice",
                                   {TextValue(L"Progid", className)}));
}

}  // namespace

RegistryPlan PlanFileTypeAssociations(const AssociationFlags& flags,
                                      const std::wstring& openCommand,
                                      const std::wstring& viewerPath, bool isXpOr2003,
                                      bool isVistaOrLater, bool associationsForAllUsers) {
    RegistryPlan plan;
    const auto rows = FileTypeCatalogue();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ExtensionChoice choice{isXpOr2003, isVistaOrLater, associationsForAllUsers,
                                     flags.IsSet(i)};
        if (!isVistaOrLater && !choice.selected)
            continue;
        const std::wstring iconText = IconText(rows[i].icon, viewerPath);
        for (const auto& entry : rows[i].extensions)
            PlanExtension(plan, entry, choice, openCommand, iconText);
    }
    return plan;
}

}  // namespace lp
