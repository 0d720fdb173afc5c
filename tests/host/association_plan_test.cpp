// The file type association plan for each Windows generation, applied to the registry model.
#include <gtest/gtest.h>

#include <string>

#include "registry_plan_support.h"
#include "shell/registry_model.h"
#include "shell/registry_plan.h"

namespace {

using namespace lp;
using lp::test::Describe;
using lp::test::kOpen;
using lp::test::kViewer;

const auto kHklm = RegistryRoot::kLocalMachine;
const auto kHkcu = RegistryRoot::kCurrentUser;
const std::wstring kFileAssociations = L"SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations";
const std::wstring kFileExts =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\FileExts\\.";

enum class Windows { kXp, kVista, k7, k8, k10 };

struct Outcome {
    RegistryModel model;
    RegistryPlan plan;
};

// Applies the capabilities first (as the installation does), then the associations.
Outcome Associate(Windows windows, const AssociationFlags& flags, bool forAllUsers = false) {
    const bool xp = windows == Windows::kXp;
    Outcome run;
    if (!xp)
        run.model.Apply(PlanCapabilities(kViewer));
    run.plan = PlanFileTypeAssociations(flags, kOpen, kViewer, xp, !xp, forAllUsers);
    run.model.Apply(run.plan);
    return run;
}

AssociationFlags Rows(std::initializer_list<std::size_t> rows) {
    AssociationFlags flags;
    for (std::size_t row : rows)
        flags.Set(row);
    return flags;
}

std::size_t CountClasses(const RegistryModel& model) {
    std::size_t count = 0;
    for (const auto* name : {L"bmp", L"jpg", L"mpe", L"mpg", L"au", L"hdp"})
        if (model.HasKey(kHklm, std::wstring(L"SOFTWARE\\Classes\\Lumapixel.") + name))
            ++count;
    return count;
}

const std::wstring* Default(const RegistryModel& model, RegistryRoot root,
                            const std::wstring& key) {
    const RegistryValue* v = model.Value(root, key, L"");
    return v ? &v->text : nullptr;
}

TEST(FileTypeAssociationPlan, XpWithoutSelectionWritesNothing) {
    EXPECT_TRUE(PlanFileTypeAssociations({}, kOpen, kViewer, true, false, true).empty());
    // Windows 2000 (neither flag) with nothing selected as well.
    EXPECT_TRUE(PlanFileTypeAssociations({}, kOpen, kViewer, false, false, false).empty());
}

// On Vista and later every extension passes, selected or not: 69 classes and 87 capability
// values, machine-wide defaults only for jpg, png and tif, no user choice at all.
TEST(FileTypeAssociationPlan, VistaAndLaterWithoutSelectionRegistersEveryClass) {
    for (Windows windows : {Windows::kVista, Windows::k7, Windows::k8, Windows::k10}) {
        Outcome run = Associate(windows, {});
        EXPECT_EQ(run.model.ValueCount(kHklm, kFileAssociations), 87u);
        EXPECT_EQ(run.model.SubkeyCount(kHklm, L"SOFTWARE\\Classes"), 69u + 3u);
        EXPECT_EQ(*Default(run.model, kHklm, L"SOFTWARE\\Classes\\.jpg"), L"Lumapixel.jpg");
        EXPECT_EQ(*Default(run.model, kHklm, L"SOFTWARE\\Classes\\.PNG"), L"Lumapixel.png");
        EXPECT_EQ(*Default(run.model, kHklm, L"SOFTWARE\\Classes\\.tif"), L"Lumapixel.tif");
        for (const auto* sibling : {L".jpeg", L".jfif", L".jpe", L".tiff", L".bmp"})
            EXPECT_FALSE(run.model.HasKey(kHklm, std::wstring(L"SOFTWARE\\Classes\\") + sibling));
        EXPECT_EQ(run.model.KeyCount(kHkcu), 0u);
        EXPECT_EQ(CountClasses(run.model), 6u);
    }
}

TEST(FileTypeAssociationPlan, ClassTextsCommandsAndIcons) {
    Outcome run = Associate(Windows::k10, {});
    struct ClassCase {
        const wchar_t* className;
        std::wstring type;
        std::wstring icon;
    };
    const ClassCase cases[] = {
        {L"cur", L"Lumapixel CUR File", L"%1"},
        {L"ani", L"Lumapixel ANI File", L"%1"},
        {L"ico", L"Lumapixel ICO File", L"%1"},
        {L"avi", L"Lumapixel AVI File", kViewer + L",9"},
        {L"wav", L"Lumapixel WAV File", kViewer + L",8"},
        {L"png", L"Lumapixel PNG File", kViewer + L",0"},
        {L"jp2", L"Lumapixel JP2 File", kViewer + L",0"},
        {L"heic", L"Lumapixel HEIC File", kViewer + L",0"},
        {L"mp3", L"Lumapixel MP3 File", kViewer + L",8"},
    };
    for (const ClassCase& c : cases) {
        const std::wstring key = std::wstring(L"SOFTWARE\\Classes\\Lumapixel.") + c.className;
        EXPECT_EQ(*Default(run.model, kHklm, key), c.type);
        EXPECT_EQ(*Default(run.model, kHklm, key + L"\\shell\\open\\command"), kOpen);
        EXPECT_EQ(*Default(run.model, kHklm, key + L"\\DefaultIcon"), c.icon);
    }
    EXPECT_EQ(run.model.Value(kHklm, kFileAssociations, L".dib")->text, L"Lumapixel.bmp");
    EXPECT_EQ(run.model.Value(kHklm, kFileAssociations, L".mpeg")->text, L"Lumapixel.mpg");
    EXPECT_EQ(run.model.Value(kHklm, kFileAssociations, L".mpe")->text, L"Lumapixel.mpe");
}

// Order of one selected extension on Windows 7: extension, class, command, icon, capability,
// then the fresh user choice.
TEST(FileTypeAssociationPlan, SelectedExtensionOnWindows7InOrder) {
    const RegistryPlan plan =
        PlanFileTypeAssociations(Rows({2}), kOpen, kViewer, false, true, false);
    std::vector<std::wstring> dib;
    for (const RegistryOp& op : plan) {
        const std::wstring line = Describe(op);
        if (line.find(L"dib") != std::wstring::npos)
            dib.push_back(line);
    }
    const std::vector<std::wstring> expected = {
        L"default HKLM\\SOFTWARE\\Classes\\.dib=Lumapixel.bmp",
        L"open-set HKLM\\" + kFileAssociations + L": .dib=Lumapixel.bmp",
        L"recreate HKCU\\" + kFileExts + L"dib\\UserChoice: Progid=Lumapixel.bmp",
    };
    EXPECT_EQ(dib, expected);
    // Rows 0 and 1 are not selected: class, command, icon and capability, four each.
    const std::wstring bmpClass = L"HKLM\\SOFTWARE\\Classes\\Lumapixel.bmp";
    const std::vector<std::wstring> bmp = {
        L"default HKLM\\SOFTWARE\\Classes\\.bmp=Lumapixel.bmp",
        L"default " + bmpClass + L"=Lumapixel BMP File",
        L"default " + bmpClass + L"\\shell\\open\\command=" + kOpen,
        L"default " + bmpClass + L"\\DefaultIcon=" + kViewer + L",0",
        L"open-set HKLM\\" + kFileAssociations + L": .bmp=Lumapixel.bmp",
        L"recreate HKCU\\" + kFileExts + L"bmp\\UserChoice: Progid=Lumapixel.bmp",
    };
    ASSERT_GE(plan.size(), 8u + bmp.size());
    for (std::size_t i = 0; i < bmp.size(); ++i)
        EXPECT_EQ(Describe(plan[8 + i]), bmp[i]) << i;
}

TEST(FileTypeAssociationPlan, SelectionReplacesOldUserChoiceOnVistaAndLater) {
    RegistryModel model;
    model.Apply(PlanCapabilities(kViewer));
    const std::wstring choice = kFileExts + L"bmp\\UserChoice";
    model.SetValue(kHkcu, choice, {L"Progid", false, L"Other.bmp", 0});
    model.SetValue(kHkcu, choice, {L"Hash", false, L"abc", 0});
    model.Apply(PlanFileTypeAssociations(Rows({2}), kOpen, kViewer, false, true, false));
    EXPECT_EQ(model.ValueCount(kHkcu, choice), 1u);
    EXPECT_EQ(model.Value(kHkcu, choice, L"ProgId")->text, L"Lumapixel.bmp");
    EXPECT_EQ(model.Value(kHkcu, kFileExts + L"dib\\UserChoice", L"Progid")->text,
              L"Lumapixel.bmp");
    EXPECT_EQ(*Default(model, kHklm, L"SOFTWARE\\Classes\\.dib"), L"Lumapixel.bmp");
    EXPECT_FALSE(model.HasKey(kHkcu, kFileExts + L"gif"));
}

TEST(FileTypeAssociationPlan, XpSelectionWritesPerUserExplorerKeys) {
    for (bool forAllUsers : {false, true}) {
        Outcome run = Associate(Windows::kXp, Rows({16}), forAllUsers);
        const std::wstring explorer = kFileExts + L"gif";
        EXPECT_EQ(*Default(run.model, kHkcu, explorer), L"");
        EXPECT_EQ(run.model.Value(kHkcu, explorer, L"ProgID")->text, L"Lumapixel.gif");
        EXPECT_EQ(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\.gif"), forAllUsers);
        EXPECT_FALSE(run.model.HasKey(kHkcu, explorer + L"\\UserChoice"));
        EXPECT_FALSE(run.model.HasKey(kHklm, L"SOFTWARE\\Lumapixel"));
        EXPECT_FALSE(run.model.HasKey(kHklm, L"SOFTWARE\\Classes\\Lumapixel.png"));
        EXPECT_EQ(*Default(run.model, kHklm, L"SOFTWARE\\Classes\\Lumapixel.gif"),
                  L"Lumapixel GIF File");
    }
}

// The Explorer key is written through its default first, so the KEY_ALL_ACCESS open finds it.
TEST(FileTypeAssociationPlan, XpExplorerDefaultComesBeforeTheProgIdOpen) {
    const RegistryPlan plan =
        PlanFileTypeAssociations(Rows({16}), kOpen, kViewer, true, false, false);
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(Describe(plan[0]), L"default HKCU\\" + kFileExts + L"gif=");
    EXPECT_EQ(Describe(plan[1]), L"open-all HKCU\\" + kFileExts + L"gif: ProgID=Lumapixel.gif");
}

TEST(FileTypeAssociationPlan, ImagesOnlyAndAllSelections) {
    AssociationFlags images, all;
    images.SelectImagesOnly();
    all.SelectAll();
    struct SelectionCase {
        AssociationFlags flags;
        std::size_t userChoices;
    };
    for (const SelectionCase& c : {SelectionCase{images, 68}, SelectionCase{all, 87}}) {
        Outcome run = Associate(Windows::k10, c.flags);
        std::size_t userChoices = 0;
        for (const RegistryOp& op : run.plan)
            if (op.kind == RegistryOp::Kind::kRecreateKey)
                ++userChoices;
        EXPECT_EQ(userChoices, c.userChoices);
        EXPECT_EQ(run.model.SubkeyCount(kHklm, L"SOFTWARE\\Classes"), 69u + c.userChoices);
        // XP: the same selection gives one ProgID per extension and no capability.
        Outcome xp = Associate(Windows::kXp, c.flags);
        EXPECT_EQ(xp.model.SubkeyCount(kHkcu, kFileExts.substr(0, kFileExts.size() - 2)),
                  c.userChoices);
    }
}

// The all-users choice belongs to XP and Server 2003; later systems ignore it.
TEST(FileTypeAssociationPlan, AllUsersChoiceChangesNothingAfterXp) {
    std::vector<std::wstring> without, with;
    for (const RegistryOp& op :
         PlanFileTypeAssociations(Rows({2, 31}), kOpen, kViewer, false, true, false))
        without.push_back(Describe(op));
    for (const RegistryOp& op :
         PlanFileTypeAssociations(Rows({2, 31}), kOpen, kViewer, false, true, true))
        with.push_back(Describe(op));
    EXPECT_EQ(without, with);
}

TEST(FileTypeAssociationPlan, MissingCapabilitiesKeyGetsNoValueAndIsNotCreated) {
    RegistryModel model;
    model.Apply(PlanFileTypeAssociations({}, kOpen, kViewer, false, true, false));
    EXPECT_FALSE(model.HasKey(kHklm, kFileAssociations));
    EXPECT_FALSE(model.HasKey(kHklm, L"SOFTWARE\\Lumapixel"));
}

}  // namespace
