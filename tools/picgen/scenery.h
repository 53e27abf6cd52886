// The pieces every screen is built from: sky and ground, clouds and bushes, the four street
// containers in their colours, and the buttons.
#pragma once

#include "art.h"

namespace picgen {

namespace palette {
constexpr Colour Ink = Rgb(38, 44, 60);  // dark text and outlines
constexpr Colour SkyTop = Rgb(126, 196, 243);
constexpr Colour SkyLow = Rgb(224, 243, 253);
constexpr Colour Grass = Rgb(118, 196, 92);
constexpr Colour GrassDark = Rgb(84, 162, 70);
constexpr Colour Path = Rgb(240, 226, 192);
constexpr Colour PathEdge = Rgb(214, 192, 146);
constexpr Colour Cream = Rgb(255, 250, 236);
constexpr Colour Slot = Rgb(34, 40, 54);  // the dark window on a container's front
// The Slovak street colours of the four containers.
constexpr Colour Paper = Rgb(34, 116, 212);
constexpr Colour Plastic = Rgb(255, 204, 38);
constexpr Colour Glass = Rgb(44, 160, 82);
constexpr Colour Metal = Rgb(224, 60, 50);
}  // namespace palette

struct Bin {
  Colour body;
  const char* label;
  char32_t icon;
};

// Containers 1..4 of the sorting game: paper, plastics, glass, metal.
const Bin& BinFor(int container);

struct Rect {
  double x = 0, y = 0, w = 0, h = 0;
  double right() const { return x + w; }
  double bottom() const { return y + h; }
};

// Sky from the top of the picture down to `horizon`, with soft light at the bottom.
void Sky(cairo_t* cr, int width, double horizon);
void Cloud(cairo_t* cr, double cx, double cy, double scale);
// Rolling green hills whose tops lie around `y`, filled down to `bottom`.
void Hills(cairo_t* cr, int width, double y, double bottom, Colour colour, double phase);
// A round bush or tree crown.
void Bush(cairo_t* cr, double cx, double baseY, double size, Colour colour);
// A pale town on the horizon, its buildings standing on `baseY`, from x `fromX` to `toX`.
void Skyline(cairo_t* cr, double baseY, double fromX, double toX);
// Grass from `top` down, with a light path below `pathTop`.
void Ground(cairo_t* cr, int width, int height, double top, double pathTop);

struct BinLook {
  bool label = true;  // the white name plate near the top
  bool icon = true;   // a round sticker with a picture of what goes in
  // Where the dark base of the body begins (a y of the picture); 0 puts it at 73 % of the
  // height. The base runs down to the feet and is where the game writes its hints.
  double baseTop = 0;
};

// A street container filling `box`: lid, body with name plate and sticker, dark base, feet.
void DrawBin(Studio& studio, cairo_t* cr, const Bin& bin, Rect box, const BinLook& look);

struct ButtonLook {
  Colour face = Rgb(255, 150, 46);
  Colour rim = palette::Ink;
  double radius = 16;
  double rimWidth = 4;
  bool lit = false;
  bool shadow = true;
};

// A raised rounded button filling `box` (its shadow falls inside the box's lower edge).
// Returns the face rectangle, inside the rim, for its content.
Rect DrawButton(cairo_t* cr, Rect box, const ButtonLook& look);

// The back button: a left arrow and "SPÄŤ".
void DrawBackButton(Studio& studio, cairo_t* cr, Rect box, bool lit);

// A left-pointing arrow filling `box`.
void Arrow(cairo_t* cr, Rect box, Colour fill, Colour outline, double outlineWidth);

}  // namespace picgen
