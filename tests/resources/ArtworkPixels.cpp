#include "ArtworkPixels.h"

#include <memory>
#include <type_traits>

namespace {

struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const { DeleteObject(bitmap); }
};
struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};

}  // namespace

ArtworkPixels LoadArtwork(const wchar_t* name) {
    const std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter> bitmap(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    if (!bitmap || GetObjectW(bitmap.get(), sizeof info, &info) == 0) {
        return {};
    }
    ArtworkPixels pixels{info.bmWidth, info.bmHeight,
                         std::vector<uint32_t>(static_cast<size_t>(info.bmWidth) * info.bmHeight)};
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight;  // top-down rows
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    const std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter> dc(CreateCompatibleDC(nullptr));
    if (GetDIBits(dc.get(), bitmap.get(), 0, info.bmHeight, pixels.rgb.data(), &request, DIB_RGB_COLORS) !=
        info.bmHeight) {
        return {};
    }
    for (uint32_t& pixel : pixels.rgb) {
        pixel &= 0x00FFFFFF;
    }
    return pixels;
}

double Luminance(uint32_t rgb) {
    const double r = (rgb >> 16) & 0xFF;
    const double g = (rgb >> 8) & 0xFF;
    const double b = rgb & 0xFF;
    return (0.299 * r + 0.587 * g + 0.114 * b) / 255.0;
}

double MeanLuminance(const ArtworkPixels& pixels) {
    double sum = 0.0;
    for (uint32_t pixel : pixels.rgb) {
        sum += Luminance(pixel);
    }
    return pixels.rgb.empty() ? 0.0 : sum / static_cast<double>(pixels.rgb.size());
}
