#include "CjkFont.h"

#include <windows.h>

namespace {

// The Debian font file as Wine's Z: drive shows it, and the face it holds.
constexpr wchar_t kFontFile[] = L"Z:\\usr\\share\\fonts\\truetype\\arphic\\uming.ttc";
constexpr wchar_t kFileFace[] = L"AR PL UMing CN";
constexpr wchar_t kSystemFace[] = L"SimSun";

}  // namespace

CjkFont::CjkFont()
    : loaded_(AddFontResourceExW(kFontFile, FR_PRIVATE, nullptr) > 0), face_(loaded_ ? kFileFace : kSystemFace) {}

CjkFont::~CjkFont() {
    if (loaded_) {
        RemoveFontResourceExW(kFontFile, FR_PRIVATE, nullptr);
    }
}
