// The stand-in uninstaller: says what it stands for and ends; it removes nothing.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    MessageBoxW(nullptr, L"Lumapixel deinstallieren (Platzhalter): es wird nichts entfernt.",
                L"Lumapixel", MB_OK | MB_ICONINFORMATION);
    return 0;
}
