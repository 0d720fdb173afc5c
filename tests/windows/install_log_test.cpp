// AppendInstallLog against the real file system: appending, encoding, line ends, date and time.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/install_log.h"
#include "install_log_support.h"
#include "scratch_folder_support.h"

namespace lp {
namespace {

using test::LoggedMessages;

TEST(AppendInstallLog, AppendsEntriesToTheLogOfTheCurrentDirectory) {
    test::ScratchFolder scratch;
    test::CurrentDirectoryScope inScratch(scratch.path());
    AppendInstallLog(L"erste Meldung");
    AppendInstallLog(L"Warnung: l\u00e4uft!\nzweite Zeile \u00c4\u00d6\u00dc\u00df \u20ac");

    const std::string bytes = test::ReadFileBytes(scratch / L"Lumapixel_Install.log");
    const std::vector<std::string> messages = LoggedMessages(bytes);
    ASSERT_EQ(messages.size(), 2u) << bytes;
    EXPECT_EQ(messages[0], "erste Meldung");
    EXPECT_EQ(messages[1], "Warnung: l\xe4uft!\r\nzweite Zeile \xc4\xd6\xdc\xdf ?");
}

TEST(AppendInstallLog, KeepsWhatTheLogHeldAndUsesTheUsersShortDate) {
    test::ScratchFolder scratch;
    test::CurrentDirectoryScope inScratch(scratch.path());
    ASSERT_TRUE(test::WriteFileBytes(scratch / L"Lumapixel_Install.log", "old\r\n"));
    AppendInstallLog(L"neu");

    wchar_t date[256] = {};
    GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, date, 256);
    std::string expectedStart = "old\r\n";
    for (const wchar_t* c = date; *c; ++c)
        expectedStart.push_back(static_cast<char>(*c));
    expectedStart += " - ";
    const std::string bytes = test::ReadFileBytes(scratch / L"Lumapixel_Install.log");
    EXPECT_EQ(bytes.substr(0, expectedStart.size()), expectedStart);
    EXPECT_EQ(LoggedMessages(bytes.substr(5)), std::vector<std::string>{"neu"});
}

TEST(AppendInstallLog, LosesTheEntrySilentlyWhenTheLogCannotBeOpened) {
    test::ScratchFolder scratch;
    test::CurrentDirectoryScope inScratch(scratch.path());
    // A folder of the log's name cannot be opened as a file.
    ASSERT_TRUE(CreateDirectoryW((scratch / L"Lumapixel_Install.log").c_str(), nullptr));
    AppendInstallLog(L"verloren");
    EXPECT_EQ(
        GetFileAttributesW((scratch / L"Lumapixel_Install.log").c_str()) & FILE_ATTRIBUTE_DIRECTORY,
        static_cast<DWORD>(FILE_ATTRIBUTE_DIRECTORY));
}

}  // namespace
}  // namespace lp
