// Windows bitmap files: decoding (checked against the file's real size before anything is
// allocated) and a 24-bit encoder for the picture generator and the tests.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "shell/surface.h"

namespace voranka {

struct Bitmap {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // row-major, top row first, 0x00RRGGBB
};

// Accepts uncompressed 24- and 32-bit bitmaps and 1-, 4- and 8-bit palettised ones, bottom-up
// or top-down, and 16-bit and bit-field variants as far as the decoder knows them. Anything else,
// and any file whose pixel data does not fit in it, throws GameError("Bitmap image is not
// valid").
Bitmap DecodeBmp(std::span<const std::uint8_t> file);

// A 24-bit uncompressed bottom-up bitmap file.
std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap);

}  // namespace voranka
