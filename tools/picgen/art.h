// Drawing helpers shared by every picture: the fonts (bold Tahoma for text, Noto Color Emoji for
// the waste artwork), rounded shapes, gradients, blurred soft shadows and the conversion of a
// drawing into the 24-bit pixels of a picture file, keyed or opaque.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace picgen {

// 0x00RRGGBB
using Pixel = std::uint32_t;

constexpr Pixel kKey = 0x00FF00;

// A finished picture: row-major, top row first.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;

  Pixel at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  Pixel& at(int x, int y) { return pixels[static_cast<size_t>(y) * width + x]; }
};

struct Colour {
  double r = 0, g = 0, b = 0;
};

constexpr Colour Rgb(int r, int g, int b) { return {r / 255.0, g / 255.0, b / 255.0}; }
// Mixes towards white (t > 0) or black (t < 0) by |t|.
Colour Shade(Colour c, double t);
Colour Mix(Colour a, Colour b, double t);

void SetColour(cairo_t* cr, Colour c, double alpha = 1.0);

// Owns the fonts for one run of the generator.
class Studio {
 public:
  Studio();
  ~Studio();
  Studio(const Studio&) = delete;
  Studio& operator=(const Studio&) = delete;

  // The bold text face, ready for cairo_set_font_face.
  cairo_font_face_t* bold() const { return bold_; }
  // A colour emoji glyph as an image surface (premultiplied ARGB), cut to its inked bounds.
  cairo_surface_t* emoji(char32_t codepoint);

  // The em size that gives the game's bold Tahoma a whole line (cell) of `cellHeight` pixels.
  double emForCell(double cellHeight) const;

  const std::string& boldPath() const { return boldPath_; }
  // Wine's bold Tahoma has bold spacing but light strokes: text in it is thickened by this
  // share of its em size to look bold.
  double thicken() const { return thicken_; }

 private:
  void* library_ = nullptr;   // FT_Library
  void* textFace_ = nullptr;  // FT_Face
  void* emojiFace_ = nullptr; // FT_Face
  cairo_font_face_t* bold_ = nullptr;
  double cellPerEm_ = 1.0;
  double thicken_ = 0.0;
  std::string boldPath_;
  std::map<char32_t, cairo_surface_t*> emojiCache_;
};

// Paths.
void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r);
void Circle(cairo_t* cr, double cx, double cy, double r);

using PathFn = std::function<void(cairo_t*)>;

// A soft shadow of the filled path, offset by (dx, dy) and blurred by about `blur` pixels.
void SoftShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur,
                Colour colour, double alpha);

// Fills the path with a vertical gradient from `top` (at y0) to `bottom` (at y1).
void FillVertical(cairo_t* cr, const PathFn& path, double y0, Colour top, double y1,
                  Colour bottom);

enum class Align { Left, Centre, Right };

struct TextStyle {
  double size = 24;  // em pixels
  Colour fill = Rgb(255, 255, 255);
  double outline = 0;  // stroke width around the letters, 0 for none
  Colour outlineColour = Rgb(0, 0, 0);
  double shadow = 0;  // drop-shadow offset, 0 for none
  double shadowAlpha = 0.35;
  Align align = Align::Centre;
};

// Writes one line with its baseline at y; x is the left, centre or right end as aligned.
// Returns the line's advance width.
double Text(Studio& studio, cairo_t* cr, std::string_view utf8, double x, double y,
            const TextStyle& style);
double TextWidth(Studio& studio, cairo_t* cr, std::string_view utf8, double size);

// Draws an emoji so that its inked bounds fit a box of `size` x `size` centred on (cx, cy).
void Emoji(Studio& studio, cairo_t* cr, char32_t codepoint, double cx, double cy, double size);

// A new ARGB surface with its context; Finish() returns the pixels.
struct Canvas {
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  // Opaque picture: every pixel's colour as painted (the canvas must be fully painted).
  Image opaque();
  // Keyed picture: pixels less than half covered become the key; the others are composed over
  // `edge`, a neutral colour, so that no edge pixel takes a green cast.
  Image keyed(Colour edge);

  int width, height;
  cairo_surface_t* surface;
  cairo_t* cr;
};

// Adds a sticker-like rim around everything painted so far: a band `width` pixels wide
// following the drawing's outline, in `colour`, drawn behind it.
void StickerRim(Canvas& canvas, double width, Colour colour);

// Copies the rectangle (x, y, w, h) of `from` into `to` at the same place.
void CopyRect(const Image& from, Image& to, int x, int y, int w, int h);
Image Crop(const Image& from, int x, int y, int w, int h);

}  // namespace picgen
