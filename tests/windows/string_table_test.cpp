// The setup's German messages as LoadStringW returns them: umlauts and line breaks intact.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace lp {
namespace {

std::wstring LoadText(UINT id) {
    const wchar_t* text = nullptr;
    const int length =
        LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 ? std::wstring(text, static_cast<std::size_t>(length)) : std::wstring();
}

TEST(StringTable, HoldsEveryMessageWithItsExactText) {
    struct Case {
        UINT id;
        const wchar_t* text;
    };
    const Case cases[] = {
        {1, L"&Beenden"},
        {2, L"&Fertig stellen"},
        {3, L"Installation beenden?"},
        {5, L"Ung\u00fcltiges Zielverzeichnis!"},
        {6, L"Zielverzeichnis"},
        {7,
         L"Fehler beim Installieren!\n\n\u00dcberpr\u00fcfen Sie bitte ob Lumapixel l\u00e4uft, "
         L"das Zielverzeichnis voll ist oder keine Schreibrechte vorhanden sind!\n\n(Der "
         L"Installer sollte im ADMIN-Modus gestartet werden, z.B. den Installer mit der "
         L"rechten Maustaste anklicken)"},
        {8, L"Zielverzeichnis:"},
        {9,
         L"Sie m\u00f6chten die aktuellen Verkn\u00fcpfungen \u00e4ndern und einen oder mehrere "
         L"Dateitypen mit Lumapixel verkn\u00fcpfen!\n\nSind Sie sicher!?"},
        {10,
         L"Warnung: Lumapixel l\u00e4uft!\nBeenden Sie bitte Lumapixel bevor Sie mit der "
         L"Installation fortsetzen!"},
        {11,
         L"Kann Zielverzeichnis nicht erstellen!\n\nBitte \u00fcberpr\u00fcfen Sie Ihre "
         L"Schreibrechte und System-Policies!\n\nVersuchen Sie das Zielverzeichnis zuerst "
         L"h\u00e4ndisch zu erstellen."},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LoadText(c.id), c.text) << "string " << c.id;
    }
}

TEST(StringTable, UnusedIdsAreEmpty) {
    EXPECT_EQ(LoadText(4), L"");
    EXPECT_EQ(LoadText(12), L"");
}

TEST(StringTable, MessagesFitTheLoadBuffers) {
    // The running-viewer warning is loaded into 260 characters, the picker title into 50.
    EXPECT_LT(LoadText(10).size(), 260u);
    EXPECT_LT(LoadText(8).size(), 50u);
}

}  // namespace
}  // namespace lp
