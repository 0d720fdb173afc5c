// The stand-in viewer: a top-level window of class "Lumapixel" that shows what it was asked to
// open (a file or folder path, or "/thumbs"), so installers and tests can see how it was started.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "framework/unique_handle.h"

namespace lp {
namespace {

constexpr wchar_t kWindowClass[] = L"Lumapixel";

using unique_argv = unique_any<handle_traits::null_invalid<LPWSTR*, ::LocalFree>>;

// The arguments after the program name, one a line; a note when there are none.
std::wstring ArgumentsText() {
    int count = 0;
    unique_argv argv(CommandLineToArgvW(GetCommandLineW(), &count));
    std::wstring text;
    for (int i = 1; argv && i < count; ++i) {
        text += argv.get()[i];
        text += L"\r\n";
    }
    return text.empty() ? L"(kein Bild ge\u00f6ffnet)" : text;
}

void PaintContent(HWND window, HDC dc) {
    RECT area{};
    GetClientRect(window, &area);
    InflateRect(&area, -8, -8);
    FillRect(dc, &area, GetSysColorBrush(COLOR_WINDOW));
    const std::wstring text = ArgumentsText();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, DT_LEFT | DT_NOPREFIX);
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            PaintContent(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            PaintContent(window, reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(window, message, wParam, lParam);
    }
}

bool RegisterViewerClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace
}  // namespace lp

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    if (!lp::RegisterViewerClass(instance)) {
        return 1;
    }
    HWND window =
        CreateWindowExW(0, lp::kWindowClass, L"Lumapixel", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, 640, 400, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ShowWindow(window, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
