// The thumbnail-browse verb on folders and drives, and the Store-app "NoOpenWith" markers.
#include "shell/registry_plan.h"
#include "shell/registry_plan_ops.h"

namespace lp {

RegistryPlan PlanFolderBrowseVerbs(const std::wstring& viewerPath) {
    const std::wstring verb = L"Durchsuchen mit &Lumapixel";
    const std::wstring command = L"\"" + viewerPath + L"\" \"%1\" /thumbs";
    const auto hklm = RegistryRoot::kLocalMachine;
    const std::wstring directory = L"SOFTWARE\\Classes\\Directory\\shell\\" + verb;
    const std::wstring drive = L"SOFTWARE\\Classes\\Drive\\shell\\" + verb;
    return {
        SetDefault(hklm, directory, verb),
        SetDefault(hklm, directory + L"\\command", command),
        SetDefault(hklm, drive, verb),
        SetDefault(hklm, drive + L"\\command", command),
    };
}

RegistryPlan PlanStoreAppSuppression() {
    static constexpr const wchar_t* kStoreClasses[] = {
        L"AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg", L"AppXk0g4vb8gvt7b93tg50ybcy892pge6jmt",
        L"AppX43hnxtbyyps62jhe9sqpdzxn1790zetc", L"AppX9rkaq77s0jzh1tyccadx9ghba15r6t3h",
        L"AppX6eg8h5sxqq90pv53845wmnbewywdqq5h",
    };
    RegistryPlan plan;
    for (const wchar_t* storeClass : kStoreClasses)
        plan.push_back(SetNamedValues(RegistryRoot::kCurrentUser,
                                      std::wstring(L"SOFTWARE\\Classes\\") + storeClass,
                                      KeyAccess::kCreate, {TextValue(L"NoOpenWith", L"")}));
    return plan;
}

}  // namespace lp
