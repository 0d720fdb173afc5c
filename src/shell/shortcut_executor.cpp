// Applies a shortcut plan: the folder, then its shortcuts and deletions in order.
#include <cstdio>

#include "app/directory_path.h"
#include "shell/shortcut_maker.h"

namespace lp {

void ApplyShortcutOps(const std::wstring& folder, const std::vector<ShortcutOp>& ops) {
    for (const ShortcutOp& op : ops) {
        if (op.kind == ShortcutOp::Kind::kCreate) {
            CreateShortcutInFolder(folder, op.shortcut);  // a failed shortcut is skipped
            continue;
        }
        if (const auto path = ComposeShortcutPath(folder, op.shortcut.linkName))
            _wremove(path->c_str());  // a missing file is no error
    }
}

void ApplyShortcutPlan(const ShortcutFolderPlan& plan) {
    std::wstring folder = GetSpecialFolderPath(plan.csidl);
    if (!plan.subfolder.empty()) {
        folder += plan.subfolder;
        // Gives the folder its closing backslash; without the folder no shortcut can be saved,
        // and a path left without its backslash must not name files beside it.
        if (!CreateDirectoryPath(folder))
            return;
    }
    ApplyShortcutOps(folder, plan.ops);
}

}  // namespace lp
