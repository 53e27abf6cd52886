#include "pictures.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>

#include "scenery.h"
#include "shell/catalogue.h"

namespace picgen {

namespace {

constexpr Colour kTable = Rgb(98, 150, 212);
constexpr Colour kMemoryFace = Rgb(142, 108, 234);  // the memory game's button
constexpr Colour kActionFace = Rgb(255, 146, 40);   // buttons that start or sort

// Waste items 1..13 (pictures 22..34): plastics, metal, paper, glass.
constexpr char32_t kItems[13] = {
    U'\U0001F9F4',  // a detergent bottle
    U'\U0001F964',  // a cup with a straw
    U'\U0001FAA3',  // a bucket
    U'\U0001F37C',  // a baby's bottle
    U'\U0001F96B',  // a food can
    U'\U0001F529',  // a nut and bolt
    U'\U0001F511',  // a key
    U'\U0001F4F0',  // a newspaper
    U'\U0001F4E6',  // a cardboard box
    U'\U0001F4D2',  // a notebook
    U'\U0001F37E',  // a bottle
    U'\U0001FAD9',  // a jar
    U'\U0001F95B',  // a drinking glass
};

// The colours of the containers that the memory game's messages name.
constexpr Colour kBio = Rgb(139, 94, 60);
constexpr Colour kHazard = Rgb(112, 112, 128);
constexpr Colour kCarton = Rgb(250, 140, 30);

struct CardArt {
  char32_t emoji;
  Colour container;
};

// Card faces of pair values 0..11, each showing waste of the kind its message names.
constexpr CardArt kCards[12] = {
    {U'\U0001F34E', kBio},               // 0 bio waste: an apple
    {U'\U0001F4F0', palette::Paper},     // 1 paper: a newspaper
    {U'\U0001F4E6', palette::Paper},     // 2 paper: a cardboard box
    {U'\U0001F34C', kBio},               // 3 bio waste: a banana skin
    {U'\U0001F50B', kHazard},            // 4 hazardous waste: a battery
    {U'\U0001F9F4', palette::Plastic},   // 5 plastics: a detergent bottle
    {U'\U0001F964', palette::Plastic},   // 6 plastics: a cup
    {U'\U0001F96B', palette::Metal},     // 7 metal: a food can
    {U'\U0001F9C3', kCarton},            // 8 a beverage carton
    {U'\U0001F4D2', palette::Paper},     // 9 paper: a notebook
    {U'\U0001F511', palette::Metal},     // 10 metal: a key
    {U'\U0001F37E', palette::Glass},     // 11 coloured glass: a green bottle
};

constexpr char32_t kRecycle = U'\u267B';

// Splits UTF-8 text into its characters.
std::vector<std::string_view> Characters(std::string_view text) {
  std::vector<std::string_view> out;
  for (size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    const size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    out.push_back(text.substr(i, n));
    i += n;
  }
  return out;
}

// A title: each letter in one of the containers' colours, outlined, on a white sticker edge.
void Title(Studio& studio, cairo_t* cr, std::string_view text, double cx, double baseline,
           double size) {
  TextStyle back;
  back.size = size;
  back.fill = Rgb(255, 255, 255);
  back.outline = size * 0.12;
  back.outlineColour = Rgb(255, 255, 255);
  back.shadow = size * 0.06;
  back.shadowAlpha = 0.3;
  const double width = Text(studio, cr, text, cx, baseline, back);
  const Colour colours[4] = {palette::Paper, palette::Plastic, palette::Glass, palette::Metal};
  int n = 0;
  std::string prefix;
  for (std::string_view ch : Characters(text)) {
    const double left = cx - width / 2 + TextWidth(studio, cr, prefix, size);
    prefix += ch;
    if (ch == " ") continue;
    TextStyle letter;
    letter.size = size;
    letter.align = Align::Left;
    letter.fill = colours[n++ % 4];
    letter.outline = std::max(2.0, size * 0.04);
    letter.outlineColour = palette::Ink;
    Text(studio, cr, ch, left, baseline, letter);
  }
}

// A cream ribbon with a line of dark text.
void Ribbon(Studio& studio, cairo_t* cr, std::string_view text, double cx, double cy,
            double size) {
  const double w = TextWidth(studio, cr, text, size) + size * 1.6;
  const double h = size * 1.7;
  auto shape = [=](cairo_t* c) { RoundRect(c, cx - w / 2, cy - h / 2, w, h, h / 2); };
  SoftShadow(cr, shape, 0, 3, 8, Rgb(0, 0, 0), 0.2);
  FillVertical(cr, shape, cy - h / 2, palette::Cream, cy + h / 2, Rgb(250, 238, 210));
  cairo_new_path(cr);
  shape(cr);
  SetColour(cr, palette::PathEdge);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  TextStyle style;
  style.size = size;
  style.fill = palette::Ink;
  Text(studio, cr, text, cx, cy + size * 0.36, style);
}

// A panel: cream, rounded, with a soft shadow and a thin warm border.
void Panel(cairo_t* cr, Rect r, double radius) {
  auto shape = [=](cairo_t* c) { RoundRect(c, r.x, r.y, r.w, r.h, radius); };
  SoftShadow(cr, shape, 0, 4, 12, Rgb(0, 0, 0), 0.22);
  FillVertical(cr, shape, r.y, Rgb(255, 253, 245), r.bottom(), palette::Cream);
  cairo_new_path(cr);
  RoundRect(cr, r.x + 1, r.y + 1, r.w - 2, r.h - 2, radius - 1);
  SetColour(cr, palette::PathEdge);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
}

void CardFace(Studio& studio, cairo_t* cr, int value, Rect b) {
  const CardArt& art = kCards[value];
  const double radius = b.w * 0.11;
  auto shape = [=](cairo_t* c) { RoundRect(c, b.x + 1, b.y + 1, b.w - 2, b.h - 2, radius); };
  FillVertical(cr, shape, b.y, Rgb(255, 254, 250), b.bottom(), Rgb(240, 242, 240));
  const double stripe = std::round(b.h * 0.14);
  cairo_save(cr);
  cairo_new_path(cr);
  shape(cr);
  cairo_clip(cr);
  SetColour(cr, art.container);
  cairo_rectangle(cr, b.x, b.bottom() - stripe, b.w, stripe);
  cairo_fill(cr);
  SetColour(cr, Rgb(255, 255, 255), 0.35);
  cairo_rectangle(cr, b.x, b.bottom() - stripe, b.w, 2);
  cairo_fill(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  shape(cr);
  SetColour(cr, Rgb(60, 72, 96));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  const double room = b.h - stripe;
  Emoji(studio, cr, art.emoji, b.x + b.w / 2, b.y + room / 2 + 1, std::min(b.w, room) * 0.8);
}

void CardBack(Studio& studio, cairo_t* cr, Rect b) {
  const double radius = b.w * 0.11;
  auto shape = [=](cairo_t* c) { RoundRect(c, b.x + 1, b.y + 1, b.w - 2, b.h - 2, radius); };
  FillVertical(cr, shape, b.y, Rgb(70, 184, 108), b.bottom(), Rgb(34, 134, 80));
  cairo_save(cr);
  cairo_new_path(cr);
  shape(cr);
  cairo_clip(cr);
  // Diagonal stripes, faint.
  SetColour(cr, Rgb(255, 255, 255), 0.09);
  cairo_set_line_width(cr, b.w * 0.06);
  for (double t = -b.h; t < b.w + b.h; t += b.w * 0.16) {
    cairo_move_to(cr, b.x + t, b.y);
    cairo_line_to(cr, b.x + t - b.h, b.bottom());
  }
  cairo_stroke(cr);
  cairo_restore(cr);
  cairo_new_path(cr);
  const double inset = b.w * 0.07;
  RoundRect(cr, b.x + inset, b.y + inset, b.w - 2 * inset, b.h - 2 * inset, radius * 0.6);
  SetColour(cr, Rgb(255, 255, 255), 0.85);
  cairo_set_line_width(cr, std::max(1.5, b.w * 0.022));
  cairo_stroke(cr);
  cairo_new_path(cr);
  shape(cr);
  SetColour(cr, Rgb(22, 90, 54));
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);
  const double d = std::min(b.w, b.h) * 0.56;
  const double cx = b.x + b.w / 2, cy = b.y + b.h / 2;
  SetColour(cr, Rgb(255, 255, 255));
  Circle(cr, cx, cy, d / 2);
  cairo_fill(cr);
  Emoji(studio, cr, kRecycle, cx, cy, d * 0.78);
}

// A small fan of cards for decoration, centred on (cx, cy).
void CardFan(Studio& studio, cairo_t* cr, double cx, double cy, double w, int face1, int face2) {
  const double h = w * 90 / 96;
  const double angles[3] = {-0.28, 0.0, 0.28};
  for (int i = 0; i < 3; ++i) {
    cairo_save(cr);
    cairo_translate(cr, cx + (i - 1) * w * 0.55, cy + (i == 1 ? -4 : 4));
    cairo_rotate(cr, angles[i]);
    const Rect b{-w / 2, -h / 2, w, h};
    SoftShadow(cr, [=](cairo_t* c) { RoundRect(c, b.x, b.y, b.w, b.h, w * 0.11); }, 2, 3, 6,
               Rgb(0, 0, 0), 0.25);
    if (i == 0)
      CardFace(studio, cr, face1, b);
    else if (i == 1)
      CardBack(studio, cr, b);
    else
      CardFace(studio, cr, face2, b);
    cairo_restore(cr);
  }
}

// The ground and sky that the memory screen and the sorting intro share: the two pictures
// must be identical around their common back button.
void SharedBase(cairo_t* cr) {
  Sky(cr, kScreenWidth, 660);
  Skyline(cr, 650, -10, kScreenWidth + 10);
  Hills(cr, kScreenWidth, 640, 700, Rgb(170, 218, 146), 2.2);
  Ground(cr, kScreenWidth, kScreenHeight, 656, 680);
}

const Rect kBackButton{16, 696, 102, 62};  // x 16..117, y 696..757

// ---------------------------------------------------------------- main menu (0, 1, 2)

const Rect kMemoryBox{411, 287, 209, 116};   // x 411..619, y 287..402
const Rect kSortingBox{411, 497, 199, 97};   // x 411..609, y 497..593

// Twinkles in two corners of a lit button's face.
void Sparkles(Studio& studio, cairo_t* cr, Rect face) {
  Emoji(studio, cr, U'\u2728', face.right() - 10, face.y + 10, 20);
  Emoji(studio, cr, U'\u2728', face.x + 10, face.bottom() - 10, 16);
}

void MemoryButton(Studio& studio, cairo_t* cr, bool lit) {
  ButtonLook look;
  look.face = kMemoryFace;
  look.lit = lit;
  look.radius = 22;
  const Rect face = DrawButton(cr, {kMemoryBox.x + 2, kMemoryBox.y + 2, kMemoryBox.w - 4,
                                    kMemoryBox.h - 3},
                               look);
  CardFan(studio, cr, face.x + face.w / 2, face.y + 30, 34, 0, 11);
  if (lit) Sparkles(studio, cr, face);
  TextStyle style;
  style.size = 34;
  style.outline = 3;
  style.outlineColour = palette::Ink;
  style.shadow = 2;
  Text(studio, cr, "PEXESO", face.x + face.w / 2, face.bottom() - 12, style);
}

void SortingButton(Studio& studio, cairo_t* cr, bool lit) {
  ButtonLook look;
  look.face = kActionFace;
  look.lit = lit;
  look.radius = 22;
  const Rect face = DrawButton(cr, {kSortingBox.x + 2, kSortingBox.y + 2, kSortingBox.w - 4,
                                    kSortingBox.h - 3},
                               look);
  TextStyle style;
  style.size = 27;
  style.outline = 2.6;
  style.outlineColour = palette::Ink;
  style.shadow = 2;
  const double cx = face.x + face.w / 2;
  Text(studio, cr, "TRIEDENIE", cx, face.y + 33, style);
  const double w = TextWidth(studio, cr, "ODPADU", 27);
  const double icon = 28;
  const double left = cx - (w + icon + 6) / 2;
  Emoji(studio, cr, kRecycle, left + icon / 2, face.y + 55, icon);
  style.align = Align::Left;
  Text(studio, cr, "ODPADU", left + icon + 6, face.y + 66, style);
  if (lit) Sparkles(studio, cr, face);
}

Image Menu(Studio& studio, int lit) {
  Canvas canvas(kScreenWidth, kScreenHeight);
  cairo_t* cr = canvas.cr;
  Sky(cr, kScreenWidth, 620);
  Skyline(cr, 590, -10, kScreenWidth + 10);
  Emoji(studio, cr, U'\U0001F31E', 96, 92, 120);
  Cloud(cr, 318, 74, 0.8);
  Cloud(cr, 790, 92, 1.0);
  Cloud(cr, 968, 250, 0.6);
  Cloud(cr, 250, 330, 0.65);
  Cloud(cr, 780, 345, 0.75);
  Hills(cr, kScreenWidth, 575, 700, Rgb(170, 218, 146), 1.3);
  Ground(cr, kScreenWidth, kScreenHeight, 612, 690);
  Bush(cr, 18, 622, 90, Rgb(74, 160, 70));
  Bush(cr, 384, 628, 70, Rgb(88, 170, 76));
  Bush(cr, 642, 628, 70, Rgb(88, 170, 76));
  Bush(cr, 1004, 622, 90, Rgb(74, 160, 70));

  BinLook look;
  DrawBin(studio, cr, BinFor(1), {40, 436, 160, 210}, look);
  DrawBin(studio, cr, BinFor(2), {214, 462, 150, 184}, look);
  DrawBin(studio, cr, BinFor(3), {660, 450, 160, 196}, look);
  DrawBin(studio, cr, BinFor(4), {834, 462, 150, 184}, look);
  // Waste waiting on the path to be sorted.
  Emoji(studio, cr, kItems[7], 96, 708, 44);
  Emoji(studio, cr, kItems[1], 292, 716, 40);
  Emoji(studio, cr, kItems[10], 736, 712, 44);
  Emoji(studio, cr, kItems[4], 928, 716, 40);
  Emoji(studio, cr, U'\U0001F98B', 262, 410, 40);
  Emoji(studio, cr, U'\U0001F41D', 770, 420, 36);

  Title(studio, cr, "VORANKA", kScreenWidth / 2.0, 160, 108);
  Ribbon(studio, cr, "Hrajme sa a trieďme odpad!", kScreenWidth / 2.0, 222, 26);

  MemoryButton(studio, cr, lit == 2);
  SortingButton(studio, cr, lit == 1);
  return canvas.opaque();
}

// Picture 0 with one button lit, identical to picture 0 outside that button's box.
Image MenuLit(Studio& studio, const Image& menu, int lit) {
  const Image litMenu = Menu(studio, lit);
  Image out = menu;
  const Rect box = lit == 2 ? kMemoryBox : kSortingBox;
  CopyRect(litMenu, out, static_cast<int>(box.x), static_cast<int>(box.y),
           static_cast<int>(box.w), static_cast<int>(box.h));
  return out;
}

// ---------------------------------------------------------------- memory game (3, 21)

Image Memory(Studio& studio, bool backLit) {
  Canvas canvas(kScreenWidth, kScreenHeight);
  cairo_t* cr = canvas.cr;
  SharedBase(cr);
  Cloud(cr, 120, 60, 0.7);
  Cloud(cr, 930, 74, 0.85);
  CardFan(studio, cr, 196, 132, 56, 3, 4);
  CardFan(studio, cr, 826, 132, 56, 8, 10);
  Title(studio, cr, "PEXESO", kScreenWidth / 2.0, 102, 84);
  Ribbon(studio, cr, "Nájdi dvojice rovnakých obrázkov!", kScreenWidth / 2.0, 160, 22);

  // The band the game writes its messages on (21-pixel lines from y 249).
  Panel(cr, {262, 236, 498, 46}, 16);

  // The table.
  const Rect table{28, 289, 966, 354};
  auto tableShape = [=](cairo_t* c) { RoundRect(c, table.x, table.y, table.w, table.h, 26); };
  SoftShadow(cr, tableShape, 0, 6, 16, Rgb(0, 0, 0), 0.3);
  cairo_new_path(cr);
  tableShape(cr);
  SetColour(cr, Shade(kTable, -0.3));
  cairo_fill(cr);
  cairo_new_path(cr);
  RoundRect(cr, table.x + 5, table.y + 5, table.w - 10, table.h - 10, 22);
  SetColour(cr, kTable);
  cairo_fill(cr);
  cairo_new_path(cr);
  RoundRect(cr, table.x + 9, table.y + 9, table.w - 18, table.h - 18, 18);
  SetColour(cr, Rgb(255, 255, 255), 0.25);
  cairo_set_line_width(cr, 2);
  cairo_stroke(cr);

  DrawBackButton(studio, cr, kBackButton, backLit);
  return canvas.opaque();
}

// ---------------------------------------------------------------- sorting intro (4)

const Rect kStartButton{415, 699, 225, 46};  // x 415..639, y 699..744

struct Example {
  int container;
  char32_t items[3];
  const char* words;
};

const Example kExamples[4] = {
    {1, {kItems[7], kItems[8], kItems[9]}, "noviny, krabice, zošity"},
    {2, {kItems[0], kItems[1], kItems[2]}, "fľaše, kelímky, vedrá"},
    {3, {kItems[10], kItems[11], kItems[12]}, "fľaše, poháre, zaváraniny"},
    {4, {kItems[4], kItems[5], kItems[6]}, "plechovky, skrutky, kľúče"},
};

Image Intro(Studio& studio, const Image& memory) {
  Canvas canvas(kScreenWidth, kScreenHeight);
  cairo_t* cr = canvas.cr;
  SharedBase(cr);
  Title(studio, cr, "TRIEDENIE ODPADU", kScreenWidth / 2.0, 74, 60);

  const Rect panel{70, 98, 882, 134};
  Panel(cr, panel, 20);
  struct Line {
    char32_t icon;
    const char* text;
  };
  const Line lines[3] = {
      {U'\U0001F5B1', "Chyť padajúci odpad myšou a potiahni ho do správneho kontajnera."},
      {U'\u274C', "Keď odpad spadne na zem alebo do zlého kontajnera, je to chyba."},
      {U'\U0001F340', "Po troch chybách sa hra končí. Veľa šťastia!"},
  };
  for (int i = 0; i < 3; ++i) {
    const double y = panel.y + 32 + i * 38;
    Emoji(studio, cr, lines[i].icon, panel.x + 40, y - 8, 28);
    TextStyle style;
    style.size = 21;
    style.fill = palette::Ink;
    style.align = Align::Left;
    Text(studio, cr, lines[i].text, panel.x + 66, y, style);
  }

  for (int i = 0; i < 4; ++i) {
    const Example& ex = kExamples[i];
    const double cx = 150 + i * 240.67;
    const Rect card{cx - 104, 252, 208, 112};
    Panel(cr, card, 16);
    for (int k = 0; k < 3; ++k) Emoji(studio, cr, ex.items[k], cx + (k - 1) * 60, card.y + 40, 48);
    TextStyle words;
    words.size = 16;
    words.fill = palette::Ink;
    Text(studio, cr, ex.words, cx, card.y + 92, words);
    // A pointer from the examples down to their container.
    cairo_new_path(cr);
    cairo_move_to(cr, cx - 14, card.bottom() + 8);
    cairo_line_to(cr, cx + 14, card.bottom() + 8);
    cairo_line_to(cr, cx, card.bottom() + 24);
    cairo_close_path(cr);
    SetColour(cr, Shade(BinFor(ex.container).body, -0.1));
    cairo_fill(cr);
    DrawBin(studio, cr, BinFor(ex.container), {cx - 80, 398, 160, 246}, BinLook{});
  }

  ButtonLook look;
  look.face = kActionFace;
  look.radius = 16;
  const Rect face = DrawButton(cr, kStartButton, look);
  TextStyle style;
  style.size = 28;
  style.outline = 2.6;
  style.outlineColour = palette::Ink;
  style.shadow = 2;
  const double textW = TextWidth(studio, cr, "ŠTART", 28);
  const double tri = 22;
  const double left = face.x + (face.w - textW - tri - 12) / 2;
  style.align = Align::Left;
  Text(studio, cr, "ŠTART", left, face.y + face.h / 2 + 10, style);
  cairo_new_path(cr);
  const double tx = left + textW + 12, ty = face.y + face.h / 2;
  cairo_move_to(cr, tx, ty - tri / 2);
  cairo_line_to(cr, tx + tri * 0.9, ty);
  cairo_line_to(cr, tx, ty + tri / 2);
  cairo_close_path(cr);
  cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
  SetColour(cr, palette::Ink);
  cairo_set_line_width(cr, 5);
  cairo_stroke_preserve(cr);
  SetColour(cr, Rgb(255, 255, 255));
  cairo_fill(cr);

  DrawBackButton(studio, cr, kBackButton, false);
  Image out = canvas.opaque();
  // The back button's corner is the memory screen's, pixel for pixel.
  CopyRect(memory, out, 0, 674, 118, 86);
  return out;
}

// ---------------------------------------------------------------- sorting game (20)

struct Container {
  Rect bin;       // the painted container, inside its drop box
  double hintX, hintY;
};

// Drop boxes: 1: x 11..186, y 229..395; 2: x 11..197, y 471..633; 3: x 810..1009, y 229..412;
// 4: x 819..1009, y 471..647. The painted containers stay inside them.
const Container kContainers[4] = {
    {{11, 229, 176, 167}, 55, 357},
    {{11, 471, 187, 163}, 59, 596},
    {{810, 229, 200, 161}, 823, 352},
    {{819, 471, 191, 152}, 828, 588},
};

void Shelter(cairo_t* cr, double wallX, double wallW, double roofX, double roofW,
             double postX, const double shelves[2]) {
  const Colour wood = Rgb(196, 140, 92);
  auto wall = [=](cairo_t* c) { cairo_rectangle(c, wallX, 196, wallW, 520); };
  SoftShadow(cr, wall, 0, 4, 14, Rgb(0, 0, 0), 0.25);
  FillVertical(cr, wall, 196, Rgb(250, 244, 230), 716, Rgb(238, 228, 208));
  SetColour(cr, Rgb(226, 212, 186));
  cairo_set_line_width(cr, 2);
  for (double x = wallX + 26; x < wallX + wallW; x += 28) {
    cairo_move_to(cr, x, 196);
    cairo_line_to(cr, x, 716);
  }
  cairo_stroke(cr);
  for (int i = 0; i < 2; ++i) {
    auto board = [=](cairo_t* c) { RoundRect(c, wallX - 4, shelves[i], wallW + 8, 12, 4); };
    SoftShadow(cr, board, 0, 4, 8, Rgb(0, 0, 0), 0.3);
    FillVertical(cr, board, shelves[i], Shade(wood, 0.1), shelves[i] + 12, Shade(wood, -0.15));
  }
  auto post = [=](cairo_t* c) { cairo_rectangle(c, postX, 190, 12, 528); };
  FillVertical(cr, post, 190, Shade(wood, 0.05), 718, Shade(wood, -0.1));
  SetColour(cr, Shade(wood, -0.35));
  cairo_set_line_width(cr, 1.5);
  cairo_rectangle(cr, postX + 0.75, 190, 10.5, 528);
  cairo_stroke(cr);
  // The roof, with a scalloped edge.
  const Colour roof = Rgb(218, 98, 72);
  auto roofShape = [=](cairo_t* c) {
    RoundRect(c, roofX, 168, roofW, 30, 10);
    for (double x = roofX + 12; x < roofX + roofW - 6; x += 24) Circle(c, x, 198, 12);
  };
  SoftShadow(cr, roofShape, 0, 5, 10, Rgb(0, 0, 0), 0.3);
  FillVertical(cr, roofShape, 168, Shade(roof, 0.12), 210, Shade(roof, -0.15));
  SetColour(cr, Rgb(255, 255, 255), 0.35);
  RoundRect(cr, roofX + 10, 172, roofW - 20, 4, 2);
  cairo_fill(cr);
}

Image Sorting(Studio& studio) {
  Canvas canvas(kScreenWidth, kScreenHeight);
  cairo_t* cr = canvas.cr;
  Sky(cr, kScreenWidth, 700);
  Skyline(cr, 690, 150, 880);
  Emoji(studio, cr, U'\U0001F31E', 246, 104, 64);
  Cloud(cr, 120, 130, 0.55);
  Cloud(cr, 920, 130, 0.5);
  Hills(cr, kScreenWidth, 676, 740, Rgb(170, 218, 146), 0.4);
  Ground(cr, kScreenWidth, kScreenHeight, 700, 724);
  Bush(cr, 244, 712, 74, Rgb(84, 166, 74));
  Bush(cr, 776, 712, 74, Rgb(84, 166, 74));

  const double leftShelves[2] = {396, 634};
  const double rightShelves[2] = {391, 624};
  Shelter(cr, -10, 216, -20, 246, 196, leftShelves);
  Shelter(cr, 800, 232, 784, 258, 798, rightShelves);

  for (int i = 0; i < 4; ++i) {
    const Container& c = kContainers[i];
    BinLook look;
    look.baseTop = c.hintY - 6;
    DrawBin(studio, cr, BinFor(i + 1), c.bin, look);
  }

  // The sign the game writes its error count on, at (42, 42).
  Panel(cr, {24, 30, 178, 52}, 14);

  DrawBackButton(studio, cr, {829, 25, 165, 45}, false);
  return canvas.opaque();
}

// ---------------------------------------------------------------- cards, button, items

Image Card(Studio& studio, int value) {
  Canvas canvas(96, 90);
  SetColour(canvas.cr, kTable);
  cairo_paint(canvas.cr);
  if (value < 0)
    CardBack(studio, canvas.cr, {0, 0, 96, 90});
  else
    CardFace(studio, canvas.cr, value, {0, 0, 96, 90});
  return canvas.opaque();
}

Image NewGameButton(Studio& studio) {
  Canvas canvas(240, 61);
  ButtonLook look;
  look.face = kActionFace;
  look.radius = 14;
  look.rimWidth = 5;
  look.shadow = false;
  const Rect face = DrawButton(canvas.cr, {0, 0, 240, 61}, look);
  TextStyle style;
  style.size = 30;
  style.outline = 2.8;
  style.outlineColour = palette::Ink;
  Text(studio, canvas.cr, "NOVÁ HRA", face.x + face.w / 2, face.y + face.h / 2 + 11, style);
  return canvas.keyed(palette::Ink);
}

Image Item(Studio& studio, int n) {
  Canvas canvas(107, 107);
  Emoji(studio, canvas.cr, kItems[n - 1], 53.5, 53.5, 86);
  StickerRim(canvas, 3.2, Rgb(255, 255, 255));
  const Colour edge = Rgb(70, 80, 102);
  StickerRim(canvas, 1.4, edge);
  return canvas.keyed(edge);
}

Image Unused() {
  Canvas canvas(8, 8);
  SetColour(canvas.cr, palette::SkyLow);
  cairo_paint(canvas.cr);
  return canvas.opaque();
}

}  // namespace

// The game's own name for picture k, without its folder.
std::string PictureFile(int k) {
  return std::filesystem::path(voranka::PictureFileName(k)).filename().string();
}

std::vector<Picture> MakeAllPictures(Studio& studio) {
  std::vector<Image> images(35);
  images[0] = Menu(studio, 0);
  images[1] = MenuLit(studio, images[0], 1);
  images[2] = MenuLit(studio, images[0], 2);
  images[3] = Memory(studio, false);
  images[4] = Intro(studio, images[3]);
  images[5] = Unused();
  for (int v = 0; v < 12; ++v) images[6 + v] = Card(studio, v);
  images[18] = Card(studio, -1);
  images[19] = NewGameButton(studio);
  images[20] = Sorting(studio);
  images[21] = Crop(Memory(studio, true), 0, 674, 118, 86);
  for (int n = 1; n <= 13; ++n) images[21 + n] = Item(studio, n);

  std::vector<Picture> pictures;
  for (int k = 0; k < 35; ++k) pictures.push_back({PictureFile(k), std::move(images[k])});
  return pictures;
}

}  // namespace picgen
