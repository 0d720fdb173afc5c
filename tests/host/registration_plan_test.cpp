// The application registration and capabilities plans: exact order, keys, access and texts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry_plan_support.h"
#include "shell/registry_model.h"
#include "shell/registry_plan.h"

namespace {

using namespace lp;
using lp::test::Describe;
using lp::test::kFolder;
using lp::test::kOpen;
using lp::test::kViewer;

std::vector<std::wstring> DescribeAll(const RegistryPlan& plan) {
    std::vector<std::wstring> lines;
    for (const RegistryOp& op : plan)
        lines.push_back(Describe(op));
    return lines;
}

TEST(ApplicationRegistrationPlan, WritesClassApplicationAndUninstallKeysInOrder) {
    const std::vector<std::wstring> expected = {
        L"default HKLM\\SOFTWARE\\Classes\\Lumapixel=Lumapixel",
        L"default HKLM\\SOFTWARE\\Classes\\Lumapixel\\shell\\open\\command=" + kOpen,
        L"delete HKLM\\SOFTWARE\\Classes\\Lumapixel\\DefaultIcon",
        L"default HKCR\\Applications\\lumpix32.exe\\shell\\open\\command=" + kOpen,
        L"open-all HKCR\\Applications\\lumpix32.exe: FriendlyAppName=Lumapixel 32-bit",
        L"default HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel=",
        L"open-all HKLM\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel: "
        L"DisplayName=Lumapixel 4.66 (32-bit), "
        L"UninstallString=\"C:\\Programme\\Lumapixel\\lp_uninstall.exe\", Publisher=Quellmark, "
        L"InstallLocation=C:\\Programme\\Lumapixel\\, DisplayVersion=4.66, "
        L"DisplayIcon=C:\\Programme\\Lumapixel\\lumpix32.exe,0, VersionMajor=#4, "
        L"VersionMinor=#66, EstimatedSize=#6144",
    };
    EXPECT_EQ(DescribeAll(PlanApplicationRegistration(kFolder, kViewer, kOpen)), expected);
}

TEST(ApplicationRegistrationPlan, UninstallEntryHoldsExactlyItsTenValues) {
    RegistryModel model;
    const std::wstring entry =
        L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumapixel";
    model.SetValue(RegistryRoot::kLocalMachine, entry, {L"Comments", false, L"kept", 0});
    model.SetValue(RegistryRoot::kLocalMachine, entry, {L"DisplayName", false, L"old", 0});
    model.Apply(PlanApplicationRegistration(kFolder, kViewer, kOpen));
    // Default, the nine values, and the foreign value that stays.
    EXPECT_EQ(model.ValueCount(RegistryRoot::kLocalMachine, entry), 11u);
    EXPECT_EQ(model.Value(RegistryRoot::kLocalMachine, entry, L"displayname")->text,
              L"Lumapixel 4.66 (32-bit)");
    EXPECT_EQ(model.Value(RegistryRoot::kLocalMachine, entry, L"Comments")->text, L"kept");
    const RegistryValue* size = model.Value(RegistryRoot::kLocalMachine, entry, L"EstimatedSize");
    ASSERT_NE(size, nullptr);
    EXPECT_TRUE(size->isDword);
    EXPECT_EQ(size->number, 0x1800u);
}

TEST(ApplicationRegistrationPlan, DefaultIconWithSubkeysStaysWithoutSubkeysGoes) {
    const std::wstring icon = L"SOFTWARE\\Classes\\Lumapixel\\DefaultIcon";
    RegistryModel plain, nested;
    plain.SetValue(RegistryRoot::kLocalMachine, icon, {L"", false, L"x,1", 0});
    nested.CreateKey(RegistryRoot::kLocalMachine, icon + L"\\Sub");
    plain.Apply(PlanApplicationRegistration(kFolder, kViewer, kOpen));
    nested.Apply(PlanApplicationRegistration(kFolder, kViewer, kOpen));
    EXPECT_FALSE(plain.HasKey(RegistryRoot::kLocalMachine, icon));
    EXPECT_TRUE(nested.HasKey(RegistryRoot::kLocalMachine, icon));
}

// A folder near the path limit gives texts longer than 260 characters; they are kept whole.
TEST(ApplicationRegistrationPlan, LongInstallFolderIsKeptWhole) {
    const std::wstring folder = L"C:\\" + std::wstring(255, L'a') + L"\\";
    const std::wstring viewer = folder + L"lumpix32.exe";
    const RegistryPlan plan = PlanApplicationRegistration(folder, viewer, L"\"" + viewer + L"\"");
    const RegistryOp& uninstall = plan.back();
    EXPECT_EQ(uninstall.values[1].text, L"\"" + folder + L"lp_uninstall.exe\"");
    EXPECT_EQ(uninstall.values[5].text, viewer + L",0");
    EXPECT_EQ(PlanFolderBrowseVerbs(viewer)[1].text, L"\"" + viewer + L"\" \"%1\" /thumbs");
}

TEST(CapabilitiesPlan, CreatesTheCapabilitiesAndOnlyOpensRegisteredApplications) {
    const std::vector<std::wstring> expected = {
        L"create HKLM\\SOFTWARE\\Lumapixel",
        L"default HKLM\\SOFTWARE\\Lumapixel\\shell\\open\\command=\"" + kViewer + L"\"",
        L"create-values HKLM\\SOFTWARE\\Lumapixel\\Capabilities: ApplicationDescription=Picture "
        L"viewer, editor and converter - one of the most popular viewers worldwide",
        L"create HKLM\\SOFTWARE\\Lumapixel\\Capabilities\\FileAssociations",
        L"open-set HKLM\\SOFTWARE\\RegisteredApplications: "
        L"Lumapixel=SOFTWARE\\Lumapixel\\Capabilities",
    };
    EXPECT_EQ(DescribeAll(PlanCapabilities(kViewer)), expected);

    RegistryModel model;
    model.Apply(PlanCapabilities(kViewer));
    EXPECT_FALSE(model.HasKey(RegistryRoot::kLocalMachine, L"SOFTWARE\\RegisteredApplications"));
    model.CreateKey(RegistryRoot::kLocalMachine, L"software\\registeredapplications");
    model.Apply(PlanCapabilities(kViewer));
    EXPECT_EQ(model.ValueCount(RegistryRoot::kLocalMachine, L"SOFTWARE\\RegisteredApplications"),
              1u);
}

TEST(FolderBrowseVerbPlan, WritesDirectoryAndDriveVerbsInOrder) {
    const std::wstring command = L"\"" + kViewer + L"\" \"%1\" /thumbs";
    const std::vector<std::wstring> expected = {
        L"default HKLM\\SOFTWARE\\Classes\\Directory\\shell\\Durchsuchen mit "
        L"&Lumapixel=Durchsuchen mit &Lumapixel",
        L"default HKLM\\SOFTWARE\\Classes\\Directory\\shell\\Durchsuchen mit &Lumapixel\\command=" +
            command,
        L"default HKLM\\SOFTWARE\\Classes\\Drive\\shell\\Durchsuchen mit &Lumapixel=Durchsuchen "
        L"mit &Lumapixel",
        L"default HKLM\\SOFTWARE\\Classes\\Drive\\shell\\Durchsuchen mit &Lumapixel\\command=" +
            command,
    };
    EXPECT_EQ(DescribeAll(PlanFolderBrowseVerbs(kViewer)), expected);
}

TEST(StoreAppSuppressionPlan, MarksFiveStoreClassesWithAnEmptyNoOpenWith) {
    const RegistryPlan plan = PlanStoreAppSuppression();
    ASSERT_EQ(plan.size(), 5u);
    EXPECT_EQ(Describe(plan[0]),
              L"create-values HKCU\\SOFTWARE\\Classes\\AppXvhc4p7vz4b485xfp46hhk3fq3grkdgjg: "
              L"NoOpenWith=");
    EXPECT_EQ(plan[4].key, L"SOFTWARE\\Classes\\AppX6eg8h5sxqq90pv53845wmnbewywdqq5h");
    RegistryModel model;
    model.Apply(plan);
    for (const RegistryOp& op : plan) {
        const RegistryValue* v = model.Value(RegistryRoot::kCurrentUser, op.key, L"NoOpenWith");
        ASSERT_NE(v, nullptr);
        EXPECT_FALSE(v->isDword);
        EXPECT_TRUE(v->text.empty());
    }
}

}  // namespace
