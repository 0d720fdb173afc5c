// RunInstall in the wizard: a stopping failure shows its message box and writes no log.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/install_sequence.h"
#include "install_log_support.h"
#include "scratch_folder_support.h"

namespace lp {
namespace {

// What the message box showed; filled by the hook, which also answers the box with OK.
struct ShownBox {
    int count = 0;
    std::wstring caption;
    std::wstring text;
    bool hasOk = false;
    bool hasNo = false;
};

ShownBox* g_shown = nullptr;

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {};
    GetWindowTextW(window, text, 1024);
    return text;
}

BOOL CALLBACK CollectStaticText(HWND child, LPARAM) {
    wchar_t className[32] = {};
    GetClassNameW(child, className, 32);
    if (lstrcmpiW(className, L"Static") == 0 && !WindowText(child).empty())
        g_shown->text = WindowText(child);
    return TRUE;
}

LRESULT CALLBACK AnswerMessageBox(int code, WPARAM wParam, LPARAM lParam) {
    const HWND box = reinterpret_cast<HWND>(wParam);
    wchar_t className[32] = {};
    if (code == HCBT_ACTIVATE)
        GetClassNameW(box, className, 32);
    if (g_shown && lstrcmpW(className, L"#32770") == 0) {  // the dialog class of message boxes
        ++g_shown->count;
        g_shown->caption = WindowText(box);
        EnumChildWindows(box, CollectStaticText, 0);
        g_shown->hasOk = GetDlgItem(box, IDOK) != nullptr;
        g_shown->hasNo = GetDlgItem(box, IDNO) != nullptr;
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(RunInstall, WizardShowsTheFailureInAMessageBoxWithTheCaption) {
    test::ScratchFolder scratch;
    test::CurrentDirectoryScope inScratch(scratch.path());
    ShownBox shown;
    g_shown = &shown;
    const HHOOK hook = SetWindowsHookExW(WH_CBT, AnswerMessageBox, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    InstallOptions options;
    options.caption = L"Lumapixel 32-bit Setup";
    const InstallOutcome outcome = RunInstall(options);
    UnhookWindowsHookEx(hook);
    g_shown = nullptr;

    EXPECT_EQ(outcome, InstallOutcome::kInvalidFolder);
    EXPECT_EQ(shown.count, 1);
    EXPECT_EQ(shown.caption, L"Lumapixel 32-bit Setup");
    EXPECT_EQ(shown.text, L"Ung\u00fcltiges Zielverzeichnis!");
    EXPECT_TRUE(shown.hasOk);
    EXPECT_FALSE(shown.hasNo);
    EXPECT_FALSE(test::FileExists(scratch / L"Lumapixel_Install.log"));
}

}  // namespace
}  // namespace lp
