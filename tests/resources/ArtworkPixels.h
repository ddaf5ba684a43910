#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

// A bitmap resource of this program read back into memory.
struct ArtworkPixels {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> rgb;  // 0x00RRGGBB, rows from the top

    uint32_t At(int x, int y) const { return rgb.at(static_cast<size_t>(y) * width + x); }
};

// Loads the named bitmap resource from the running program and reads its
// pixels; an empty result (width 0) when there is no such resource.
ArtworkPixels LoadArtwork(const wchar_t* name);

// Perceived brightness of a 0x00RRGGBB colour, 0 to 1.
double Luminance(uint32_t rgb);

double MeanLuminance(const ArtworkPixels& pixels);
