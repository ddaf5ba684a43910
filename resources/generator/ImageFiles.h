#pragma once

#include "Canvas.h"

#include <filesystem>
#include <vector>

// Writes the picture as a 24-bit bottom-up .bmp; alpha is ignored.
// Throws std::runtime_error when the file cannot be written.
void WriteBmp(const std::filesystem::path& file, const Canvas& picture);

// Writes the pictures as the images of one .ico (32-bit colour with alpha plus
// the 1-bit mask older readers use). Each picture must be square, at most 256.
void WriteIco(const std::filesystem::path& file, const std::vector<Canvas>& images);
