// RegistryModel: keys by folded path, values by folded name, operations as the registry does them.
#include "shell/registry_model.h"

#include "shell/registry_limits.h"

namespace lp {
namespace {

std::wstring Fold(std::wstring text) {
    for (wchar_t& c : text)
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c - L'A' + L'a');
    return text;
}

}  // namespace

void RegistryModel::Apply(const RegistryPlan& plan) {
    for (const RegistryOp& op : plan)
        Apply(op);
}

// Refuses what the executor refuses: a key path, value name or text it never hands to the
// registry leaves the model unchanged too.
void RegistryModel::Apply(const RegistryOp& op) {
    if (!IsUsableKeyPath(op.key))
        return;
    using Kind = RegistryOp::Kind;
    switch (op.kind) {
        case Kind::kSetDefault:
            if (IsUsableRegistryText(op.text))
                SetValue(op.root, op.key, RegistryValue{L"", false, op.text, 0});
            break;
        case Kind::kSetNamedValues:
            if (op.access == KeyAccess::kCreate) {
                WriteValues(Create(op.root, op.key), op);
            } else if (Key* key = Find(op.root, op.key)) {
                WriteValues(*key, op);  // an open never creates the key
            }
            break;
        case Kind::kDeleteKey:
            Delete(op.root, op.key);
            break;
        case Kind::kCreateKey:
            Create(op.root, op.key);
            break;
        case Kind::kRecreateKey:
            Delete(op.root, op.key);
            WriteValues(Create(op.root, op.key), op);
            break;
    }
}

void RegistryModel::CreateKey(RegistryRoot root, const std::wstring& key) {
    Create(root, key);
}

void RegistryModel::SetValue(RegistryRoot root, const std::wstring& key,
                             const RegistryValue& value) {
    Create(root, key).values[Fold(value.name)] = value;
}

bool RegistryModel::HasKey(RegistryRoot root, const std::wstring& key) const {
    return Find(root, key) != nullptr;
}

std::size_t RegistryModel::ValueCount(RegistryRoot root, const std::wstring& key) const {
    const Key* found = Find(root, key);
    return found ? found->values.size() : 0;
}

std::size_t RegistryModel::SubkeyCount(RegistryRoot root, const std::wstring& key) const {
    const std::wstring prefix = Fold(key) + L"\\";
    std::size_t count = 0;
    for (const auto& [id, unused] : keys_) {
        if (id.first != root || !id.second.starts_with(prefix))
            continue;
        if (id.second.find(L'\\', prefix.size()) == std::wstring::npos)
            ++count;
    }
    return count;
}

const RegistryValue* RegistryModel::Value(RegistryRoot root, const std::wstring& key,
                                          const std::wstring& name) const {
    const Key* found = Find(root, key);
    if (!found)
        return nullptr;
    auto it = found->values.find(Fold(name));
    return it == found->values.end() ? nullptr : &it->second;
}

std::size_t RegistryModel::KeyCount(RegistryRoot root) const {
    std::size_t count = 0;
    for (const auto& [id, unused] : keys_)
        if (id.first == root)
            ++count;
    return count;
}

RegistryModel::Key* RegistryModel::Find(RegistryRoot root, const std::wstring& key) {
    auto it = keys_.find({root, Fold(key)});
    return it == keys_.end() ? nullptr : &it->second;
}

const RegistryModel::Key* RegistryModel::Find(RegistryRoot root, const std::wstring& key) const {
    auto it = keys_.find({root, Fold(key)});
    return it == keys_.end() ? nullptr : &it->second;
}

// Creating a key creates every missing parent on its path, as RegCreateKeyW does.
RegistryModel::Key& RegistryModel::Create(RegistryRoot root, const std::wstring& key) {
    const std::wstring folded = Fold(key);
    for (std::size_t at = folded.find(L'\\'); at != std::wstring::npos;
         at = folded.find(L'\\', at + 1))
        keys_[{root, folded.substr(0, at)}];
    return keys_[{root, folded}];
}

// Only a key without subkeys goes, as with RegDeleteKeyW; a missing key is no error.
void RegistryModel::Delete(RegistryRoot root, const std::wstring& key) {
    if (HasKey(root, key) && SubkeyCount(root, key) == 0)
        keys_.erase({root, Fold(key)});
}

void RegistryModel::WriteValues(Key& target, const RegistryOp& op) {
    for (const RegistryValue& value : op.values) {
        if (!IsUsableValueName(value.name) || (!value.isDword && !IsUsableRegistryText(value.text)))
            continue;
        target.values[Fold(value.name)] = value;
    }
}

}  // namespace lp
