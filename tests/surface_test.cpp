// The drawing verbs, pixel by pixel: clipping, the colour key, stretching, outlines and text.
#include <gtest/gtest.h>

#include "platform/fonts.h"
#include "shell/surface.h"
#include "shell/text.h"

namespace voranka {
namespace {

constexpr Pixel Background = RGB(10, 20, 30);
constexpr Pixel Ink = RGB(200, 40, 40);

// A picture whose pixel (x, y) encodes its own coordinates, so a surface pixel tells exactly
// which source pixel landed there.
PreparedPicture Coded(int width, int height, bool keyed = false) {
  PreparedPicture p;
  p.width = width;
  p.height = height;
  p.keyed = keyed;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) p.pixels.push_back(RGB(x, y, 77));
  return p;
}

class SurfaceTest : public ::testing::Test {
 protected:
  SurfaceTest() : fonts(FindFontFile), surface(fonts) { surface.fill(Background); }

  // Every pixel of the surface that differs from the background, as a bounding box.
  struct Box {
    int left = SurfaceWidth, top = SurfaceHeight, right = -1, bottom = -1;
    bool empty() const { return right < 0; }
  };
  Box changed() const {
    Box box;
    for (int y = 0; y < SurfaceHeight; ++y)
      for (int x = 0; x < SurfaceWidth; ++x)
        if (surface.pixel(x, y) != Background) {
          box.left = std::min(box.left, x);
          box.top = std::min(box.top, y);
          box.right = std::max(box.right, x);
          box.bottom = std::max(box.bottom, y);
        }
    return box;
  }

  FontLibrary fonts;
  Surface surface;
};

TEST_F(SurfaceTest, DrawClipsWithoutWrapping) {
  const PreparedPicture p = Coded(107, 107);
  surface.draw(p, 0, -30);
  EXPECT_EQ(surface.pixel(0, 0), RGB(0, 30, 77));
  EXPECT_EQ(surface.pixel(106, 76), RGB(106, 106, 77));
  EXPECT_EQ(surface.pixel(0, 77), Background);

  surface.fill(Background);
  surface.draw(p, -20, 100);
  EXPECT_EQ(surface.pixel(0, 100), RGB(20, 0, 77));
  EXPECT_EQ(surface.pixel(86, 100), RGB(106, 0, 77));
  EXPECT_EQ(surface.pixel(87, 100), Background);

  surface.fill(Background);
  surface.draw(p, 1000, 740);  // bottom-right corner: no wrap to the left or the top
  EXPECT_EQ(surface.pixel(1021, 759), RGB(21, 19, 77));
  EXPECT_EQ(surface.pixel(0, 740), Background);
  EXPECT_EQ(surface.pixel(1000, 0), Background);

  for (auto [x, y] : {std::pair{1022, 0}, {0, 760}, {-200, -200}, {-107, 0}, {0, -107}}) {
    surface.fill(Background);
    surface.draw(p, x, y);
    EXPECT_TRUE(changed().empty()) << x << "," << y;
  }
}

TEST_F(SurfaceTest, KeyedPicturesSkipTheKeyColourAndUnkeyedOnesCopyIt) {
  PreparedPicture p = Coded(4, 1);
  p.pixels[1] = KeyColour;
  surface.draw(p, 10, 10);
  EXPECT_EQ(surface.pixel(11, 10), KeyColour);
  p.keyed = true;
  surface.fill(Background);
  surface.draw(p, 10, 10);
  EXPECT_EQ(surface.pixel(10, 10), RGB(0, 0, 77));
  EXPECT_EQ(surface.pixel(11, 10), Background);
  surface.fill(Background);
  surface.stretch(p, 10, 10, 18, 12);
  EXPECT_EQ(surface.pixel(12, 11), Background);
  EXPECT_EQ(surface.pixel(13, 11), Background);
  EXPECT_EQ(surface.pixel(14, 11), RGB(2, 0, 77));
}

TEST_F(SurfaceTest, StretchScalesByNearestPixel) {
  const PreparedPicture card = Coded(96, 90);
  for (auto rect : {std::array{100, 300, 96, 390}, {100, 300, 100, 390}, {100, 300, 140, 300}}) {
    surface.stretch(card, rect[0], rect[1], rect[2], rect[3]);
    EXPECT_TRUE(changed().empty()) << rect[0] << " " << rect[2];
  }
  // Squeezed into six columns: all of the picture, every 16th column.
  surface.stretch(card, 95, 300, 101, 390);
  EXPECT_EQ(changed().left, 95);
  EXPECT_EQ(changed().right, 100);
  for (int c = 0; c < 6; ++c) EXPECT_EQ(RedOf(surface.pixel(95 + c, 300)), c * 16);
  EXPECT_EQ(GreenOf(surface.pixel(100, 389)), 89);

  // Widened from 96 to 98 columns: two source columns show twice, the last one at the edge.
  surface.fill(Background);
  surface.stretch(card, 49, 300, 147, 390);
  EXPECT_EQ(changed().left, 49);
  EXPECT_EQ(changed().right, 146);
  EXPECT_EQ(RedOf(surface.pixel(49, 300)), 0);
  EXPECT_EQ(RedOf(surface.pixel(146, 300)), 95);

  // Clipped at the left edge: the scale stays that of the whole rectangle.
  surface.fill(Background);
  surface.stretch(card, -96, 0, 96, 90);  // twice as wide
  EXPECT_EQ(RedOf(surface.pixel(0, 0)), 48);
  EXPECT_EQ(RedOf(surface.pixel(95, 0)), 95);
}

TEST_F(SurfaceTest, OutlineIsCentredOnTheBorderAndLeavesTheInside) {
  surface.pen = {Yellow, 3};
  surface.brush.style = BrushStyle::Clear;
  surface.outline(382, 452, 617, 508);
  surface.release();
  const auto box = changed();
  EXPECT_EQ(box.left, 381);
  EXPECT_EQ(box.right, 617);
  EXPECT_EQ(box.top, 451);
  EXPECT_EQ(box.bottom, 508);
  struct Probe {
    int x, y;
    bool painted;
  };
  for (Probe p : std::initializer_list<Probe>{{381, 480, true},
                                              {383, 480, true},
                                              {384, 480, false},
                                              {614, 480, false},
                                              {615, 480, true},
                                              {617, 480, true},
                                              {500, 453, true},
                                              {500, 454, false},
                                              {500, 505, false},
                                              {500, 506, true},
                                              {381, 451, true},
                                              {617, 508, true}}) {
    EXPECT_EQ(surface.pixel(p.x, p.y) == Yellow, p.painted) << p.x << "," << p.y;
  }
}

TEST_F(SurfaceTest, TheHeldCanvasRefusesPicturesUntilReleased) {
  const PreparedPicture p = Coded(8, 8);
  surface.pen = {Yellow, 3};
  surface.brush.style = BrushStyle::Clear;
  EXPECT_FALSE(surface.held());
  surface.outline(100, 100, 120, 120);
  EXPECT_TRUE(surface.held());
  surface.draw(p, 0, 0);
  EXPECT_EQ(surface.pixel(0, 0), Background);
  surface.release();
  surface.release();  // releasing an idle canvas does nothing
  surface.draw(p, 0, 0);
  EXPECT_EQ(surface.pixel(1, 1), RGB(1, 1, 77));
}

TEST_F(SurfaceTest, TextFillsItsCellFromTheTopLeftCorner) {
  surface.font = {"Tahoma", 74, true, Ink};
  surface.brush.style = BrushStyle::Clear;
  // Accents above the capitals and descenders stay inside the 74-row line.
  surface.write("ÁŽÝgjp", 100, 200);
  surface.release();
  const auto box = changed();
  EXPECT_GE(box.top, 200);
  EXPECT_LE(box.top, 206);  // the accent reaches nearly to the line's top
  EXPECT_LE(box.bottom, 273);
  EXPECT_GE(box.bottom, 260);  // the descenders reach well below the baseline
  EXPECT_GE(box.left, 98);  // a glyph may overhang its cell by its side bearing
  EXPECT_LE(box.left, 106);
}

TEST_F(SurfaceTest, LeadingSpacesAreBlankAdvance) {
  surface.font = {"Tahoma", 21, true, Black};
  surface.brush.style = BrushStyle::Clear;
  const int space = surface.textWidth(" ");
  ASSERT_GT(space, 0);
  surface.write("   PAPIER", 285, 249);
  const auto spaced = changed();
  surface.fill(Background);
  surface.write("PAPIER", 285 + 3 * space, 249);
  const auto plain = changed();
  EXPECT_EQ(spaced.left, plain.left);
  EXPECT_EQ(spaced.right, plain.right);
  EXPECT_EQ(spaced.left - 285, 3 * space + (plain.left - 285 - 3 * space));
}

TEST_F(SurfaceTest, ClearBrushWritesOnlyTheGlyphs) {
  surface.font = {"Tahoma", 74, true, RGB(200, 200, 200)};
  surface.brush.style = BrushStyle::Clear;
  surface.write("PREHRALI STE", 269, 379);
  surface.write("PREHRALI STE", 271, 381);
  surface.font.color = RGB(50, 50, 50);
  surface.write("PREHRALI STE", 270, 380);
  surface.release();
  int light = 0, dark = 0, background = 0;
  const auto box = changed();
  for (int y = box.top; y <= box.bottom; ++y)
    for (int x = box.left; x <= box.right; ++x) {
      const Pixel p = surface.pixel(x, y);
      light += p == RGB(200, 200, 200);
      dark += p == RGB(50, 50, 50);
      background += p == Background;
    }
  EXPECT_GT(light, 100);
  EXPECT_GT(dark, 2000);
  EXPECT_GT(background, 8000);  // between and around the letters
}

TEST_F(SurfaceTest, EverySlovakLetterHasItsOwnGlyph) {
  SizedFace& face = fonts.face("Tahoma", true, 21);
  for (char32_t c : DecodeUtf8("AÁÄBCČDĎEÉFGHIÍJKLĹĽMNŇOÓÔPQRŔSŠTŤUÚVWXYÝZŽ"
                               "aáäbcčdďeéfghiíjklĺľmnňoóôpqrŕsštťuúvwxyýzž0123456789:/- ")) {
    EXPECT_TRUE(face.hasGlyph(c)) << static_cast<unsigned>(c);
  }
  EXPECT_EQ(DecodeUtf8("Ž\xff" "a"), std::u32string(U"Ž\uFFFDa"));
}

}  // namespace
}  // namespace voranka

namespace voranka {
namespace {

// The widest run of strong coverage across the middle of a glyph's "I".
int StemWidth(SizedFace& face) {
  const Glyph& glyph = face.glyph(U'I');
  const int row = glyph.height / 2;
  int run = 0, widest = 0;
  for (int x = 0; x < glyph.width; ++x) {
    run = glyph.coverage[static_cast<size_t>(row) * glyph.width + x] >= 128 ? run + 1 : 0;
    widest = std::max(widest, run);
  }
  return widest;
}

TEST(Text, BoldIsClearlyHeavierThanRegular) {
  FontLibrary fonts(FindFontFile);
  for (int height : {21, 29, 74}) {
    const int regular = StemWidth(fonts.face("Tahoma", false, height));
    const int bold = StemWidth(fonts.face("Tahoma", true, height));
    EXPECT_GE(bold, regular * 3 / 2) << height;
    EXPECT_GE(bold, height / 8) << height;
  }
}

}  // namespace
}  // namespace voranka
