// ApplyRegistryPlan: applies a registry plan with the Win32 registry calls; failures are silent.
#include <windows.h>

#include "framework/unique_handle.h"
#include "shell/registry_limits.h"
#include "shell/registry_plan.h"

namespace lp {
namespace {

HKEY RootKey(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::kCurrentUser:
            return HKEY_CURRENT_USER;
        case RegistryRoot::kClassesRoot:
            return HKEY_CLASSES_ROOT;
        case RegistryRoot::kLocalMachine:
            break;
    }
    return HKEY_LOCAL_MACHINE;
}

DWORD TextBytes(const std::wstring& text) {
    return static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
}

void SetDefault(const RegistryOp& op) {
    if (!IsUsableRegistryText(op.text))
        return;
    ::RegSetValueW(RootKey(op.root), op.key.c_str(), REG_SZ, op.text.c_str(), TextBytes(op.text));
}

unique_hkey ObtainKey(const RegistryOp& op, KeyAccess access) {
    unique_hkey key;
    LONG result = ERROR_INVALID_FUNCTION;
    if (access == KeyAccess::kCreate)
        result = ::RegCreateKeyW(RootKey(op.root), op.key.c_str(), key.put());
    else
        result = ::RegOpenKeyExW(
            RootKey(op.root), op.key.c_str(), 0,
            access == KeyAccess::kOpenSetValue ? KEY_SET_VALUE : KEY_ALL_ACCESS, key.put());
    if (result != ERROR_SUCCESS)
        key.reset();
    return key;
}

void WriteValue(HKEY key, const RegistryValue& value) {
    if (!IsUsableValueName(value.name))
        return;
    if (value.isDword) {
        const DWORD number = value.number;
        ::RegSetValueExW(key, value.name.c_str(), 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&number), sizeof(number));
        return;
    }
    if (!IsUsableRegistryText(value.text))
        return;
    ::RegSetValueExW(key, value.name.c_str(), 0, REG_SZ,
                     reinterpret_cast<const BYTE*>(value.text.c_str()), TextBytes(value.text));
}

// Values go only into the key just obtained; a failed open or create writes nothing at all.
void SetNamedValues(const RegistryOp& op, KeyAccess access) {
    unique_hkey key = ObtainKey(op, access);
    if (!key)
        return;
    for (const RegistryValue& value : op.values)
        WriteValue(key.get(), value);
}

void ApplyOp(const RegistryOp& op) {
    if (!IsUsableKeyPath(op.key))
        return;
    using Kind = RegistryOp::Kind;
    switch (op.kind) {
        case Kind::kSetDefault:
            SetDefault(op);
            break;
        case Kind::kSetNamedValues:
            SetNamedValues(op, op.access);
            break;
        case Kind::kDeleteKey:
            ::RegDeleteKeyW(RootKey(op.root), op.key.c_str());
            break;
        case Kind::kCreateKey:
            ObtainKey(op, KeyAccess::kCreate);
            break;
        case Kind::kRecreateKey:
            ::RegDeleteKeyW(RootKey(op.root), op.key.c_str());
            SetNamedValues(op, KeyAccess::kCreate);
            break;
    }
}

}  // namespace

void ApplyRegistryPlan(const RegistryPlan& plan) {
    for (const RegistryOp& op : plan)
        ApplyOp(op);
}

}  // namespace lp
