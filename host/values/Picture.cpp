#include "host/values/Picture.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "host/values/Breakdown.h"
#include "host/values/Error.h"
#include "host/values/Text.h"
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
                                     PixelsToHimetric(width, true), PixelsToHimetric(height, false), std::move(source));
}

std::vector<unsigned char> PictureBytes(const std::wstring& base64) {
    std::optional<std::vector<unsigned char>> bytes = FromBase64(base64);
    if (!bytes) Raise(err::InvalidPicture, L"picture data is not base64");
    return std::move(*bytes);
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

constexpr LONG kLargestSide = 32767;

size_t RowBytes(const BITMAPINFOHEADER& header) {
    return (static_cast<size_t>(header.biWidth) * header.biBitCount + 31) / 32 * 4;
}

// The headers of a .bmp file, refused (error 481) unless they agree with the file's
// size: the system's loader trusts the offsets and sizes it finds and reads past the
// end of a broken file. Only uncompressed and run-length pixels are taken.
std::pair<BITMAPFILEHEADER, BITMAPINFOHEADER> CheckedBitmapHeaders(const std::vector<unsigned char>& bytes) {
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER header{};
    if (bytes.size() < sizeof file + sizeof header || bytes[0] != 'B' || bytes[1] != 'M') Raise(err::InvalidPicture);
    std::memcpy(&file, bytes.data(), sizeof file);
    std::memcpy(&header, bytes.data() + sizeof file, sizeof header);
    const WORD bits = header.biBitCount;
    const bool paletted = bits == 1 || bits == 4 || bits == 8;
    const bool runLength =
        (header.biCompression == BI_RLE8 && bits == 8) || (header.biCompression == BI_RLE4 && bits == 4);
    const bool plain =
        header.biCompression == BI_RGB || (header.biCompression == BI_BITFIELDS && (bits == 16 || bits == 32));
    if (!(paletted || bits == 16 || bits == 24 || bits == 32) || !(plain || runLength) || header.biPlanes != 1 ||
        header.biSize < sizeof header || header.biSize > bytes.size() || header.biWidth <= 0 ||
        header.biWidth > kLargestSide || header.biHeight == 0 || header.biHeight > kLargestSide ||
        header.biHeight < -kLargestSide || header.biClrUsed > 256 || (runLength && header.biHeight < 0))
        Raise(err::InvalidPicture);
    size_t colours = header.biClrUsed ? header.biClrUsed : paletted ? size_t{1} << bits : 0;
    size_t masks = header.biCompression == BI_BITFIELDS && header.biSize == sizeof header ? 3 * sizeof(DWORD) : 0;
    size_t headersEnd = sizeof file + header.biSize + masks + colours * sizeof(RGBQUAD);
    size_t rows = static_cast<size_t>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
    size_t pixels = runLength ? header.biSizeImage : RowBytes(header) * rows;
    if (headersEnd > bytes.size() || file.bfOffBits < headersEnd || file.bfOffBits > bytes.size() ||
        bytes.size() - file.bfOffBits < pixels || pixels == 0)
        Raise(err::InvalidPicture);
    return {file, header};
}

// The headers of an .ico or .cur file and of each image in it, refused (error 481)
// unless every image lies inside the file: the system's loader reads what they say.
void CheckIconFile(const std::vector<unsigned char>& bytes) {
    constexpr size_t kDirectory = 6, kEntry = 16;
    constexpr unsigned char kPng[] = {0x89, 'P', 'N', 'G'};
    auto word = [&bytes](size_t at) { return static_cast<size_t>(bytes[at] | bytes[at + 1] << 8); };
    auto dword = [&](size_t at) { return word(at) | word(at + 2) << 16; };
    if (bytes.size() < kDirectory || word(0) != 0 || (word(2) != 1 && word(2) != 2) || word(4) == 0 ||
        bytes.size() < kDirectory + kEntry * word(4))
        Raise(err::InvalidPicture);
    for (size_t i = 0; i < word(4); ++i) {
        size_t entry = kDirectory + kEntry * i, size = dword(entry + 8), offset = dword(entry + 12);
        if (offset > bytes.size() || bytes.size() - offset < size || size < sizeof(BITMAPINFOHEADER))
            Raise(err::InvalidPicture);
        if (std::equal(std::begin(kPng), std::end(kPng), bytes.begin() + static_cast<ptrdiff_t>(offset))) continue;
        BITMAPINFOHEADER header{};
        std::memcpy(&header, bytes.data() + offset, sizeof header);
        WORD bits = header.biBitCount;
        bool paletted = bits == 1 || bits == 4 || bits == 8;
        LONG rows = header.biHeight / 2;  // the colour image, then its mask
        if (header.biSize != sizeof header || !(paletted || bits == 16 || bits == 24 || bits == 32) ||
            header.biCompression != BI_RGB || header.biPlanes != 1 || header.biWidth <= 0 || header.biWidth > 256 ||
            rows <= 0 || rows > 256 || header.biClrUsed > 256)
            Raise(err::InvalidPicture);
        size_t colours = header.biClrUsed ? header.biClrUsed : paletted ? size_t{1} << bits : 0;
        size_t mask = (static_cast<size_t>(header.biWidth) + 31) / 32 * 4 * static_cast<size_t>(rows);
        if (sizeof header + colours * sizeof(RGBQUAD) + RowBytes(header) * static_cast<size_t>(rows) + mask > size)
            Raise(err::InvalidPicture);
    }
}

std::vector<unsigned char> FileBytes(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) Raise(err::FileNotFound);
    LARGE_INTEGER size{};
    std::vector<unsigned char> bytes;
    DWORD read = 0;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart < (1LL << 30);
    if (ok) bytes.resize(static_cast<size_t>(size.QuadPart));
    ok = ok && ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) && read == bytes.size();
    CloseHandle(file);
    if (!ok) Raise(err::InvalidPicture);
    return bytes;
}

// The bitmap of a .bmp file held in memory, as this host saves them: 24 bits a pixel.
HBITMAP BitmapFromFileBytes(const std::vector<unsigned char>& bytes) {
    auto [file, header] = CheckedBitmapHeaders(bytes);
    if (header.biBitCount != 24 || header.biCompression != BI_RGB) Raise(err::InvalidPicture);
    size_t rows = static_cast<size_t>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
    size_t stride = RowBytes(header);
    BITMAPINFO bi{};
    bi.bmiHeader = header;
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;  // a longer header's extra fields are not copied
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

PicturePtr LoadPicture() { return std::make_shared<Picture>(PictureType::None, 0, 0, 0, PictureSource{}); }

PicturePtr LoadPicture(const std::wstring& file) {
    breakdown::Scope counted(breakdown::Work::Pictures);
    if (file.empty()) return LoadPicture();
    if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) Raise(err::FileNotFound);
    PictureSource source{PictureSource::Kind::File, file};
    if (HasExtension(file, L".ico") || HasExtension(file, L".cur")) {
        CheckIconFile(FileBytes(file));
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
    CheckedBitmapHeaders(FileBytes(file));
    auto bitmap = static_cast<HBITMAP>(
        LoadImageW(nullptr, file.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION));
    if (!bitmap) Raise(err::InvalidPicture);
    return FromBitmap(bitmap, std::move(source));
}

namespace {

PicturePtr DecodeResPicture(const std::wstring& name) {
    HINSTANCE module = GetModuleHandleW(nullptr);
    PictureSource source{PictureSource::Kind::Resource, name};
    if (auto bitmap = static_cast<HBITMAP>(LoadImageW(module, name.c_str(), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)))
        return FromBitmap(bitmap, std::move(source));
    if (auto icon = static_cast<HICON>(LoadImageW(module, name.c_str(), IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)))
        return FromIcon(icon, std::move(source));
    Raise(err::InvalidPicture, L"No picture resource named " + name);
}

}  // namespace

// Pictures never change, so a resource picture is decoded once and shared while
// anything holds it: every title-bar button holds the same twelve looks, every
// option button the same eight states.
PicturePtr LoadResPicture(const std::wstring& name) {
    breakdown::Scope counted(breakdown::Work::Pictures);
    static std::map<std::wstring, std::weak_ptr<Picture>> shared;
    std::weak_ptr<Picture>& entry = shared[name];
    if (PicturePtr held = entry.lock()) return held;
    PicturePtr picture = DecodeResPicture(name);
    entry = picture;
    return picture;
}

PictureSource Picture::SavedSource() const {
    if (source_.kind != PictureSource::Kind::Empty || !handle_) return source_;
    if (type_ != PictureType::Bitmap) Raise(err::InvalidPicture, L"This picture has no file or resource to save it by");
    return PictureSource{PictureSource::Kind::Data, ToBase64(BitmapFileBytes(reinterpret_cast<HBITMAP>(handle_)))};
}

PicturePtr LoadPictureFromSource(const PictureSource& source) {
    breakdown::Scope counted(breakdown::Work::Pictures);
    switch (source.kind) {
    case PictureSource::Kind::Data: return FromBitmap(BitmapFromFileBytes(PictureBytes(source.name)), source);
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
