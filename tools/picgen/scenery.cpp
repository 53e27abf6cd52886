#include "scenery.h"

#include <algorithm>
#include <cmath>

namespace picgen {

const Bin& BinFor(int container) {
  static const Bin bins[4] = {
      {palette::Paper, "PAPIER", U'\U0001F4F0'},
      {palette::Plastic, "PLASTY", U'\U0001F9F4'},
      {palette::Glass, "SKLO", U'\U0001F37E'},
      {palette::Metal, "KOVY", U'\U0001F96B'},
  };
  return bins[std::clamp(container, 1, 4) - 1];
}

void Sky(cairo_t* cr, int width, double horizon) {
  cairo_pattern_t* sky = cairo_pattern_create_linear(0, 0, 0, horizon);
  cairo_pattern_add_color_stop_rgb(sky, 0, palette::SkyTop.r, palette::SkyTop.g,
                                   palette::SkyTop.b);
  cairo_pattern_add_color_stop_rgb(sky, 1, palette::SkyLow.r, palette::SkyLow.g,
                                   palette::SkyLow.b);
  cairo_rectangle(cr, 0, 0, width, horizon);
  cairo_set_source(cr, sky);
  cairo_fill(cr);
  cairo_pattern_destroy(sky);
}

void Cloud(cairo_t* cr, double cx, double cy, double s) {
  auto shape = [=](cairo_t* c) {
    Circle(c, cx - 34 * s, cy + 2 * s, 24 * s);
    Circle(c, cx - 4 * s, cy - 12 * s, 32 * s);
    Circle(c, cx + 32 * s, cy, 24 * s);
    RoundRect(c, cx - 60 * s, cy - 2 * s, 120 * s, 26 * s, 13 * s);
  };
  SoftShadow(cr, shape, 0, 4 * s, 10 * s, Rgb(90, 140, 190), 0.18);
  FillVertical(cr, shape, cy - 44 * s, Rgb(255, 255, 255), cy + 24 * s, Rgb(232, 242, 251));
}

void Hills(cairo_t* cr, int width, double y, double bottom, Colour colour, double phase) {
  cairo_new_path(cr);
  cairo_move_to(cr, 0, bottom);
  for (int x = 0; x <= width; x += 4) {
    const double h = 14 * std::sin(x * 0.0085 + phase) + 8 * std::sin(x * 0.021 + 2 * phase);
    cairo_line_to(cr, x, y - h);
  }
  cairo_line_to(cr, width, bottom);
  cairo_close_path(cr);
  cairo_pattern_t* fill = cairo_pattern_create_linear(0, y - 24, 0, bottom);
  const Colour low = Shade(colour, -0.08);
  cairo_pattern_add_color_stop_rgb(fill, 0, colour.r, colour.g, colour.b);
  cairo_pattern_add_color_stop_rgb(fill, 1, low.r, low.g, low.b);
  cairo_set_source(cr, fill);
  cairo_fill(cr);
  cairo_pattern_destroy(fill);
}

void Bush(cairo_t* cr, double cx, double baseY, double size, Colour colour) {
  const double r = size / 2;
  auto shape = [=](cairo_t* c) {
    Circle(c, cx - r * 0.55, baseY - r * 0.55, r * 0.6);
    Circle(c, cx + r * 0.55, baseY - r * 0.55, r * 0.6);
    Circle(c, cx, baseY - r * 0.95, r * 0.75);
    RoundRect(c, cx - r * 1.1, baseY - r * 0.6, r * 2.2, r * 0.6, r * 0.3);
  };
  SoftShadow(cr, shape, 0, 3, 8, Rgb(20, 60, 20), 0.25);
  FillVertical(cr, shape, baseY - size, Shade(colour, 0.18), baseY, Shade(colour, -0.12));
  // A few lighter leaves catch the sun.
  SetColour(cr, Rgb(255, 255, 255), 0.18);
  Circle(cr, cx - r * 0.2, baseY - r * 1.25, r * 0.22);
  Circle(cr, cx + r * 0.55, baseY - r * 0.85, r * 0.15);
  Circle(cr, cx - r * 0.7, baseY - r * 0.7, r * 0.13);
  cairo_fill(cr);
}

void Skyline(cairo_t* cr, double baseY, double fromX, double toX) {
  const Colour wall = Rgb(190, 218, 238), window = Rgb(212, 233, 247);
  // Heights and widths repeat in a fixed pattern: the town is the same on every run.
  const double heights[] = {62, 96, 48, 118, 74, 54, 104, 66, 86, 44};
  const double widths[] = {46, 38, 56, 42, 50, 60, 36, 52, 44, 58};
  int i = 0;
  for (double x = fromX; x < toX; ++i) {
    const double w = widths[i % 10], h = heights[i % 10];
    SetColour(cr, wall);
    RoundRect(cr, x, baseY - h, w, h + 10, 5);
    cairo_fill(cr);
    SetColour(cr, window);
    for (double wy = baseY - h + 10; wy < baseY - 14; wy += 16)
      for (double wx = x + 8; wx < x + w - 12; wx += 14) {
        cairo_rectangle(cr, wx, wy, 7, 8);
      }
    cairo_fill(cr);
    x += w + 6;
  }
}

void Ground(cairo_t* cr, int width, int height, double top, double pathTop) {
  Hills(cr, width, top, height, palette::Grass, 0.8);
  // The path: a light paved strip with a soft edge.
  auto path = [=](cairo_t* c) {
    cairo_move_to(c, 0, height);
    cairo_line_to(c, 0, pathTop);
    for (int x = 0; x <= width; x += 4)
      cairo_line_to(c, x, pathTop + 3 * std::sin(x * 0.012 + 0.5));
    cairo_line_to(c, width, height);
    cairo_close_path(c);
  };
  SoftShadow(cr, path, 0, -2, 6, Rgb(40, 90, 30), 0.25);
  FillVertical(cr, path, pathTop, palette::Path, height, Shade(palette::Path, -0.04));
  cairo_new_path(cr);
  cairo_set_line_width(cr, 2);
  SetColour(cr, palette::PathEdge);
  cairo_move_to(cr, 0, pathTop + 1.5);
  for (int x = 0; x <= width; x += 4)
    cairo_line_to(cr, x, pathTop + 1.5 + 3 * std::sin(x * 0.012 + 0.5));
  cairo_stroke(cr);
}

void DrawBin(Studio& studio, cairo_t* cr, const Bin& bin, Rect box, const BinLook& look) {
  const Colour body = bin.body;
  const double H = box.h;
  const double lidH = std::max(12.0, H * 0.12);
  const double bodyTop = box.y + lidH * 0.7;
  const double feetH = std::max(4.0, H * 0.045);
  const double bodyBottom = box.bottom() - feetH;
  const double baseTop = look.baseTop > 0 ? look.baseTop : box.y + H * 0.77;
  const double inset = std::min(4.0, box.w * 0.02);
  const double taper = box.w * 0.03;
  const double corner = std::min(12.0, box.w * 0.07);
  const double l = box.x + inset, r = box.right() - inset;

  // Feet.
  for (double fx : {0.16, 0.84}) {
    const double cx = box.x + box.w * fx;
    SetColour(cr, Rgb(60, 64, 74));
    RoundRect(cr, cx - box.w * 0.08, bodyBottom - 6, box.w * 0.16, feetH + 6, 3);
    cairo_fill(cr);
  }

  auto bodyPath = [=](cairo_t* c) {
    const double lb = l + taper, rb = r - taper, k = corner;
    cairo_new_sub_path(c);
    cairo_move_to(c, l, bodyTop);
    cairo_line_to(c, r, bodyTop);
    cairo_line_to(c, rb + (r - rb) * k / (bodyBottom - bodyTop), bodyBottom - k);
    cairo_curve_to(c, rb, bodyBottom - k * 0.3, rb - k * 0.3, bodyBottom, rb - k, bodyBottom);
    cairo_line_to(c, lb + k, bodyBottom);
    cairo_curve_to(c, lb + k * 0.3, bodyBottom, lb, bodyBottom - k * 0.3,
                   lb - (lb - l) * k / (bodyBottom - bodyTop), bodyBottom - k);
    cairo_close_path(c);
  };
  auto bumperPath = [=](cairo_t* c) {
    RoundRect(c, box.x, baseTop, box.w, bodyBottom - baseTop, std::min(10.0, box.w * 0.06));
  };
  SoftShadow(
      cr,
      [&](cairo_t* c) {
        bodyPath(c);
        bumperPath(c);
      },
      3, 4, 10, Rgb(0, 0, 0), 0.28);
  FillVertical(cr, bodyPath, bodyTop, Shade(body, 0.14), baseTop, Shade(body, -0.06));
  {
    // Light from the left, shade on the right, for a rounded body.
    cairo_save(cr);
    cairo_new_path(cr);
    bodyPath(cr);
    cairo_clip(cr);
    cairo_pattern_t* side = cairo_pattern_create_linear(l, 0, r, 0);
    cairo_pattern_add_color_stop_rgba(side, 0.0, 1, 1, 1, 0.3);
    cairo_pattern_add_color_stop_rgba(side, 0.1, 1, 1, 1, 0.0);
    cairo_pattern_add_color_stop_rgba(side, 0.88, 0, 0, 0, 0.0);
    cairo_pattern_add_color_stop_rgba(side, 1.0, 0, 0, 0, 0.18);
    cairo_set_source(cr, side);
    cairo_paint(cr);
    cairo_pattern_destroy(side);
    cairo_restore(cr);
  }
  cairo_new_path(cr);
  bodyPath(cr);
  SetColour(cr, Shade(body, -0.4));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);

  // The dark bumper round the bottom, as wide as the lid.
  {
    cairo_pattern_t* base = cairo_pattern_create_linear(0, baseTop, 0, bodyBottom);
    const Colour top = Shade(palette::Slot, -0.3);
    cairo_pattern_add_color_stop_rgb(base, 0, top.r, top.g, top.b);
    cairo_pattern_add_color_stop_rgb(base, 0.25, palette::Slot.r, palette::Slot.g,
                                     palette::Slot.b);
    cairo_pattern_add_color_stop_rgb(base, 1, palette::Slot.r, palette::Slot.g,
                                     palette::Slot.b);
    cairo_new_path(cr);
    bumperPath(cr);
    cairo_set_source(cr, base);
    cairo_fill(cr);
    cairo_pattern_destroy(base);
    cairo_new_path(cr);
    RoundRect(cr, box.x + 0.5, baseTop + 0.5, box.w - 1, bodyBottom - baseTop - 1,
              std::min(10.0, box.w * 0.06));
    SetColour(cr, Shade(palette::Slot, -0.5));
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    SetColour(cr, Rgb(255, 255, 255), 0.16);
    cairo_rectangle(cr, box.x + 6, baseTop + 1, box.w - 12, 1.5);
    cairo_fill(cr);
  }

  // The lid, a little wider than the body, with a lighter top edge.
  auto lidPath = [=](cairo_t* c) { RoundRect(c, box.x, box.y, box.w, lidH, lidH * 0.45); };
  SoftShadow(cr, lidPath, 0, 3, 6, Rgb(0, 0, 0), 0.25);
  FillVertical(cr, lidPath, box.y, Shade(body, -0.02), box.y + lidH, Shade(body, -0.3));
  cairo_new_path(cr);
  lidPath(cr);
  SetColour(cr, Shade(body, -0.45));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  SetColour(cr, Rgb(255, 255, 255), 0.4);
  RoundRect(cr, box.x + lidH * 0.4, box.y + 3, box.w - lidH * 0.8, 3, 1.5);
  cairo_fill(cr);

  const double plateTop = bodyTop + lidH * 0.3 + 6;
  double plateBottom = plateTop;
  if (look.label) {
    const double plateH = std::clamp(H * 0.2, 22.0, 40.0);
    const Rect plate{l + 10, plateTop, r - l - 20, plateH};
    plateBottom = plate.bottom();
    auto platePath = [=](cairo_t* c) { RoundRect(c, plate.x, plate.y, plate.w, plate.h, 8); };
    SoftShadow(cr, platePath, 0, 2, 4, Rgb(0, 0, 0), 0.22);
    FillVertical(cr, platePath, plate.y, Rgb(255, 255, 255), plate.bottom(), Rgb(236, 240, 246));
    double size = plate.h * 0.66;
    const double room = plate.w - 12;
    const double width = TextWidth(studio, cr, bin.label, size);
    if (width > room) size *= room / width;
    TextStyle style;
    style.size = size;
    style.fill = Shade(body, -0.55);
    Text(studio, cr, bin.label, plate.x + plate.w / 2, plate.y + plate.h / 2 + size * 0.37, style);
  }
  if (look.icon) {
    const double top = plateBottom + 5, bottom = baseTop - 7;
    const double d = std::min(bottom - top, (r - l) * 0.5);
    if (d > 16) {
      const double cx = box.x + box.w / 2, cy = (top + bottom) / 2;
      auto disc = [=](cairo_t* c) { Circle(c, cx, cy, d / 2); };
      SoftShadow(cr, disc, 0, 2, 4, Rgb(0, 0, 0), 0.2);
      cairo_new_path(cr);
      disc(cr);
      SetColour(cr, Rgb(255, 255, 255), 0.92);
      cairo_fill(cr);
      Emoji(studio, cr, bin.icon, cx, cy, d * 0.66);
    }
  }
}

Rect DrawButton(cairo_t* cr, Rect box, const ButtonLook& look) {
  const double depth = std::clamp(box.h * 0.07, 3.0, 6.0);
  const Rect top{box.x, box.y, box.w, box.h - depth};
  const Colour face = look.lit ? Shade(look.face, 0.2) : look.face;
  auto outer = [=](cairo_t* c) { RoundRect(c, top.x, top.y, top.w, top.h, look.radius); };
  auto base = [=](cairo_t* c) {
    RoundRect(c, top.x, top.y + depth, top.w, top.h, look.radius);
  };
  if (look.shadow)
    SoftShadow(cr, base, 0, depth * 0.4, depth * 1.6, Rgb(0, 0, 0), 0.3);
  // The button's side, seen below its face.
  cairo_new_path(cr);
  base(cr);
  SetColour(cr, look.rim);
  cairo_fill(cr);
  cairo_new_path(cr);
  outer(cr);
  SetColour(cr, look.rim);
  cairo_fill(cr);

  const double rw = look.rimWidth;
  const Rect inner{top.x + rw, top.y + rw, top.w - 2 * rw, top.h - 2 * rw};
  const double ir = std::max(2.0, look.radius - rw);
  auto facePath = [=](cairo_t* c) { RoundRect(c, inner.x, inner.y, inner.w, inner.h, ir); };
  FillVertical(cr, facePath, inner.y, Shade(face, 0.22), inner.bottom(), Shade(face, -0.12));
  // Gloss on the upper half.
  cairo_save(cr);
  cairo_new_path(cr);
  facePath(cr);
  cairo_clip(cr);
  cairo_pattern_t* gloss = cairo_pattern_create_linear(0, inner.y, 0, inner.y + inner.h * 0.5);
  cairo_pattern_add_color_stop_rgba(gloss, 0, 1, 1, 1, look.lit ? 0.45 : 0.3);
  cairo_pattern_add_color_stop_rgba(gloss, 1, 1, 1, 1, 0.0);
  RoundRect(cr, inner.x + 3, inner.y + 2, inner.w - 6, inner.h * 0.5, ir);
  cairo_set_source(cr, gloss);
  cairo_fill(cr);
  cairo_pattern_destroy(gloss);
  cairo_restore(cr);
  if (look.lit) {
    // A warm bright ring inside the rim: the button glows under the pointer.
    cairo_new_path(cr);
    RoundRect(cr, inner.x + 2, inner.y + 2, inner.w - 4, inner.h - 4, ir - 1);
    SetColour(cr, Rgb(255, 238, 120));
    cairo_set_line_width(cr, 4);
    cairo_stroke(cr);
  }
  return inner;
}

void Arrow(cairo_t* cr, Rect b, Colour fill, Colour outline, double outlineWidth) {
  const double headW = b.w * 0.5, shaftH = b.h * 0.44;
  const double cy = b.y + b.h / 2;
  cairo_new_path(cr);
  cairo_move_to(cr, b.x, cy);
  cairo_line_to(cr, b.x + headW, b.y);
  cairo_line_to(cr, b.x + headW, cy - shaftH / 2);
  cairo_line_to(cr, b.right(), cy - shaftH / 2);
  cairo_line_to(cr, b.right(), cy + shaftH / 2);
  cairo_line_to(cr, b.x + headW, cy + shaftH / 2);
  cairo_line_to(cr, b.x + headW, b.bottom());
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  if (outlineWidth > 0) {
    SetColour(cr, outline);
    cairo_set_line_width(cr, outlineWidth * 2);
    cairo_stroke_preserve(cr);
  }
  SetColour(cr, fill);
  cairo_fill(cr);
}

void DrawBackButton(Studio& studio, cairo_t* cr, Rect box, bool lit) {
  ButtonLook look;
  look.face = lit ? Rgb(255, 178, 40) : Rgb(240, 104, 70);
  look.lit = lit;
  look.radius = std::min(16.0, box.h * 0.32);
  const Rect face = DrawButton(cr, box, look);
  TextStyle style;
  style.outline = 2.2;
  style.outlineColour = palette::Ink;
  const double midX = face.x + face.w / 2, midY = face.y + face.h / 2;
  if (face.w > face.h * 2.6) {
    // Wide: the arrow beside the word.
    style.size = face.h * 0.6;
    const double textW = TextWidth(studio, cr, "SPÄŤ", style.size);
    const double arrowW = style.size * 1.1, gap = style.size * 0.35;
    const double left = midX - (arrowW + gap + textW) / 2;
    Arrow(cr, {left, midY - style.size * 0.42, arrowW, style.size * 0.84}, Rgb(255, 255, 255),
          palette::Ink, 2.2);
    style.align = Align::Left;
    Text(studio, cr, "SPÄŤ", left + arrowW + gap, midY + style.size * 0.42, style);
  } else {
    // Narrow: the arrow above the word.
    style.size = std::min(face.h * 0.4, face.w * 0.22);
    const double arrowH = face.h * 0.34, arrowW = arrowH * 1.9;
    const double top = face.y + face.h * 0.1;
    Arrow(cr, {midX - arrowW / 2, top, arrowW, arrowH}, Rgb(255, 255, 255), palette::Ink, 2.2);
    Text(studio, cr, "SPÄŤ", midX, face.bottom() - face.h * 0.1, style);
  }
}

}  // namespace picgen
