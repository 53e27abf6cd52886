// The desktop window's placement on small and large displays, the pointer's way back to surface
// pixels, and which mouse reports reach the game.
#include <gtest/gtest.h>

#include <vector>

#include "platform/sdl/layout.h"
#include "platform/sdl/pointer.h"

namespace voranka::desktop {
namespace {

TEST(WindowPlacement, DesignedPositionKeptOrMendedOrScaled) {
  const Borders openbox{20, 1, 1, 1};  // a title bar and thin edges
  struct Case {
    const char* what;
    Rect usable;
    Borders borders;
    Rect client;
  };
  const std::vector<Case> cases = {
      {"fits as designed", {0, 0, 1600, 1000}, openbox, {305, 145, 1022, 760}},
      {"no decorations", {0, 0, 1600, 1000}, {}, {304, 125, 1022, 760}},
      {"1366 x 768: scaled to the height, moved up",
       {0, 0, 1366, 768},
       openbox,
       {305, 20, 1004, 747}},
      {"1280 x 1024: moved left", {0, 0, 1280, 1024}, openbox, {257, 145, 1022, 760}},
      {"just fits: moved to the corner", {0, 0, 1024, 781}, openbox, {1, 20, 1022, 760}},
      {"a panel at the top", {0, 40, 1920, 1040}, openbox, {305, 145, 1022, 760}},
      {"a panel taking the designed spot", {0, 200, 1920, 880}, openbox, {305, 220, 1022, 760}},
      {"800 x 600: scaled to the height", {0, 0, 800, 600}, openbox, {21, 20, 778, 579}},
      {"second display right of the first", {1920, 0, 1366, 768}, openbox, {1921, 20, 1004, 747}},
  };
  for (const Case& c : cases) {
    const Rect client = PlaceClient(c.usable, c.borders);
    EXPECT_EQ(client.x, c.client.x) << c.what;
    EXPECT_EQ(client.y, c.client.y) << c.what;
    EXPECT_EQ(client.w, c.client.w) << c.what;
    EXPECT_EQ(client.h, c.client.h) << c.what;
    // Wholly on the usable area, decorations included.
    EXPECT_GE(client.x - c.borders.left, c.usable.x) << c.what;
    EXPECT_GE(client.y - c.borders.top, c.usable.y) << c.what;
    EXPECT_LE(client.x + client.w + c.borders.right, c.usable.x + c.usable.w) << c.what;
    EXPECT_LE(client.y + client.h + c.borders.bottom, c.usable.y + c.usable.h) << c.what;
  }
}

TEST(WindowPlacement, FrameViewFillsTheClientAreaWithTheAspectKept) {
  struct Case {
    int clientW, clientH;
    Rect view;
  };
  const std::vector<Case> cases = {
      {1022, 760, {0, 0, 1022, 760}},
      {1100, 800, {0, 0, 1022, 760}},  // larger than asked for: 1:1 at the corner
      {1000, 747, {0, 2, 1000, 743}},  // width decides; two black rows above and below
      {511, 380, {0, 0, 511, 380}},
      {1022, 500, {175, 0, 672, 500}},  // height decides
  };
  for (const Case& c : cases) {
    const Rect view = FrameView(c.clientW, c.clientH);
    EXPECT_EQ(view.x, c.view.x) << c.clientW << "x" << c.clientH;
    EXPECT_EQ(view.y, c.view.y) << c.clientW << "x" << c.clientH;
    EXPECT_EQ(view.w, c.view.w) << c.clientW << "x" << c.clientH;
    EXPECT_EQ(view.h, c.view.h) << c.clientW << "x" << c.clientH;
  }
}

TEST(PointerMapping, ClientPositionsToSurfacePixels) {
  struct Case {
    Rect view;
    int x, y;
    Point surface;
  };
  const Rect whole{0, 0, 1022, 760};
  const Rect half{0, 0, 511, 380};
  const Rect letterboxed{0, 2, 1000, 743};
  const std::vector<Case> cases = {
      {whole, 0, 0, {0, 0}},
      {whole, 1021, 759, {1021, 759}},
      {whole, -5, 800, {-5, 800}},  // outside while captured: signed and unclipped
      {half, 0, 0, {1, 1}},
      {half, 205, 143, {411, 287}},
      {half, 510, 379, {1021, 759}},
      {half, -1, -1, {-1, -1}},
      {half, -2, -2, {-3, -3}},  // floor, not truncation, left of and above the window
      {letterboxed, 0, 2, {0, 0}},
      {letterboxed, 999, 744, {1021, 759}},  // the last pixel of each way is reachable
      {letterboxed, 0, 0, {0, -2}},          // the black band above the frame
      {letterboxed, 402, 287, {411, 292}},
      {letterboxed, 401, 287, {410, 292}},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ToSurface(c.view, c.x, c.y), c.surface) << c.x << "," << c.y;
}

// The left button captures the pointer until its release; other buttons do not.
TEST(PointerFilter, OnlyTheLeftButtonCaptures) {
  using B = PointerFilter::Button;
  PointerFilter filter;
  EXPECT_TRUE(filter.move(true));
  EXPECT_FALSE(filter.move(false));  // nothing held: no moves outside

  EXPECT_TRUE(filter.press(B::Left));
  EXPECT_TRUE(filter.capturing());
  EXPECT_TRUE(filter.move(false));
  EXPECT_TRUE(filter.release(B::Other, false));  // everything goes to the capture
  EXPECT_TRUE(filter.release(B::Left, false));
  EXPECT_FALSE(filter.capturing());
  EXPECT_FALSE(filter.move(false));

  EXPECT_TRUE(filter.press(B::Other));
  EXPECT_FALSE(filter.capturing());
  EXPECT_FALSE(filter.move(false));
  EXPECT_FALSE(filter.release(B::Other, false));  // released outside: not reported
  EXPECT_TRUE(filter.press(B::Other));
  EXPECT_TRUE(filter.release(B::Other, true));
  EXPECT_FALSE(filter.release(B::Left, false));  // a left release never pressed here

  EXPECT_TRUE(filter.press(B::Left));
  filter.lose();  // the focus went elsewhere, and the capture with it
  EXPECT_FALSE(filter.move(false));
  EXPECT_FALSE(filter.release(B::Left, false));
}

}  // namespace
}  // namespace voranka::desktop
