#include "host/Picture.h"

#include <windows.h>

#include <cmath>

#include "host/Error.h"
#include "host/Units.h"

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

PicturePtr LoadPictureFromSource(const PictureSource& source) {
    switch (source.kind) {
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
