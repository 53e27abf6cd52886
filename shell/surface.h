// The drawing surface: one 1022 x 760 frame of 32-bit pixels and the verbs every screen paints
// it with. Text and outlines go through one canvas whose font, pen and brush settings persist
// from call to call, frame to frame and screen to screen until a screen sets them again.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace voranka {

constexpr int SurfaceWidth = 1022;
constexpr int SurfaceHeight = 760;

// 0x00RRGGBB
using Pixel = std::uint32_t;

constexpr Pixel RGB(int r, int g, int b) {
  return (static_cast<Pixel>(r & 0xff) << 16) | (static_cast<Pixel>(g & 0xff) << 8) |
         static_cast<Pixel>(b & 0xff);
}
constexpr int RedOf(Pixel p) { return static_cast<int>((p >> 16) & 0xff); }
constexpr int GreenOf(Pixel p) { return static_cast<int>((p >> 8) & 0xff); }
constexpr int BlueOf(Pixel p) { return static_cast<int>(p & 0xff); }

constexpr Pixel Black = RGB(0, 0, 0);
constexpr Pixel Yellow = RGB(255, 255, 0);
constexpr Pixel DarkGreen = RGB(0, 128, 0);
constexpr Pixel KeyColour = RGB(0, 255, 0);

// A picture prepared for the surface: its pixels in the surface's format, with its colour key.
struct PreparedPicture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // row-major, top row first
  bool keyed = false;
  Pixel key = KeyColour;
};

struct FontSettings {
  std::string name = "MS Sans Serif";
  int height = 13;  // whole cell height in pixels
  bool bold = false;
  Pixel color = Black;
};

struct PenSettings {
  Pixel color = Black;
  int width = 1;
};

enum class BrushStyle { Solid, Clear };

struct BrushSettings {
  BrushStyle style = BrushStyle::Solid;
  Pixel color = RGB(255, 255, 255);
};

class FontLibrary;

class Surface {
 public:
  // The fonts are looked up by name through `fonts` when text is first written in them.
  explicit Surface(FontLibrary& fonts);

  // Copies the picture unscaled with its top-left corner at (x, y), clipped to the surface.
  void draw(const PreparedPicture& picture, int x, int y);
  // Scales the whole picture (nearest pixel) into (left, top, right, bottom), clipped; nothing
  // when right <= left or bottom <= top.
  void stretch(const PreparedPicture& picture, int left, int top, int right, int bottom);
  // Paints the rectangle's border with the pen: lines centred on column left, column right - 1,
  // row top and row bottom - 1. A solid brush fills the inside first.
  void outline(int left, int top, int right, int bottom);
  // Writes one line of UTF-8 text with its line's top-left corner at (x, y).
  void write(std::string_view text, int x, int y);
  // Ends the canvas's hold on the surface; paints nothing.
  void release() { held_ = false; }
  // True while a write or an outline holds the surface and no release has come since. While it
  // is held, picture draws paint nothing and the frame cannot be presented.
  bool held() const { return held_; }

  // Width in pixels that `text` takes in the current font.
  int textWidth(std::string_view text);

  FontSettings font;
  PenSettings pen;
  BrushSettings brush;

  const Pixel* pixels() const { return pixels_.data(); }
  Pixel pixel(int x, int y) const { return pixels_[static_cast<size_t>(y) * SurfaceWidth + x]; }
  void fill(Pixel colour);

 private:
  void fillRect(int left, int top, int right, int bottom, Pixel colour);

  std::vector<Pixel> pixels_;
  FontLibrary& fonts_;
  bool held_ = false;
};

}  // namespace voranka
