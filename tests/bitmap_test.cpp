// Bitmap files: the variants the game accepts, and broken files, each of which is refused with
// the same error and without a huge allocation.
#include <gtest/gtest.h>

#include <cstring>

#include "shell/bitmap.h"
#include "shell/host.h"

namespace voranka {
namespace {

struct Header {
  int width = 2;
  int height = 2;  // negative: top-down
  int bits = 24;
  int compression = 0;
  int paletteColours = 0;
};

void Put16(std::vector<std::uint8_t>& f, size_t at, std::uint32_t v) {
  f[at] = static_cast<std::uint8_t>(v);
  f[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(std::vector<std::uint8_t>& f, size_t at, std::uint32_t v) {
  Put16(f, at, v & 0xffff);
  Put16(f, at + 2, v >> 16);
}

// A bitmap file with the given header, a palette of grey levels and `pixelBytes` of pixel data.
std::vector<std::uint8_t> Bmp(const Header& h, const std::vector<std::uint8_t>& pixelBytes) {
  const size_t offset = 54 + static_cast<size_t>(h.paletteColours) * 4;
  std::vector<std::uint8_t> f(offset, 0);
  f[0] = 'B';
  f[1] = 'M';
  Put32(f, 10, static_cast<std::uint32_t>(offset));
  Put32(f, 14, 40);
  Put32(f, 18, static_cast<std::uint32_t>(h.width));
  Put32(f, 22, static_cast<std::uint32_t>(h.height));
  Put16(f, 26, 1);
  Put16(f, 28, static_cast<std::uint32_t>(h.bits));
  Put32(f, 30, static_cast<std::uint32_t>(h.compression));
  Put32(f, 46, static_cast<std::uint32_t>(h.paletteColours));
  for (int i = 0; i < h.paletteColours; ++i) {
    const auto level = static_cast<std::uint8_t>(i * 50);
    f[54 + i * 4] = level;                                    // blue
    f[54 + i * 4 + 1] = static_cast<std::uint8_t>(level / 2);  // green
    f[54 + i * 4 + 2] = 7;                                    // red
  }
  Put32(f, 2, static_cast<std::uint32_t>(offset + pixelBytes.size()));
  f.insert(f.end(), pixelBytes.begin(), pixelBytes.end());
  return f;
}

// Rows of a 2 x 2 picture as stored (bottom row first unless top-down).
const std::vector<std::uint8_t> Pixels24 = {
    3, 2, 1, 6, 5, 4, 0, 0,   // stored first: blue, green, red per pixel; 2 bytes of padding
    9, 8, 7, 12, 11, 10, 0, 0};

TEST(Bitmap, DecodesTheAcceptedVariants) {
  // Bottom-up 24-bit: the first stored row is the bottom one.
  Bitmap b = DecodeBmp(Bmp({}, Pixels24));
  ASSERT_EQ(b.width, 2);
  ASSERT_EQ(b.height, 2);
  EXPECT_EQ(b.pixels, (std::vector<Pixel>{RGB(7, 8, 9), RGB(10, 11, 12), RGB(1, 2, 3), RGB(4, 5, 6)}));

  b = DecodeBmp(Bmp({.height = -2}, Pixels24));
  EXPECT_EQ(b.pixels, (std::vector<Pixel>{RGB(1, 2, 3), RGB(4, 5, 6), RGB(7, 8, 9), RGB(10, 11, 12)}));

  b = DecodeBmp(Bmp({.bits = 32}, {3, 2, 1, 0, 6, 5, 4, 0, 9, 8, 7, 0, 12, 11, 10, 0}));
  EXPECT_EQ(b.pixels, (std::vector<Pixel>{RGB(7, 8, 9), RGB(10, 11, 12), RGB(1, 2, 3), RGB(4, 5, 6)}));

  b = DecodeBmp(Bmp({.height = -2, .bits = 8, .paletteColours = 4}, {0, 3, 0, 0, 2, 1, 0, 0}));
  EXPECT_EQ(b.pixels, (std::vector<Pixel>{RGB(7, 0, 0), RGB(7, 75, 150), RGB(7, 50, 100), RGB(7, 25, 50)}));
}

TEST(Bitmap, EncoderAndDecoderAgree) {
  Bitmap original;
  original.width = 5;  // rows need padding
  original.height = 3;
  for (int i = 0; i < 15; ++i) original.pixels.push_back(RGB(i * 10, 255 - i, i));
  const Bitmap decoded = DecodeBmp(EncodeBmp24(original));
  EXPECT_EQ(decoded.width, 5);
  EXPECT_EQ(decoded.height, 3);
  EXPECT_EQ(decoded.pixels, original.pixels);
}

TEST(Bitmap, BrokenFilesAreNotValid) {
  const std::vector<std::uint8_t> good = Bmp({}, Pixels24);
  std::vector<std::uint8_t> truncated(good.begin(), good.end() - 3);
  std::vector<std::uint8_t> headerOnly(good.begin(), good.begin() + 20);
  std::vector<std::uint8_t> notBitmap = good;
  notBitmap[0] = 'P';
  std::vector<std::uint8_t> badOffset = good;
  Put32(badOffset, 10, 1u << 30);
  std::vector<std::uint8_t> badPlanes = good;
  Put16(badPlanes, 26, 3);
  const std::string png = "\x89PNG\r\n\x1a\n plus some bytes to make it long enough";

  const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
      {"empty", {}},
      {"truncated pixel data", truncated},
      {"header only", headerOnly},
      {"not a bitmap", notBitmap},
      {"a PNG", std::vector<std::uint8_t>(png.begin(), png.end())},
      {"pixel data offset past the end", badOffset},
      {"three planes", badPlanes},
      {"100000 x 100000", Bmp({.width = 100000, .height = 100000}, Pixels24)},
      {"negative width", Bmp({.width = -2}, Pixels24)},
      {"zero width", Bmp({.width = 0}, Pixels24)},
      {"zero height", Bmp({.height = 0}, Pixels24)},
      {"most negative height", Bmp({.height = INT32_MIN}, Pixels24)},
      {"12 bits per pixel", Bmp({.bits = 12}, Pixels24)},
      {"run-length compressed", Bmp({.bits = 8, .compression = 1, .paletteColours = 4}, Pixels24)},
      {"pixel data past the end", Bmp({.width = 2, .height = 3000}, Pixels24)},
  };
  for (const auto& [name, bytes] : cases) {
    try {
      DecodeBmp(bytes);
      ADD_FAILURE() << name << " was accepted";
    } catch (const GameError& e) {
      EXPECT_STREQ(e.what(), "Bitmap image is not valid") << name;
    }
  }
}

}  // namespace
}  // namespace voranka
