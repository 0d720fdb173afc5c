// Readable descriptions of registry plan operations for comparing whole plans in tests.
#include "registry_plan_support.h"

namespace lp::test {
namespace {

std::wstring AccessName(KeyAccess access) {
    switch (access) {
        case KeyAccess::kOpenAllAccess:
            return L"open-all";
        case KeyAccess::kOpenSetValue:
            return L"open-set";
        case KeyAccess::kCreate:
            break;
    }
    return L"create-values";
}

std::wstring Values(const RegistryOp& op) {
    std::wstring text;
    for (const RegistryValue& v : op.values) {
        text += text.empty() ? L": " : L", ";
        text += v.name + L"=" + (v.isDword ? L"#" + std::to_wstring(v.number) : v.text);
    }
    return text;
}

}  // namespace

std::wstring Describe(const RegistryOp& op) {
    const std::wstring where = RootName(op.root) + L"\\" + op.key;
    using Kind = RegistryOp::Kind;
    switch (op.kind) {
        case Kind::kSetDefault:
            return L"default " + where + L"=" + op.text;
        case Kind::kSetNamedValues:
            return AccessName(op.access) + L" " + where + Values(op);
        case Kind::kDeleteKey:
            return L"delete " + where;
        case Kind::kCreateKey:
            return L"create " + where;
        case Kind::kRecreateKey:
            return L"recreate " + where + Values(op);
    }
    return L"?";
}

}  // namespace lp::test
