// RunInstall's stopping failures and their install-log lines, and the file size it measures.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/file_size.h"
#include "app/install_sequence.h"
#include "app/silent_install.h"
#include "install_log_support.h"
#include "scratch_folder_support.h"

namespace lp {
namespace {

const std::wstring kInvalidFolder = L"Ung\u00fcltiges Zielverzeichnis!";
const std::wstring kExtractionError =
    L"Fehler beim Installieren!\n\n\u00dcberpr\u00fcfen Sie bitte ob Lumapixel l\u00e4uft, das "
    L"Zielverzeichnis voll ist oder keine Schreibrechte vorhanden sind!\n\n(Der Installer sollte "
    L"im ADMIN-Modus gestartet werden, z.B. den Installer mit der rechten Maustaste anklicken)";
const std::wstring kFolderError =
    L"Kann Zielverzeichnis nicht erstellen!\n\nBitte \u00fcberpr\u00fcfen Sie Ihre Schreibrechte "
    L"und System-Policies!\n\nVersuchen Sie das Zielverzeichnis zuerst h\u00e4ndisch zu "
    L"erstellen.";
const std::wstring kViewerRunning =
    L"Warnung: Lumapixel l\u00e4uft!\nBeenden Sie bitte Lumapixel bevor Sie mit der "
    L"Installation fortsetzen!";

InstallOptions SilentOptions(const std::wstring& folder) {
    InstallOptions options;
    options.installFolder = folder;
    options.silent = 1;
    return options;
}

// Runs a silent installation in a scratch current directory and returns what it logged.
struct SilentRun {
    InstallOutcome outcome;
    std::vector<std::string> messages;
};

SilentRun RunSilentIn(const test::ScratchFolder& scratch, const std::wstring& folder) {
    test::CurrentDirectoryScope inScratch(scratch.path());
    const InstallOutcome outcome = RunInstall(SilentOptions(folder));
    return {outcome, test::LoggedMessages(test::ReadFileBytes(scratch / L"Lumapixel_Install.log"))};
}

using Messages = std::vector<std::string>;

TEST(RunInstall, EmptyFolderIsFailure5WithTheMessageFirst) {
    test::ScratchFolder scratch;
    const SilentRun run = RunSilentIn(scratch, L"");
    EXPECT_EQ(run.outcome, InstallOutcome::kInvalidFolder);
    EXPECT_EQ(run.messages, Messages{test::LogBytes(kInvalidFolder + L": ")});
}

TEST(RunInstall, BlankFolderIsFailure11NotFailure5) {
    test::ScratchFolder scratch;
    const SilentRun run = RunSilentIn(scratch, L"   ");
    EXPECT_EQ(run.outcome, InstallOutcome::kFolderNotCreated);
    EXPECT_EQ(run.messages, Messages{test::LogBytes(kFolderError + L": ")});
}

TEST(RunInstall, UncreatableFolderIsFailure11WithTheNormalisedFolder) {
    test::ScratchFolder scratch;
    ASSERT_TRUE(test::WriteFileBytes(scratch / L"file", "x"));
    const SilentRun run = RunSilentIn(scratch, (scratch / L"file\\Lumapixel ") + L"  ");
    EXPECT_EQ(run.outcome, InstallOutcome::kFolderNotCreated);
    EXPECT_EQ(run.messages,
              Messages{test::LogBytes(kFolderError + L": " + (scratch / L"file\\Lumapixel\\"))});
}

TEST(RunInstall, OverlongFolderIsRefusedAsInvalidWithoutCreatingIt) {
    test::ScratchFolder scratch;
    std::wstring folder = scratch / L"long\\";
    folder += std::wstring(259 - folder.size(), L'x');  // 259 characters, no closing backslash
    const SilentRun run = RunSilentIn(scratch, folder);
    EXPECT_EQ(run.outcome, InstallOutcome::kInvalidFolder);
    EXPECT_EQ(run.messages, Messages{test::LogBytes(kInvalidFolder + L": " + folder)});
    EXPECT_FALSE(test::FileExists(scratch / L"long"));
}

TEST(RunInstall, FailedExtractionIsFailure7WithTheFolderFirstAndKeepsTheFolders) {
    // The test program carries no payload resource, so the extraction fails.
    test::ScratchFolder scratch;
    const SilentRun run = RunSilentIn(scratch, scratch / L"Ziel \u00e9\u4e2d");
    EXPECT_EQ(run.outcome, InstallOutcome::kExtractionFailed);
    EXPECT_EQ(run.messages, Messages{test::LogBytes((scratch / L"Ziel \u00e9\u4e2d\\") + L": " +
                                                    kExtractionError)});
    EXPECT_NE(GetFileAttributesW((scratch / L"Ziel \u00e9\u4e2d\\Plugins").c_str()),
              INVALID_FILE_ATTRIBUTES);
}

TEST(RunInstall, TwoFailedRunsLeaveTwoEntries) {
    test::ScratchFolder scratch;
    RunSilentIn(scratch, L"");
    const SilentRun second = RunSilentIn(scratch, L"");
    EXPECT_EQ(second.messages.size(), 2u);
}

TEST(RefuseBesideRunningViewer, LogsTheWarningOnTwoLines) {
    test::ScratchFolder scratch;
    test::CurrentDirectoryScope inScratch(scratch.path());
    EXPECT_EQ(RefuseBesideRunningViewer(), InstallOutcome::kViewerRunning);
    EXPECT_EQ(test::LoggedMessages(test::ReadFileBytes(scratch / L"Lumapixel_Install.log")),
              Messages{test::LogBytes(kViewerRunning)});
}

TEST(GetFileSizeInBytes, MeasuresFilesAndGivesZeroForWhatItCannotOpen) {
    test::ScratchFolder scratch;
    ASSERT_TRUE(test::WriteFileBytes(scratch / L"five", "12345"));
    ASSERT_TRUE(test::WriteFileBytes(scratch / L"big", std::string(226816, 'b')));
    ASSERT_TRUE(test::WriteFileBytes(scratch / L"empty", ""));
    EXPECT_EQ(GetFileSizeInBytes(scratch / L"five"), 5);
    EXPECT_EQ(GetFileSizeInBytes(scratch / L"big"), 226816);
    EXPECT_EQ(GetFileSizeInBytes(scratch / L"empty"), 0);
    EXPECT_EQ(GetFileSizeInBytes(scratch / L"missing"), 0);
    EXPECT_EQ(GetFileSizeInBytes(L""), 0);
}

}  // namespace
}  // namespace lp
