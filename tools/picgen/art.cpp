#include "art.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <stdexcept>

namespace picgen {

namespace {

// Bold Tahoma is the face the game writes with; Wine ships a free replacement. DejaVu Sans Bold
// stands in where Wine's fonts are not installed.
const char* const kBoldFaces[] = {
    "/usr/share/wine/fonts/tahomabd.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
};
const char* const kEmojiFace = "/usr/share/fonts/truetype/noto/NotoColorEmoji.ttf";

cairo_user_data_key_t kFaceKey;

void DoneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

// Three passes of a box blur approximate a Gaussian. `data` holds w x h bytes with `stride`.
void BoxBlur(unsigned char* data, int w, int h, int stride, int radius) {
  if (radius <= 0) return;
  std::vector<int> line(static_cast<size_t>(std::max(w, h)));
  const int window = 2 * radius + 1;
  auto blurLine = [&](unsigned char* first, int count, int step) {
    for (int i = 0; i < count; ++i) line[i] = first[i * step];
    int sum = 0;
    for (int i = -radius; i <= radius; ++i) sum += (i >= 0 && i < count) ? line[i] : 0;
    for (int i = 0; i < count; ++i) {
      first[i * step] = static_cast<unsigned char>((sum + window / 2) / window);
      const int out = i - radius;
      const int in = i + radius + 1;
      if (out >= 0) sum -= line[out];
      if (in < count) sum += line[in];
    }
  };
  for (int pass = 0; pass < 3; ++pass) {
    for (int y = 0; y < h; ++y) blurLine(data + static_cast<size_t>(y) * stride, w, 1);
    for (int x = 0; x < w; ++x) blurLine(data + x, h, stride);
  }
}

}  // namespace

Colour Shade(Colour c, double t) {
  if (t >= 0) return Mix(c, {1, 1, 1}, t);
  return Mix(c, {0, 0, 0}, -t);
}

Colour Mix(Colour a, Colour b, double t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

void SetColour(cairo_t* cr, Colour c, double alpha) {
  if (alpha >= 1.0)
    cairo_set_source_rgb(cr, c.r, c.g, c.b);
  else
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

Studio::Studio() {
  FT_Library library = nullptr;
  if (FT_Init_FreeType(&library) != 0) throw std::runtime_error("FreeType cannot start");
  library_ = library;

  FT_Face text = nullptr;
  for (const char* path : kBoldFaces) {
    if (std::filesystem::exists(path) && FT_New_Face(library, path, 0, &text) == 0) {
      boldPath_ = path;
      if (boldPath_.find("/wine/") != std::string::npos) thicken_ = 0.055;
      break;
    }
  }
  if (!text) throw std::runtime_error("no bold text font found (install fonts-wine or fonts-dejavu-core)");
  textFace_ = text;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(text, FT_SFNT_OS2));
  if (os2 && os2->usWinAscent + os2->usWinDescent > 0)
    cellPerEm_ = double(os2->usWinAscent + os2->usWinDescent) / text->units_per_EM;
  else
    cellPerEm_ = double(text->ascender - text->descender) / text->units_per_EM;
  bold_ = cairo_ft_font_face_create_for_ft_face(text, 0);
  // cairo may keep the face in its caches after we let go of it; it closes the FreeType face
  // itself once it no longer needs it.
  cairo_font_face_set_user_data(bold_, &kFaceKey, text, DoneFace);
  textFace_ = nullptr;

  FT_Face emoji = nullptr;
  if (FT_New_Face(library, kEmojiFace, 0, &emoji) != 0)
    throw std::runtime_error(std::string("cannot open ") + kEmojiFace +
                             " (install fonts-noto-color-emoji)");
  if (emoji->num_fixed_sizes > 0) FT_Select_Size(emoji, 0);
  emojiFace_ = emoji;
}

Studio::~Studio() {
  for (auto& [cp, surface] : emojiCache_) cairo_surface_destroy(surface);
  if (emojiFace_) FT_Done_Face(static_cast<FT_Face>(emojiFace_));
  cairo_font_face_destroy(bold_);
  cairo_debug_reset_static_data();  // lets cairo drop its font caches, closing the text face
  FT_Done_FreeType(static_cast<FT_Library>(library_));
}

double Studio::emForCell(double cellHeight) const { return cellHeight / cellPerEm_; }

cairo_surface_t* Studio::emoji(char32_t codepoint) {
  if (auto it = emojiCache_.find(codepoint); it != emojiCache_.end()) return it->second;
  auto face = static_cast<FT_Face>(emojiFace_);
  const FT_UInt index = FT_Get_Char_Index(face, codepoint);
  if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_COLOR) != 0 ||
      face->glyph->bitmap.pixel_mode != FT_PIXEL_MODE_BGRA)
    throw std::runtime_error("emoji U+" + std::to_string(static_cast<unsigned>(codepoint)) +
                             " is missing from the colour emoji font");
  const FT_Bitmap& bitmap = face->glyph->bitmap;
  const int w = static_cast<int>(bitmap.width), h = static_cast<int>(bitmap.rows);
  // Inked bounds: FreeType's BGRA is premultiplied, as cairo's ARGB32 is on this byte order.
  int x0 = w, y0 = h, x1 = -1, y1 = -1;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (bitmap.buffer[y * bitmap.pitch + x * 4 + 3] > 0) {
        x0 = std::min(x0, x), x1 = std::max(x1, x);
        y0 = std::min(y0, y), y1 = std::max(y1, y);
      }
  if (x1 < 0) x0 = y0 = 0, x1 = y1 = 0;
  const int cw = x1 - x0 + 1, ch = y1 - y0 + 1;
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cw, ch);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < ch; ++y)
    std::memcpy(data + y * stride, bitmap.buffer + (y + y0) * bitmap.pitch + x0 * 4,
                static_cast<size_t>(cw) * 4);
  cairo_surface_mark_dirty(surface);
  emojiCache_[codepoint] = surface;
  return surface;
}

void RoundRect(cairo_t* cr, double x, double y, double w, double h, double r) {
  r = std::min({r, w / 2, h / 2});
  cairo_new_sub_path(cr);
  cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
  cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
  cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
  cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
  cairo_close_path(cr);
}

void Circle(cairo_t* cr, double cx, double cy, double r) {
  cairo_new_sub_path(cr);
  cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
  cairo_close_path(cr);
}

void SoftShadow(cairo_t* cr, const PathFn& path, double dx, double dy, double blur,
                Colour colour, double alpha) {
  cairo_surface_t* target = cairo_get_target(cr);
  const int tw = cairo_image_surface_get_width(target);
  const int th = cairo_image_surface_get_height(target);

  cairo_save(cr);
  cairo_new_path(cr);
  path(cr);
  double ux0, uy0, ux1, uy1;
  cairo_path_extents(cr, &ux0, &uy0, &ux1, &uy1);
  cairo_new_path(cr);
  // Device-space bounds of the path's box.
  double xs[4] = {ux0, ux1, ux0, ux1}, ys[4] = {uy0, uy0, uy1, uy1};
  double bx0 = 1e9, by0 = 1e9, bx1 = -1e9, by1 = -1e9;
  for (int i = 0; i < 4; ++i) {
    cairo_user_to_device(cr, &xs[i], &ys[i]);
    bx0 = std::min(bx0, xs[i]), bx1 = std::max(bx1, xs[i]);
    by0 = std::min(by0, ys[i]), by1 = std::max(by1, ys[i]);
  }
  const int radius = std::max(1, static_cast<int>(std::lround(blur / 2)));
  const int pad = 3 * radius + 2;
  const int mx = std::max(0, static_cast<int>(std::floor(bx0 + dx)) - pad);
  const int my = std::max(0, static_cast<int>(std::floor(by0 + dy)) - pad);
  const int mx1 = std::min(tw, static_cast<int>(std::ceil(bx1 + dx)) + pad);
  const int my1 = std::min(th, static_cast<int>(std::ceil(by1 + dy)) + pad);
  if (mx1 <= mx || my1 <= my) {
    cairo_restore(cr);
    return;
  }
  cairo_matrix_t matrix;
  cairo_get_matrix(cr, &matrix);

  cairo_surface_t* mask = cairo_image_surface_create(CAIRO_FORMAT_A8, mx1 - mx, my1 - my);
  cairo_t* mcr = cairo_create(mask);
  cairo_translate(mcr, dx - mx, dy - my);
  cairo_transform(mcr, &matrix);
  path(mcr);
  cairo_set_source_rgb(mcr, 0, 0, 0);
  cairo_fill(mcr);
  cairo_destroy(mcr);
  cairo_surface_flush(mask);
  BoxBlur(cairo_image_surface_get_data(mask), mx1 - mx, my1 - my,
          cairo_image_surface_get_stride(mask), radius);
  cairo_surface_mark_dirty(mask);

  cairo_identity_matrix(cr);
  SetColour(cr, colour, alpha);
  cairo_mask_surface(cr, mask, mx, my);
  cairo_surface_destroy(mask);
  cairo_restore(cr);
}

void FillVertical(cairo_t* cr, const PathFn& path, double y0, Colour top, double y1,
                  Colour bottom) {
  cairo_pattern_t* pattern = cairo_pattern_create_linear(0, y0, 0, y1);
  cairo_pattern_add_color_stop_rgb(pattern, 0, top.r, top.g, top.b);
  cairo_pattern_add_color_stop_rgb(pattern, 1, bottom.r, bottom.g, bottom.b);
  cairo_new_path(cr);
  path(cr);
  cairo_set_source(cr, pattern);
  cairo_fill(cr);
  cairo_pattern_destroy(pattern);
}

double TextWidth(Studio& studio, cairo_t* cr, std::string_view utf8, double size) {
  const std::string text(utf8);
  cairo_save(cr);
  cairo_set_font_face(cr, studio.bold());
  cairo_set_font_size(cr, size);
  cairo_text_extents_t extents;
  cairo_text_extents(cr, text.c_str(), &extents);
  cairo_restore(cr);
  return extents.x_advance;
}

double Text(Studio& studio, cairo_t* cr, std::string_view utf8, double x, double y,
            const TextStyle& style) {
  const std::string text(utf8);
  const double width = TextWidth(studio, cr, utf8, style.size);
  double left = x;
  if (style.align == Align::Centre) left = x - width / 2;
  if (style.align == Align::Right) left = x - width;

  cairo_save(cr);
  cairo_set_font_face(cr, studio.bold());
  cairo_set_font_size(cr, style.size);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (style.shadow > 0) {
    const double grow = style.outline;
    SoftShadow(
        cr,
        [&](cairo_t* c) {
          cairo_set_font_face(c, studio.bold());
          cairo_set_font_size(c, style.size);
          cairo_move_to(c, left, y);
          cairo_text_path(c, text.c_str());
          if (grow > 0 || studio.thicken() > 0) {
            // Thicken the shadow to the outlined letters' size.
            cairo_set_line_width(c, grow * 2 + style.size * studio.thicken());
            cairo_set_line_join(c, CAIRO_LINE_JOIN_ROUND);
            cairo_stroke_preserve(c);
          }
        },
        style.shadow * 0.6, style.shadow, style.shadow * 1.5, Rgb(0, 0, 0), style.shadowAlpha);
  }
  const double thick = style.size * studio.thicken();
  cairo_new_path(cr);
  cairo_move_to(cr, left, y);
  cairo_text_path(cr, text.c_str());
  if (style.outline > 0) {
    SetColour(cr, style.outlineColour);
    cairo_set_line_width(cr, style.outline * 2 + thick);
    cairo_stroke_preserve(cr);
  }
  SetColour(cr, style.fill);
  if (thick > 0) {
    cairo_set_line_width(cr, thick);
    cairo_stroke_preserve(cr);
  }
  cairo_fill(cr);
  cairo_restore(cr);
  return width;
}

void Emoji(Studio& studio, cairo_t* cr, char32_t codepoint, double cx, double cy, double size) {
  cairo_surface_t* glyph = studio.emoji(codepoint);
  const double w = cairo_image_surface_get_width(glyph);
  const double h = cairo_image_surface_get_height(glyph);
  const double scale = size / std::max(w, h);
  cairo_save(cr);
  cairo_translate(cr, cx - w * scale / 2, cy - h * scale / 2);
  cairo_scale(cr, scale, scale);
  cairo_set_source_surface(cr, glyph, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_pattern_set_extend(cairo_get_source(cr), CAIRO_EXTEND_PAD);
  cairo_rectangle(cr, 0, 0, w, h);
  cairo_fill(cr);
  cairo_restore(cr);
}

Canvas::Canvas(int w, int h) : width(w), height(h) {
  surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, w, h);
  cr = cairo_create(surface);
}

Canvas::~Canvas() {
  cairo_destroy(cr);
  cairo_surface_destroy(surface);
}

Image Canvas::opaque() {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  Image image{width, height, std::vector<Pixel>(static_cast<size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) image.at(x, y) = row[x] & 0xFFFFFF;
  }
  return image;
}

Image Canvas::keyed(Colour edge) {
  cairo_surface_flush(surface);
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  const int er = static_cast<int>(std::lround(edge.r * 255));
  const int eg = static_cast<int>(std::lround(edge.g * 255));
  const int eb = static_cast<int>(std::lround(edge.b * 255));
  Image image{width, height, std::vector<Pixel>(static_cast<size_t>(width) * height)};
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];
      const int a = static_cast<int>(p >> 24);
      if (a < 128) {
        image.at(x, y) = kKey;
        continue;
      }
      const int rest = 255 - a;
      const int r = std::min(255, static_cast<int>((p >> 16) & 0xFF) + (er * rest + 127) / 255);
      const int g = std::min(255, static_cast<int>((p >> 8) & 0xFF) + (eg * rest + 127) / 255);
      const int b = std::min(255, static_cast<int>(p & 0xFF) + (eb * rest + 127) / 255);
      Pixel out = (static_cast<Pixel>(r) << 16) | (static_cast<Pixel>(g) << 8) | b;
      if (out == kKey) out = 0x00FE00;  // an object pixel never doubles as the key
      image.at(x, y) = out;
    }
  }
  return image;
}

void StickerRim(Canvas& canvas, double width, Colour colour) {
  cairo_surface_flush(canvas.surface);
  unsigned char* data = cairo_image_surface_get_data(canvas.surface);
  const int stride = cairo_image_surface_get_stride(canvas.surface);
  const int w = canvas.width, h = canvas.height;
  std::vector<double> alpha(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      alpha[y * w + x] = data[y * stride + x * 4 + 3] / 255.0;
  const int reach = static_cast<int>(std::ceil(width + 0.5));
  std::vector<double> rim(alpha.size(), 0.0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double best = 0;
      for (int dy = -reach; dy <= reach; ++dy) {
        const int sy = y + dy;
        if (sy < 0 || sy >= h) continue;
        for (int dx = -reach; dx <= reach; ++dx) {
          const int sx = x + dx;
          if (sx < 0 || sx >= w) continue;
          const double a = alpha[sy * w + sx];
          if (a <= best) continue;
          const double reachHere = std::clamp(width + 0.5 - std::hypot(dx, dy), 0.0, 1.0);
          best = std::max(best, a * reachHere);
        }
      }
      rim[y * w + x] = best;
    }
  const double cr = colour.r * 255, cg = colour.g * 255, cb = colour.b * 255;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      unsigned char* p = data + y * stride + x * 4;  // B, G, R, A, premultiplied
      const double below = rim[y * w + x] * (1.0 - p[3] / 255.0);
      p[0] = static_cast<unsigned char>(std::lround(p[0] + cb * below));
      p[1] = static_cast<unsigned char>(std::lround(p[1] + cg * below));
      p[2] = static_cast<unsigned char>(std::lround(p[2] + cr * below));
      p[3] = static_cast<unsigned char>(std::lround(p[3] + 255 * below));
    }
  cairo_surface_mark_dirty(canvas.surface);
}

void CopyRect(const Image& from, Image& to, int x, int y, int w, int h) {
  for (int row = y; row < y + h; ++row)
    for (int col = x; col < x + w; ++col) to.at(col, row) = from.at(col, row);
}

Image Crop(const Image& from, int x, int y, int w, int h) {
  Image out{w, h, std::vector<Pixel>(static_cast<size_t>(w) * h)};
  for (int row = 0; row < h; ++row)
    for (int col = 0; col < w; ++col) out.at(col, row) = from.at(x + col, y + row);
  return out;
}

}  // namespace picgen
