#include "shell/surface.h"

#include <algorithm>

#include "shell/text.h"

namespace voranka {

Surface::Surface(FontLibrary& fonts)
    : pixels_(static_cast<size_t>(SurfaceWidth) * SurfaceHeight, Black), fonts_(fonts) {}

void Surface::fill(Pixel colour) { std::fill(pixels_.begin(), pixels_.end(), colour); }

void Surface::draw(const PreparedPicture& picture, int x, int y) {
  if (held_) return;  // the surface refuses picture operations while the canvas holds it
  const int x0 = std::max(x, 0);
  const int y0 = std::max(y, 0);
  const int x1 = std::min(static_cast<long long>(x) + picture.width, static_cast<long long>(SurfaceWidth));
  const int y1 = std::min(static_cast<long long>(y) + picture.height, static_cast<long long>(SurfaceHeight));
  if (x0 >= x1 || y0 >= y1) return;
  const int count = x1 - x0;
  for (int row = y0; row < y1; ++row) {
    const Pixel* src = picture.pixels.data() + static_cast<size_t>(row - y) * picture.width + (x0 - x);
    Pixel* dst = pixels_.data() + static_cast<size_t>(row) * SurfaceWidth + x0;
    if (!picture.keyed) {
      std::copy_n(src, count, dst);
    } else {
      const Pixel key = picture.key;
      for (int i = 0; i < count; ++i) {
        if (src[i] != key) dst[i] = src[i];
      }
    }
  }
}

void Surface::stretch(const PreparedPicture& picture, int left, int top, int right, int bottom) {
  if (held_) return;
  if (right <= left || bottom <= top || picture.width <= 0 || picture.height <= 0) return;
  const long long w = static_cast<long long>(right) - left;
  const long long h = static_cast<long long>(bottom) - top;
  const int x0 = std::max(left, 0);
  const int y0 = std::max(top, 0);
  const int x1 = std::min(right, SurfaceWidth);
  const int y1 = std::min(bottom, SurfaceHeight);
  if (x0 >= x1 || y0 >= y1) return;
  // Nearest pixel: destination column c shows source column (c - left) * width / w, the scale
  // always that of the whole, unclipped rectangle.
  thread_local std::vector<int> columns;
  columns.resize(static_cast<size_t>(x1 - x0));
  for (int c = x0; c < x1; ++c) {
    columns[static_cast<size_t>(c - x0)] = static_cast<int>((c - left) * picture.width / w);
  }
  for (int row = y0; row < y1; ++row) {
    const int sy = static_cast<int>((row - top) * picture.height / h);
    const Pixel* src = picture.pixels.data() + static_cast<size_t>(sy) * picture.width;
    Pixel* dst = pixels_.data() + static_cast<size_t>(row) * SurfaceWidth;
    for (int c = x0; c < x1; ++c) {
      const Pixel p = src[columns[static_cast<size_t>(c - x0)]];
      if (!picture.keyed || p != picture.key) dst[c] = p;
    }
  }
}

void Surface::fillRect(int left, int top, int right, int bottom, Pixel colour) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, SurfaceWidth);
  bottom = std::min(bottom, SurfaceHeight);
  for (int row = top; row < bottom; ++row) {
    Pixel* dst = pixels_.data() + static_cast<size_t>(row) * SurfaceWidth;
    std::fill(dst + left, dst + std::max(left, right), colour);
  }
}

void Surface::outline(int left, int top, int right, int bottom) {
  held_ = true;
  if (brush.style == BrushStyle::Solid) fillRect(left, top, right, bottom, brush.color);
  // A line of width w centred on column (or row) c covers c - (w - 1) / 2 .. c + w / 2.
  const int w = std::max(pen.width, 1);
  const int before = (w - 1) / 2;
  const int after = w / 2 + 1;
  const int lastColumn = right - 1;
  const int lastRow = bottom - 1;
  const Pixel colour = pen.color;
  fillRect(left - before, top - before, lastColumn + after, top + after, colour);
  fillRect(left - before, lastRow - before, lastColumn + after, lastRow + after, colour);
  fillRect(left - before, top - before, left + after, lastRow + after, colour);
  fillRect(lastColumn - before, top - before, lastColumn + after, lastRow + after, colour);
}

int Surface::textWidth(std::string_view text) {
  SizedFace& face = fonts_.face(font.name, font.bold, font.height);
  int width = 0;
  for (char32_t c : DecodeUtf8(text)) width += face.glyph(c).advance;
  return width;
}

void Surface::write(std::string_view text, int x, int y) {
  held_ = true;
  SizedFace& face = fonts_.face(font.name, font.bold, font.height);
  const std::u32string codepoints = DecodeUtf8(text);
  if (brush.style == BrushStyle::Solid) {
    int width = 0;
    for (char32_t c : codepoints) width += face.glyph(c).advance;
    fillRect(x, y, x + width, y + face.cellHeight(), brush.color);
  }
  const int r = RedOf(font.color), g = GreenOf(font.color), b = BlueOf(font.color);
  int penX = x;
  for (char32_t c : codepoints) {
    const Glyph& glyph = face.glyph(c);
    const int gx = penX + glyph.left;
    const int gy = y + glyph.top;
    penX += glyph.advance;
    // The line is exactly one cell tall: an accent or descender that the rasteriser rounds past
    // the cell is cut at its edge.
    const int cx0 = std::max(gx, 0), cy0 = std::max({gy, y, 0});
    const int cx1 = std::min(gx + glyph.width, SurfaceWidth);
    const int cy1 = std::min({gy + glyph.height, y + face.cellHeight(), SurfaceHeight});
    for (int row = cy0; row < cy1; ++row) {
      const std::uint8_t* cov = glyph.coverage.data() + static_cast<size_t>(row - gy) * glyph.width;
      Pixel* dst = pixels_.data() + static_cast<size_t>(row) * SurfaceWidth;
      for (int col = cx0; col < cx1; ++col) {
        const int a = cov[col - gx];
        if (a == 0) continue;
        if (a == 255) {
          dst[col] = font.color;
          continue;
        }
        const Pixel d = dst[col];
        const int ia = 255 - a;
        dst[col] = RGB((r * a + RedOf(d) * ia + 127) / 255, (g * a + GreenOf(d) * ia + 127) / 255,
                       (b * a + BlueOf(d) * ia + 127) / 255);
      }
    }
  }
}

}  // namespace voranka
