// Registry writes as data: ordered plans computed by core code and applied by a small executor.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "shell/association_flags.h"

namespace lp {

enum class RegistryRoot { kLocalMachine, kCurrentUser, kClassesRoot };

// How a key that receives named values is obtained. Every named value of the operation is
// skipped when the key cannot be obtained.
enum class KeyAccess {
    kOpenAllAccess,  // RegOpenKeyExW with KEY_ALL_ACCESS; never created
    kOpenSetValue,   // RegOpenKeyExW with KEY_SET_VALUE; never created
    kCreate,         // RegCreateKeyW: opened or created
};

struct RegistryValue {
    std::wstring name;
    bool isDword = false;
    std::wstring text;         // REG_SZ data (size written counts the terminating null)
    std::uint32_t number = 0;  // REG_DWORD data
};

struct RegistryOp {
    enum class Kind {
        kSetDefault,      // RegSetValueW(root, key, REG_SZ, text): creates the key
        kSetNamedValues,  // obtain the key by `access`, write `values` in order, close
        kDeleteKey,       // RegDeleteKeyW: only a key without subkeys goes
        kCreateKey,       // RegCreateKeyW and close at once
        kRecreateKey,     // RegDeleteKeyW, then kSetNamedValues with kCreate
    };
    Kind kind = Kind::kSetDefault;
    RegistryRoot root = RegistryRoot::kLocalMachine;
    std::wstring key;
    std::wstring text;  // kSetDefault data
    KeyAccess access = KeyAccess::kCreate;
    std::vector<RegistryValue> values;
};

using RegistryPlan = std::vector<RegistryOp>;

// Class key, Applications key and uninstall entry; F ends in a backslash.
RegistryPlan PlanApplicationRegistration(const std::wstring& installFolder,
                                         const std::wstring& viewerPath,
                                         const std::wstring& openCommand);
// The application capabilities (Windows Vista and later only).
RegistryPlan PlanCapabilities(const std::wstring& viewerPath);
// Every file class, extension, capability value and user choice of the catalogue.
RegistryPlan PlanFileTypeAssociations(const AssociationFlags& flags,
                                      const std::wstring& openCommand,
                                      const std::wstring& viewerPath, bool isXpOr2003,
                                      bool isVistaOrLater, bool associationsForAllUsers);
// The thumbnail-browse verb on folders and drives.
RegistryPlan PlanFolderBrowseVerbs(const std::wstring& viewerPath);
// "NoOpenWith" on the five Store-app classes (Windows 10 only).
RegistryPlan PlanStoreAppSuppression();

// Applies a plan with the real registry calls (Win32 layer); failures are silent.
void ApplyRegistryPlan(const RegistryPlan& plan);

}  // namespace lp
