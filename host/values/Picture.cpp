#include "host/values/Picture.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "host/values/Error.h"
#include "host/values/Units.h"

namespace host {

namespace {

int32_t PixelsToHimetric(int pixels, bool horizontal) {
    double twips = pixels * (horizontal ? Screen::TwipsPerPixelX() : Screen::TwipsPerPixelY());
    return static_cast<int32_t>(std::lround(ScaleX(twips, ScaleMode::Twips, ScaleMode::Himetric)));
}

PicturePtr FromBitmap(HBITMAP bitmap, PictureSource source) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    return std::make_shared<Picture>(PictureType::Bitmap, reinterpret_cast<uintptr_t>(bitmap),
                                     PixelsToHimetric(info.bmWidth, true), PixelsToHimetric(info.bmHeight, false),
                                     std::move(source));
}

PicturePtr FromIcon(HICON icon, PictureSource source) {
    ICONINFO info{};
    int width = 32, height = 32;
    if (GetIconInfo(icon, &info)) {
        BITMAP bm{};
        GetObjectW(info.hbmMask, sizeof bm, &bm);
        width = bm.bmWidth;
        height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
    }
    return std::make_shared<Picture>(PictureType::Icon, reinterpret_cast<uintptr_t>(icon),
                                     PixelsToHimetric(width, true), PixelsToHimetric(height, false),
                                     std::move(source));
}

constexpr char kBase64[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

std::wstring ToBase64(const std::vector<unsigned char>& bytes) {
    std::wstring out;
    for (size_t i = 0; i < bytes.size(); i += 3) {
        size_t n = std::min<size_t>(3, bytes.size() - i);
        uint32_t chunk = static_cast<uint32_t>(bytes[i]) << 16;
        if (n > 1) chunk |= static_cast<uint32_t>(bytes[i + 1]) << 8;
        if (n > 2) chunk |= bytes[i + 2];
        for (size_t k = 0; k < 4; ++k) out += k <= n ? static_cast<wchar_t>(kBase64[(chunk >> (18 - 6 * k)) & 63]) : L'=';
    }
    return out;
}

std::vector<unsigned char> FromBase64(const std::wstring& text) {
    std::vector<unsigned char> out;
    uint32_t chunk = 0;
    int bits = 0;
    for (wchar_t c : text) {
        if (c == L'=') break;
        const char* at = c < 128 ? std::strchr(kBase64, static_cast<char>(c)) : nullptr;
        if (!at || !c) Raise(err::InvalidPicture, L"picture data is not base64");
        chunk = (chunk << 6) | static_cast<uint32_t>(at - kBase64);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            out.push_back(static_cast<unsigned char>((chunk >> bits) & 0xFF));
        }
    }
    return out;
}

// A bitmap as the bytes of a 24-bit .bmp file.
std::vector<unsigned char> BitmapFileBytes(HBITMAP bitmap) {
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = info.bmWidth;
    bi.bmiHeader.biHeight = info.bmHeight;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    bi.bmiHeader.biCompression = BI_RGB;
    size_t stride = (static_cast<size_t>(info.bmWidth) * 3 + 3) & ~size_t{3};
    size_t pixels = stride * static_cast<size_t>(info.bmHeight);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;  // "BM"
    file.bfOffBits = sizeof file + sizeof bi.bmiHeader;
    file.bfSize = static_cast<DWORD>(file.bfOffBits + pixels);
    std::vector<unsigned char> bytes(file.bfSize);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(info.bmHeight), bytes.data() + file.bfOffBits, &bi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    std::memcpy(bytes.data(), &file, sizeof file);
    std::memcpy(bytes.data() + sizeof file, &bi.bmiHeader, sizeof bi.bmiHeader);
    return bytes;
}

// The bitmap of a .bmp file held in memory.
HBITMAP BitmapFromFileBytes(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER) || bytes[0] != 'B' || bytes[1] != 'M')
        Raise(err::InvalidPicture);
    BITMAPFILEHEADER file;
    BITMAPINFOHEADER header;
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&header, bytes.data() + sizeof file, sizeof header);
    if (header.biBitCount != 24 || header.biCompression != BI_RGB || header.biWidth <= 0 || header.biHeight == 0 ||
        header.biWidth > 32767 || header.biHeight > 32767 || header.biHeight < -32767)
        Raise(err::InvalidPicture);
    size_t stride = (static_cast<size_t>(header.biWidth) * 3 + 3) & ~size_t{3};
    size_t rows = static_cast<size_t>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
    if (file.bfOffBits > bytes.size() || bytes.size() - file.bfOffBits < stride * rows) Raise(err::InvalidPicture);
    BITMAPINFO bi{};
    bi.bmiHeader = header;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) Raise(err::InvalidPicture);
    std::memcpy(bits, bytes.data() + file.bfOffBits, stride * rows);
    return bitmap;
}

bool HasExtension(const std::wstring& file, const wchar_t* ext) {
    size_t n = wcslen(ext);
    return file.size() >= n && _wcsicmp(file.c_str() + file.size() - n, ext) == 0;
}

}  // namespace

Picture::Picture(PictureType type, uintptr_t handle, int32_t widthHimetric, int32_t heightHimetric,
                 PictureSource source)
    : type_(type), handle_(handle), width_(widthHimetric), height_(heightHimetric), source_(std::move(source)) {}

Picture::~Picture() {
    if (!handle_) return;
    switch (type_) {
    case PictureType::Bitmap: DeleteObject(reinterpret_cast<HBITMAP>(handle_)); break;
    case PictureType::Icon: DestroyIcon(reinterpret_cast<HICON>(handle_)); break;
    case PictureType::Metafile: DeleteMetaFile(reinterpret_cast<HMETAFILE>(handle_)); break;
    case PictureType::EnhMetafile: DeleteEnhMetaFile(reinterpret_cast<HENHMETAFILE>(handle_)); break;
    case PictureType::None: break;
    }
}

PicturePtr LoadPicture() {
    return std::make_shared<Picture>(PictureType::None, 0, 0, 0, PictureSource{});
}

PicturePtr LoadPicture(const std::wstring& file) {
    if (file.empty()) return LoadPicture();
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) Raise(err::FileNotFound);
    PictureSource source{PictureSource::Kind::File, file};
    if (HasExtension(file, L".ico") || HasExtension(file, L".cur")) {
        UINT type = HasExtension(file, L".cur") ? IMAGE_CURSOR : IMAGE_ICON;
        auto icon = static_cast<HICON>(LoadImageW(nullptr, file.c_str(), type, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE));
        if (!icon) Raise(err::InvalidPicture);
        return FromIcon(icon, std::move(source));
    }
    if (HasExtension(file, L".emf")) {
        HENHMETAFILE emf = GetEnhMetaFileW(file.c_str());
        if (!emf) Raise(err::InvalidPicture);
        ENHMETAHEADER header{};
        GetEnhMetaFileHeader(emf, sizeof header, &header);
        return std::make_shared<Picture>(PictureType::EnhMetafile, reinterpret_cast<uintptr_t>(emf),
                                         (header.rclFrame.right - header.rclFrame.left) / 10,
                                         (header.rclFrame.bottom - header.rclFrame.top) / 10, std::move(source));
    }
    auto bitmap = static_cast<HBITMAP>(LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0,
                                                  LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) Raise(err::InvalidPicture);
    return FromBitmap(bitmap, std::move(source));
}

PicturePtr LoadResPicture(const std::wstring& name) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    PictureSource source{PictureSource::Kind::Resource, name};
    if (auto bitmap = static_cast<HBITMAP>(LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
        return FromBitmap(bitmap, std::move(source));
    if (auto icon = static_cast<HICON>(LoadImageW(module, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)))
        return FromIcon(icon, std::move(source));
    Raise(err::InvalidPicture, L"No picture resource named " + name);
}

PictureSource Picture::SavedSource() const {
    if (source_.kind != PictureSource::Kind::Empty || !handle_) return source_;
    if (type_ != PictureType::Bitmap) Raise(err::InvalidPicture, L"This picture has no file or resource to save it by");
    return PictureSource{PictureSource::Kind::Data, ToBase64(BitmapFileBytes(reinterpret_cast<HBITMAP>(handle_)))};
}

PicturePtr LoadPictureFromSource(const PictureSource& source) {
    switch (source.kind) {
    case PictureSource::Kind::Data: return FromBitmap(BitmapFromFileBytes(FromBase64(source.name)), source);
    case PictureSource::Kind::Resource: return LoadResPicture(source.name);
    case PictureSource::Kind::File: return LoadPicture(source.name);
    case PictureSource::Kind::Empty: break;
    }
    return LoadPicture();
}

PicturePtr PictureFromBitmap(uintptr_t hbitmap) {
    return FromBitmap(reinterpret_cast<HBITMAP>(hbitmap), PictureSource{});
}

}  // namespace host
