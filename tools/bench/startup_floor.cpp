// The floor for any window of ours under Wine: a borderless 584 x 634 window in
// the middle of the screen that paints one line of text in 宋体 and holds one edit
// box in that font, on plain user32 and gdi32 (tools/bench-startup).
#include <windows.h>

namespace {

constexpr int kWidth = 584;
constexpr int kHeight = 634;
constexpr int kMargin = 16;
constexpr int kEditWidth = 300;
constexpr int kEditHeight = 22;
constexpr int kPointsTimesTen = 105;  // 10.5 points, the main window's size
constexpr wchar_t kLine[] = L"正在连接微信平台...";

HFONT font;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(hwnd, &paint);
        HGDIOBJ old = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        TextOutW(dc, kMargin, kMargin, kLine, static_cast<int>(wcslen(kLine)));
        SelectObject(dc, old);
        EndPaint(hwnd, &paint);
        return 0;
    }
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, msg, wParam, lParam);
    }
}

HFONT SongFont() {
    HDC screen = GetDC(nullptr);
    int height = -MulDiv(kPointsTimesTen, GetDeviceCaps(screen, LOGPIXELSY), 720);
    ReleaseDC(nullptr, screen);
    return CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"宋体");
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    font = SongFont();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = L"StartupFloor";
    RegisterClassW(&windowClass);
    int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"Startup floor", WS_POPUP | WS_CLIPCHILDREN, x, y,
                                  kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    HWND edit =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, kMargin,
                        2 * kMargin + kEditHeight, kEditWidth, kEditHeight, window, nullptr, instance, nullptr);
    SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    ShowWindow(window, SW_SHOW);
    SetFocus(edit);
    UpdateWindow(window);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(font);
    return 0;
}
