#include "ImageFiles.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>
#include <string>

namespace {

constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kBmpFileHeaderSize = 14;
constexpr uint32_t kIcoHeaderSize = 6;
constexpr uint32_t kIcoEntrySize = 16;
constexpr int kMaxIcoSize = 256;
// Pixels with less opacity than this are masked out in the 1-bit mask.
constexpr double kMaskThreshold = 0.5;

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(Bytes& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

uint8_t Channel(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255.0)); }

uint32_t PaddedRow(uint32_t bytes) { return (bytes + 3) / 4 * 4; }

void PutInfoHeader(Bytes& out, const Canvas& picture, uint32_t storedHeight, uint16_t bitsPerPixel,
                   uint32_t imageBytes) {
    Put32(out, kInfoHeaderSize);
    Put32(out, static_cast<uint32_t>(picture.Width()));
    Put32(out, storedHeight);
    Put16(out, 1);  // planes
    Put16(out, bitsPerPixel);
    Put32(out, 0);  // BI_RGB
    Put32(out, imageBytes);
    Put32(out, 0);  // pixels per metre, x and y: unspecified
    Put32(out, 0);
    Put32(out, 0);  // colours used and important: all
    Put32(out, 0);
}

// Rows from the bottom up, blue-green-red[-alpha], each padded to 4 bytes.
Bytes Pixels(const Canvas& picture, bool withAlpha) {
    Bytes out;
    const uint32_t rowBytes = static_cast<uint32_t>(picture.Width()) * (withAlpha ? 4 : 3);
    for (int y = picture.Height() - 1; y >= 0; --y) {
        for (int x = 0; x < picture.Width(); ++x) {
            const Colour c = picture.At(x, y);
            out.push_back(Channel(c.b));
            out.push_back(Channel(c.g));
            out.push_back(Channel(c.r));
            if (withAlpha) {
                out.push_back(Channel(c.a));
            }
        }
        out.resize(out.size() + PaddedRow(rowBytes) - rowBytes, 0);
    }
    return out;
}

// The icon's AND mask: a set bit is a transparent pixel. Bottom-up, rows padded to 4 bytes.
Bytes Mask(const Canvas& picture) {
    const uint32_t rowBytes = PaddedRow((static_cast<uint32_t>(picture.Width()) + 7) / 8);
    Bytes out(rowBytes * picture.Height(), 0);
    for (int y = 0; y < picture.Height(); ++y) {
        const size_t row = static_cast<size_t>(picture.Height() - 1 - y) * rowBytes;
        for (int x = 0; x < picture.Width(); ++x) {
            if (picture.At(x, y).a < kMaskThreshold) {
                out[row + x / 8] |= static_cast<uint8_t>(0x80 >> (x % 8));
            }
        }
    }
    return out;
}

void Save(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!stream) {
        throw std::runtime_error("cannot write " + file.string());
    }
}

}  // namespace

void WriteBmp(const std::filesystem::path& file, const Canvas& picture) {
    const Bytes pixels = Pixels(picture, false);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    Put32(out, kBmpFileHeaderSize + kInfoHeaderSize + static_cast<uint32_t>(pixels.size()));
    Put32(out, 0);  // reserved
    Put32(out, kBmpFileHeaderSize + kInfoHeaderSize);
    PutInfoHeader(out, picture, static_cast<uint32_t>(picture.Height()), 24, static_cast<uint32_t>(pixels.size()));
    out.insert(out.end(), pixels.begin(), pixels.end());
    Save(file, out);
}

void WriteIco(const std::filesystem::path& file, const std::vector<Canvas>& images) {
    std::vector<Bytes> bodies;
    for (const Canvas& image : images) {
        if (image.Width() != image.Height() || image.Width() > kMaxIcoSize) {
            throw std::invalid_argument("icon images must be square and at most 256 pixels");
        }
        const Bytes pixels = Pixels(image, true);
        const Bytes mask = Mask(image);
        Bytes body;
        // An icon image stores its height doubled: colour rows, then mask rows.
        PutInfoHeader(body, image, static_cast<uint32_t>(image.Height()) * 2, 32,
                      static_cast<uint32_t>(pixels.size() + mask.size()));
        body.insert(body.end(), pixels.begin(), pixels.end());
        body.insert(body.end(), mask.begin(), mask.end());
        bodies.push_back(std::move(body));
    }
    Bytes out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // type: icon
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kIcoHeaderSize + kIcoEntrySize * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        const auto side = static_cast<uint8_t>(images[i].Width() % kMaxIcoSize);  // 0 means 256
        out.push_back(side);
        out.push_back(side);
        out.push_back(0);  // colour count: not a palette image
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, 32);    // bits per pixel
        Put32(out, static_cast<uint32_t>(bodies[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(bodies[i].size());
    }
    for (const Bytes& body : bodies) {
        out.insert(out.end(), body.begin(), body.end());
    }
    Save(file, out);
}
