// Writes a picture as a 24-bit uncompressed bottom-up Windows bitmap: a 14-byte file header, a
// 40-byte BITMAPINFOHEADER, then the rows from the bottom up, each in blue-green-red order and
// padded to a multiple of four bytes. Nothing in the file depends on the time or the machine.
#pragma once

#include <cstdint>
#include <vector>

namespace picgen {

// `pixels` holds width * height values 0x00RRGGBB, top row first.
inline std::vector<std::uint8_t> EncodeBmp24(int width, int height,
                                             const std::vector<std::uint32_t>& pixels) {
  const std::uint32_t rowBytes = (static_cast<std::uint32_t>(width) * 3 + 3) & ~3u;
  const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(height);
  const std::uint32_t offset = 14 + 40;
  std::vector<std::uint8_t> file;
  file.reserve(offset + dataBytes);
  auto u16 = [&](std::uint32_t v) {
    file.push_back(static_cast<std::uint8_t>(v));
    file.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto u32 = [&](std::uint32_t v) {
    u16(v & 0xFFFF);
    u16(v >> 16);
  };
  file.push_back('B');
  file.push_back('M');
  u32(offset + dataBytes);  // file size
  u32(0);                   // reserved
  u32(offset);              // pixel data offset
  u32(40);                  // info header size
  u32(static_cast<std::uint32_t>(width));
  u32(static_cast<std::uint32_t>(height));  // positive: bottom-up
  u16(1);                                   // planes
  u16(24);                                  // bits per pixel
  u32(0);                                   // BI_RGB, no compression
  u32(dataBytes);
  u32(2835);  // 72 dots per inch, as pixels per metre
  u32(2835);
  u32(0);  // palette colours
  u32(0);  // important colours
  for (int y = height - 1; y >= 0; --y) {
    const std::uint32_t* row = pixels.data() + static_cast<size_t>(y) * width;
    for (int x = 0; x < width; ++x) {
      file.push_back(static_cast<std::uint8_t>(row[x]));
      file.push_back(static_cast<std::uint8_t>(row[x] >> 8));
      file.push_back(static_cast<std::uint8_t>(row[x] >> 16));
    }
    for (std::uint32_t pad = static_cast<std::uint32_t>(width) * 3; pad < rowBytes; ++pad)
      file.push_back(0);
  }
  return file;
}

}  // namespace picgen
