// Small builders for registry plan operations, shared by the registration, association and verb
// plans.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "shell/registry_plan.h"

namespace lp {

inline RegistryValue TextValue(std::wstring name, std::wstring text) {
    RegistryValue v;
    v.name = std::move(name);
    v.text = std::move(text);
    return v;
}

inline RegistryValue DwordValue(std::wstring name, std::uint32_t number) {
    RegistryValue v;
    v.name = std::move(name);
    v.isDword = true;
    v.number = number;
    return v;
}

inline RegistryOp SetDefault(RegistryRoot root, std::wstring key, std::wstring text) {
    RegistryOp op;
    op.kind = RegistryOp::Kind::kSetDefault;
    op.root = root;
    op.key = std::move(key);
    op.text = std::move(text);
    return op;
}

inline RegistryOp SetNamedValues(RegistryRoot root, std::wstring key, KeyAccess access,
                                 std::vector<RegistryValue> values) {
    RegistryOp op;
    op.kind = RegistryOp::Kind::kSetNamedValues;
    op.root = root;
    op.key = std::move(key);
    op.access = access;
    op.values = std::move(values);
    return op;
}

inline RegistryOp KeyOnly(RegistryOp::Kind kind, RegistryRoot root, std::wstring key) {
    RegistryOp op;
    op.kind = kind;
    op.root = root;
    op.key = std::move(key);
    return op;
}

// Deletes the key (if it has no subkeys), creates it anew and writes the values into it.
inline RegistryOp RecreateKey(RegistryRoot root, std::wstring key,
                              std::vector<RegistryValue> values) {
    RegistryOp op = SetNamedValues(root, std::move(key), KeyAccess::kCreate, std::move(values));
    op.kind = RegistryOp::Kind::kRecreateKey;
    return op;
}

}  // namespace lp
