#include "shell/bitmap.h"

#include <cstdlib>
#include <cstring>
#include <memory>

#include "shell/host.h"

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace voranka {

namespace {

[[noreturn]] void Invalid() { throw GameError("Bitmap image is not valid"); }

std::uint32_t U16(std::span<const std::uint8_t> f, size_t at) {
  return static_cast<std::uint32_t>(f[at] | f[at + 1] << 8);
}
std::uint32_t U32(std::span<const std::uint8_t> f, size_t at) {
  return U16(f, at) | U16(f, at + 2) << 16;
}

// Largest picture the game accepts: far beyond any screen, far below a harmful allocation.
constexpr long long MaxPixels = 1LL << 25;

// Checks the headers against the file's real size, so that nothing is decoded or allocated for a
// header that promises more pixels than the file holds.
void CheckHeader(std::span<const std::uint8_t> file) {
  if (file.size() < 26 || file[0] != 'B' || file[1] != 'M') Invalid();
  const std::uint32_t dataOffset = U32(file, 10);
  const std::uint32_t infoSize = U32(file, 14);
  long long width = 0, height = 0;
  std::uint32_t planes = 0, bits = 0, compression = 0;
  if (infoSize == 12) {
    width = U16(file, 18);
    height = U16(file, 20);
    planes = U16(file, 22);
    bits = U16(file, 24);
  } else if (infoSize >= 40 && file.size() >= 14 + 40) {
    width = static_cast<std::int32_t>(U32(file, 18));
    height = static_cast<std::int32_t>(U32(file, 22));
    planes = U16(file, 26);
    bits = U16(file, 28);
    compression = U32(file, 30);
  } else {
    Invalid();
  }
  if (planes != 1) Invalid();
  if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) Invalid();
  // Uncompressed, or bit fields for 16 and 32 bits.
  if (compression != 0 && !(compression == 3 && (bits == 16 || bits == 32))) Invalid();
  if (height < 0) height = -height;
  if (width <= 0 || height <= 0 || width * height > MaxPixels) Invalid();
  const long long rowBytes = (width * bits + 31) / 32 * 4;
  if (dataOffset < 14 + infoSize || dataOffset > file.size()) Invalid();
  if (rowBytes * height > static_cast<long long>(file.size() - dataOffset)) Invalid();
}

}  // namespace

Bitmap DecodeBmp(std::span<const std::uint8_t> file) {
  CheckHeader(file);
  int width = 0, height = 0, channels = 0;
  std::unique_ptr<stbi_uc, void (*)(void*)> rgb(
      stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width, &height, &channels, 3),
      stbi_image_free);
  if (!rgb || width <= 0 || height <= 0) Invalid();
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.resize(static_cast<size_t>(width) * height);
  const stbi_uc* p = rgb.get();
  for (Pixel& pixel : bitmap.pixels) {
    pixel = RGB(p[0], p[1], p[2]);
    p += 3;
  }
  return bitmap;
}

std::vector<std::uint8_t> EncodeBmp24(const Bitmap& bitmap) {
  const size_t rowBytes = (static_cast<size_t>(bitmap.width) * 3 + 3) / 4 * 4;
  const size_t dataSize = rowBytes * static_cast<size_t>(bitmap.height);
  std::vector<std::uint8_t> out(54 + dataSize, 0);
  auto put16 = [&](size_t at, std::uint32_t v) {
    out[at] = static_cast<std::uint8_t>(v);
    out[at + 1] = static_cast<std::uint8_t>(v >> 8);
  };
  auto put32 = [&](size_t at, std::uint32_t v) {
    put16(at, v & 0xffff);
    put16(at + 2, v >> 16);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<std::uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(bitmap.width));
  put32(22, static_cast<std::uint32_t>(bitmap.height));
  put16(26, 1);
  put16(28, 24);
  put32(34, static_cast<std::uint32_t>(dataSize));
  put32(38, 2835);  // 72 dpi
  put32(42, 2835);
  for (int y = 0; y < bitmap.height; ++y) {
    std::uint8_t* row = out.data() + 54 + rowBytes * static_cast<size_t>(bitmap.height - 1 - y);
    const Pixel* src = bitmap.pixels.data() + static_cast<size_t>(y) * bitmap.width;
    for (int x = 0; x < bitmap.width; ++x) {
      row[x * 3 + 0] = static_cast<std::uint8_t>(BlueOf(src[x]));
      row[x * 3 + 1] = static_cast<std::uint8_t>(GreenOf(src[x]));
      row[x * 3 + 2] = static_cast<std::uint8_t>(RedOf(src[x]));
    }
  }
  return out;
}

}  // namespace voranka
