// RegistryModel: an in-memory registry that applies a plan with the semantics of the real calls.
#pragma once

#include <map>
#include <string>
#include <utility>

#include "shell/registry_plan.h"

namespace lp {

// Keys and value names compare without regard to ASCII case, as in the registry. The three
// roots are kept apart (the classes root is not merged with the other two).
class RegistryModel {
public:
    void Apply(const RegistryPlan& plan);
    void Apply(const RegistryOp& op);

    // Creates the key and its parents; for preparing a starting state.
    void CreateKey(RegistryRoot root, const std::wstring& key);
    // Creates the key if needed and sets one value ("" names the default).
    void SetValue(RegistryRoot root, const std::wstring& key, const RegistryValue& value);

    bool HasKey(RegistryRoot root, const std::wstring& key) const;
    // Values the key holds, its default included; 0 for a missing key.
    std::size_t ValueCount(RegistryRoot root, const std::wstring& key) const;
    // Direct subkeys of the key.
    std::size_t SubkeyCount(RegistryRoot root, const std::wstring& key) const;
    // The value, or null when the key or the value is missing.
    const RegistryValue* Value(RegistryRoot root, const std::wstring& key,
                               const std::wstring& name) const;
    // Every key of the root, for counting.
    std::size_t KeyCount(RegistryRoot root) const;

private:
    using KeyId = std::pair<RegistryRoot, std::wstring>;  // folded path
    struct Key {
        std::map<std::wstring, RegistryValue> values;  // by folded name
    };

    Key* Find(RegistryRoot root, const std::wstring& key);
    const Key* Find(RegistryRoot root, const std::wstring& key) const;
    Key& Create(RegistryRoot root, const std::wstring& key);
    void Delete(RegistryRoot root, const std::wstring& key);
    void WriteValues(Key& target, const RegistryOp& op);

    std::map<KeyId, Key> keys_;
};

}  // namespace lp
