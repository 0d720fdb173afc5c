// The whole shell integration of one installation for each Windows generation, applied to the
// registry model: stages, shortcuts, registry contents and notifications together.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "registry_plan_support.h"
#include "shell/file_type_catalogue.h"
#include "shell/registry_model.h"
#include "shell/shell_integration_plan.h"

namespace {

using namespace lp;
using S = ShellStage;

const auto kHklm = RegistryRoot::kLocalMachine;
const auto kHkcu = RegistryRoot::kCurrentUser;
const std::wstring kF = L"C:\\Programme\\Lumapixel\\";
const std::wstring kViewer = kF + L"lumpix32.exe";
const std::wstring kOpen = L"\"" + kViewer + L"\" \"%1\"";
const std::wstring kFileAssociations = L"SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations";
const std::wstring kFileExts =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";
const std::wstring kUninstall =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel";
const std::wstring kVerbCommand =
    L"SOFTWARE\\Classes\\Directory\\shell\\Durchsuchen mit &Lumapixel\\command";
const std::wstring kStoreApp = L"SOFTWARE\\Classes\\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg";

// A Windows as the setup sees it: the version GetVersionExW reports to a program without
// compatibility entries (8.1 and later report 6.2), and the generation of the probe.
struct Windows {
    const char* name;
    unsigned long major, minor;
    int generation;
    bool vista() const { return major >= 6; }
};
const Windows kWindows[] = {
    {"XP SP3", 5, 1, 5}, {"Server 2003", 5, 2, 1}, {"Vista", 6, 0, 6}, {"7", 6, 1, 7},
    {"8", 6, 2, 8},      {"8.1", 6, 2, 8},         {"10", 6, 2, 10},   {"11", 6, 2, 11},
};

struct Outcome {
    std::vector<ShellIntegrationStep> steps;
    RegistryModel model;

    std::vector<S> Stages() const {
        std::vector<S> stages;
        for (const auto& step : steps)
            stages.push_back(step.stage);
        return stages;
    }
    const ShortcutFolderPlan* Shortcuts(S stage) const {
        for (const auto& step : steps)
            if (step.stage == stage && step.shortcuts)
                return &*step.shortcuts;
        return nullptr;
    }
    const std::wstring* Default(RegistryRoot root, const std::wstring& key) const {
        const RegistryValue* v = model.Value(root, key, L"");
        return v ? &v->text : nullptr;
    }
};

ShellIntegrationChoices AllShortcuts() {
    ShellIntegrationChoices c;
    c.installFolder = L"  C:\\Programme\\Lumapixel ";  // trimmed and closed by the plan
    c.createStartMenuGroup = c.createDesktopShortcut = c.createThumbnailsShortcut = true;
    return c;
}

ShellIntegrationChoices WithRows(std::initializer_list<std::size_t> rows, bool confirmed) {
    ShellIntegrationChoices c = AllShortcuts();
    for (std::size_t row : rows)
        c.associationFlags.Set(row);
    c.associationsRequested = true;
    c.confirmed = confirmed;
    return c;
}

Outcome Integrate(const Windows& w, const ShellIntegrationChoices& choices) {
    Outcome run;
    const int generation = w.generation;
    run.steps = PlanShellIntegration(choices, ClassifyWindowsVersionFlags(2, w.major, w.minor),
                                     [=] { return generation; });
    for (const auto& step : run.steps)
        run.model.Apply(step.registry);
    return run;
}

std::size_t Count(const ShortcutFolderPlan& plan, ShortcutOp::Kind kind) {
    std::size_t n = 0;
    for (const ShortcutOp& op : plan.ops)
        n += op.kind == kind;
    return n;
}

// Every class of the catalogue that exists with its text, command and icon key.
std::size_t CompleteClasses(const Outcome& run) {
    std::set<std::wstring> classes;
    for (const FileTypeGroup& row : FileTypeCatalogue())
        for (const FileTypeExtension& e : row.extensions)
            classes.insert(std::wstring(L"SOFTWARE\\Classes\\Lumapixel.") + e.className);
    std::size_t n = 0;
    for (const std::wstring& key : classes) {
        const std::wstring* command = run.Default(kHklm, key + L"\\shell\\open\\command");
        n += run.Default(kHklm, key) && run.Default(kHklm, key + L"\\DefaultIcon") && command &&
             *command == kOpen;
    }
    return n;
}

// Without any row chosen: every generation registers the viewer; Vista and later also list
// every class and capability, but claim only jpg, png and tif and touch no user choice.
TEST(ShellIntegrationPlan, EveryGenerationWithoutChosenRows) {
    for (const Windows& w : kWindows) {
        SCOPED_TRACE(w.name);
        const Outcome run = Integrate(w, AllShortcuts());
        const ShortcutFolderPlan* group = run.Shortcuts(S::kStartMenuGroup);
        ASSERT_TRUE(group);
        EXPECT_EQ(Count(*group, ShortcutOp::Kind::kCreate), w.generation == 8 ? 8u : 9u);
        EXPECT_EQ(Count(*group, ShortcutOp::Kind::kDelete), 2u);
        EXPECT_EQ(group->ops[0].shortcut.target, kViewer);
        ASSERT_TRUE(run.Shortcuts(S::kDesktopShortcuts));
        EXPECT_EQ(run.Shortcuts(S::kDesktopShortcuts)->ops.size(), 2u);

        EXPECT_EQ(*run.Default(kHklm, L"SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command"),
                  kOpen);
        EXPECT_EQ(run.model.ValueCount(kHklm, kUninstall), 10u);  // the default and nine
        EXPECT_EQ(CompleteClasses(run), w.vista() ? 69u : 0u);
        EXPECT_EQ(run.model.ValueCount(kHklm, kFileAssociations), w.vista() ? 87u : 0u);
        EXPECT_EQ(run.model.HasKey(kHklm, L"SOFTWARE\\Lumapixel"), w.vista());
        EXPECT_EQ(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\.jpg"), w.vista());
        EXPECT_EQ(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\.tif"), w.vista());
        EXPECT_FALSE(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\.jpeg"));
        EXPECT_FALSE(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\.bmp"));
        if (w.vista()) {
            EXPECT_EQ(*run.Default(kHklm, kVerbCommand), L"\"" + kViewer + L"\" \"%1\" /thumbs");
        } else {
            EXPECT_FALSE(run.model.HasKey(kHklm, kVerbCommand));
        }
        EXPECT_EQ(run.model.KeyCount(kHkcu), 0u);  // no Explorer, user choice or Store-app key
        EXPECT_EQ(run.Stages().back(), S::kFileTypeAssociations);  // nothing requested
    }
}

// "BMP/DIB" chosen, with the association question answered Yes or No.
TEST(ShellIntegrationPlan, ChosenRowForEachGenerationAndAnswer) {
    for (const Windows& w : kWindows) {
        for (bool confirmed : {true, false}) {
            SCOPED_TRACE(std::string(w.name) + (confirmed ? " yes" : " no"));
            const Outcome run = Integrate(w, WithRows({2}, confirmed));
            const bool associated = confirmed || w.vista();
            const std::vector<S> stages = run.Stages();
            EXPECT_EQ(stages.back() == S::kNotifications, associated);
            const bool storeApps = run.model.HasKey(kHkcu, kStoreApp);
            EXPECT_EQ(storeApps, associated && w.generation == 10);
            if (storeApps) {
                EXPECT_EQ(run.model.Value(kHkcu, kStoreApp, L"NoOpenWith")->text, L"");
            }
            for (const wchar_t* ext : {L"bmp", L"dib"}) {
                const std::wstring explorer = kFileExts + ext;
                const std::wstring machine = std::wstring(L"SOFTWARE\\Classes\\.") + ext;
                if (w.vista()) {
                    EXPECT_EQ(*run.Default(kHklm, machine), L"Lumapixel.bmp");
                    EXPECT_EQ(run.model.Value(kHkcu, explorer + L"\\UserChoice", L"Progid")->text,
                              L"Lumapixel.bmp");
                } else if (confirmed) {
                    EXPECT_EQ(*run.Default(kHkcu, explorer), L"");
                    EXPECT_EQ(run.model.Value(kHkcu, explorer, L"ProgID")->text, L"Lumapixel.bmp");
                    EXPECT_FALSE(run.model.HasKey(kHkcu, explorer + L"\\UserChoice"));
                    EXPECT_FALSE(run.model.HasKey(kHklm, machine));  // not for all users
                } else {
                    EXPECT_FALSE(run.model.HasKey(kHkcu, explorer));
                }
            }
            EXPECT_EQ(CompleteClasses(run), w.vista() ? 69u : (confirmed ? 1u : 0u));
        }
    }
}

// Windows 10 and 11 with every row: the Store-app markers only on 10, just before the
// notifications, which come last.
TEST(ShellIntegrationPlan, StageOrderOnWindows10And11) {
    ShellIntegrationChoices all = WithRows({}, true);
    all.associationFlags.SelectAll();
    const std::vector<S> common = {S::kStartMenuGroup,    S::kDesktopShortcuts,
                                   S::kFolderBrowseVerbs, S::kApplicationRegistration,
                                   S::kCapabilities,      S::kFileTypeAssociations};
    std::vector<S> ten = common;
    ten.insert(ten.end(), {S::kStoreAppSuppression, S::kNotifications});
    std::vector<S> eleven = common;
    eleven.push_back(S::kNotifications);
    const Outcome r10 = Integrate(kWindows[6], all);
    const Outcome r11 = Integrate(kWindows[7], all);
    EXPECT_EQ(r10.Stages(), ten);
    EXPECT_EQ(r11.Stages(), eleven);
    EXPECT_EQ(r10.model.ValueCount(kHklm, kFileAssociations), 87u);
    EXPECT_EQ(r10.model.SubkeyCount(kHkcu, kFileExts.substr(0, kFileExts.size() - 2)), 87u);
    EXPECT_EQ(r10.model.SubkeyCount(kHkcu, L"SOFTWARE\\Classes"), 5u);
    EXPECT_FALSE(r11.model.HasKey(kHkcu, L"SOFTWARE\\Classes"));
}

// The all-users choice moves the shortcuts to the common folders and changes no registry write.
TEST(ShellIntegrationPlan, AllUsersMovesOnlyTheShortcuts) {
    for (const Windows& w : {kWindows[0], kWindows[6]}) {
        ShellIntegrationChoices mine = WithRows({16}, true);
        ShellIntegrationChoices everyone = mine;
        everyone.allUsers = true;
        const Outcome a = Integrate(w, mine);
        const Outcome b = Integrate(w, everyone);
        EXPECT_EQ(a.Shortcuts(S::kStartMenuGroup)->csidl, kCsidlPrograms);
        EXPECT_EQ(b.Shortcuts(S::kStartMenuGroup)->csidl, kCsidlCommonPrograms);
        EXPECT_EQ(a.Shortcuts(S::kDesktopShortcuts)->csidl, kCsidlDesktop);
        EXPECT_EQ(b.Shortcuts(S::kDesktopShortcuts)->csidl, kCsidlCommonDesktop);
        ASSERT_EQ(a.steps.size(), b.steps.size());
        for (std::size_t i = 0; i < a.steps.size(); ++i) {
            ASSERT_EQ(a.steps[i].registry.size(), b.steps[i].registry.size());
            for (std::size_t j = 0; j < a.steps[i].registry.size(); ++j)
                EXPECT_EQ(test::Describe(a.steps[i].registry[j]),
                          test::Describe(b.steps[i].registry[j]));
        }
    }
}

// Without the group and without requested associations the generation is never probed; the
// group asks for it (the uninstaller shortcut depends on it).
TEST(ShellIntegrationPlan, GenerationIsProbedOnlyWhenNeeded) {
    int asked = 0;
    auto generation = [&] {
        ++asked;
        return 8;
    };
    ShellIntegrationChoices c;
    c.installFolder = kF;
    PlanShellIntegration(c, {false, true}, generation);
    EXPECT_EQ(asked, 0);
    c.createStartMenuGroup = true;
    const auto steps = PlanShellIntegration(c, {false, true}, generation);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Count(*steps.front().shortcuts, ShortcutOp::Kind::kCreate), 8u);
}

// An empty or blank install folder would turn every path into a relative "lumpix32.exe": the
// integration then writes nothing at all.
TEST(ShellIntegrationPlan, EmptyInstallFolderWritesNothing) {
    for (const wchar_t* folder : {L"", L"   "}) {
        ShellIntegrationChoices c = WithRows({2}, true);
        c.installFolder = folder;
        EXPECT_TRUE(PlanShellIntegration(c, {false, true}, [] { return 10; }).empty());
    }
}

}  // namespace
