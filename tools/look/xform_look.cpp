// Shows a borderless form framed by a title bar, with a title-bar button in the
// title bar's socket as the main window has it, and saves the form's client area
// as a .bmp file to look at.
// Usage: xform_look OUT.bmp
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <vector>

#include "MessagePump.h"
#include "controls/TopBt/TopBt.h"
#include "controls/xForm/xForm.h"
#include "host/forms/Form.h"

namespace {

using namespace std::chrono_literals;

constexpr double kClientWidth = 8775;  // 585 x 633 pixels
constexpr double kClientHeight = 9495;
constexpr double kButtonLeft = 8040;
constexpr double kButtonTop = 45;
constexpr double kButtonSide = 285;

// The window's client area as 32-bit pixels, bottom row first.
std::vector<unsigned char> CaptureClient(HWND hwnd, BITMAPINFOHEADER& header) {
    RECT client;
    GetClientRect(hwnd, &client);
    header = BITMAPINFOHEADER{};
    header.biSize = sizeof header;
    header.biWidth = client.right;
    header.biHeight = client.bottom;
    header.biPlanes = 1;
    header.biBitCount = 32;
    header.biCompression = BI_RGB;
    std::vector<unsigned char> pixels(static_cast<size_t>(client.right) * client.bottom * 4);
    HDC window = GetDC(hwnd);
    HDC memory = CreateCompatibleDC(window);
    HBITMAP bitmap = CreateCompatibleBitmap(window, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, client.right, client.bottom, window, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(client.bottom), pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, window);
    return pixels;
}

bool WriteBitmapFile(const wchar_t* path, const BITMAPINFOHEADER& header, const std::vector<unsigned char>& pixels) {
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof header;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&header), sizeof header);
    out.write(reinterpret_cast<const char*>(pixels.data()), static_cast<std::streamsize>(pixels.size()));
    return out.good();
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: xform_look OUT.bmp\n", stderr);
        return 2;
    }
    host::Form form(L"Form1");
    form.SetBorderStyle(host::Form::BorderStyle::None);
    form.SetClientSize(kClientWidth, kClientHeight);

    auto& bar = form.Add(std::make_unique<controls::xForm>(L"xForm1"));
    bar.Move(0, 0, kClientWidth, kClientHeight);
    host::PropertyBag barBag;
    barBag.WriteProperty(L"Caption", L"微信公众平台自动投票器");
    bar.Load(&barBag);

    auto& button = bar.Add(std::make_unique<controls::TopBt>(L"TopBt3"));
    button.Move(kButtonLeft, kButtonTop, kButtonSide, kButtonSide);
    host::PropertyBag buttonBag;
    buttonBag.WriteProperty(L"Value", host::Variant::Lng(1));
    button.Load(&buttonBag);

    SetWindowPos(form.hWnd(), nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    form.Show();
    testsupport::PumpMessagesFor(500ms);

    BITMAPINFOHEADER header;
    std::vector<unsigned char> pixels = CaptureClient(form.hWnd(), header);
    return WriteBitmapFile(argv[1], header, pixels) ? 0 : 1;
}
