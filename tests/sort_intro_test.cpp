#include <gtest/gtest.h>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

// The first frame, then the menu's sorting button into the intro. The intro sees no press.
void EnterIntro(Harness& h) {
  h.enterSortIntro();
  ASSERT_EQ(h.game.ScreenState, ScreenSortIntro);
  ASSERT_FALSE(h.game.MousePressed);
}

bool BackLit(const Harness& h) {
  return h.host.at(5, 700) == FixtureColour(21);
}
bool StartOutlined(const Harness& h) {
  return h.host.at(411, 720) == DarkGreen;
}

TEST(SortIntro, ButtonBoxesAreStrict) {
  struct Case {
    int x, y;
    bool back, start;
  };
  const Case cases[] = {
      {15, 720, false, false},  {16, 720, true, false},  {117, 720, true, false},
      {118, 720, false, false}, {50, 695, false, false}, {50, 696, true, false},
      {50, 757, true, false},   {50, 758, false, false}, {414, 720, false, false},
      {415, 720, false, true},  {639, 720, false, true}, {640, 720, false, false},
      {500, 698, false, false}, {500, 699, false, true}, {500, 744, false, true},
      {500, 745, false, false},
  };
  Harness h;
  EnterIntro(h);
  for (const Case& c : cases) {
    h.move(c.x, c.y);
    EXPECT_EQ(h.tick(), 1);
    EXPECT_EQ(h.game.ScreenState, ScreenSortIntro);
    EXPECT_EQ(BackLit(h), c.back) << c.x << "," << c.y;
    EXPECT_EQ(StartOutlined(h), c.start) << c.x << "," << c.y;
    EXPECT_EQ(h.host.at(300, 300), FixtureColour(4));
  }
}

TEST(SortIntro, SetsThePenAndAClearBrushInEveryFrame) {
  Harness h;
  EnterIntro(h);
  h.game.canvas().pen = {Yellow, 1};
  h.game.canvas().brush = {BrushStyle::Solid, RGB(255, 0, 0)};
  h.move(500, 720);
  h.tick();
  EXPECT_EQ(h.game.canvas().pen.color, DarkGreen);
  EXPECT_EQ(h.game.canvas().pen.width, 3);
  EXPECT_EQ(h.game.canvas().brush.style, BrushStyle::Clear);
  // Three pixels wide, centred on the box's edge, and nothing filled inside.
  for (int x : {410, 411, 412}) EXPECT_EQ(h.host.at(x, 720), DarkGreen) << x;
  EXPECT_EQ(h.host.at(409, 720), FixtureColour(4));
  EXPECT_EQ(h.host.at(413, 720), FixtureColour(4));
  EXPECT_EQ(h.host.at(500, 720), FixtureColour(4));
}

TEST(SortIntro, StartRunsTheGamesFirstFrameInTheSameTick) {
  Harness h;
  EnterIntro(h);
  h.game.sorting.HintBin = 4;
  h.game.sorting.HintTicks = 50;
  h.host.keepFrames = true;
  h.move(500, 720);
  h.press();
  EXPECT_EQ(h.tick(), 2);
  ASSERT_EQ(h.host.frames.size(), 2u);
  // The intro's frame shows the outline; the game's frame follows.
  EXPECT_EQ(h.host.frames[0][720 * SurfaceWidth + 411], DarkGreen);
  EXPECT_EQ(h.host.frames[1][300 * SurfaceWidth + 300], FixtureColour(20));
  EXPECT_EQ(h.game.ScreenState, ScreenSortGame);
  EXPECT_EQ(h.game.sorting.SortClock, -19);
  // The game took nothing with the press that started it and used it up.
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.game.sorting.HeldPicture, -1);
  // A running hint goes on.
  EXPECT_EQ(h.game.sorting.HintBin, 4);
  EXPECT_EQ(h.game.sorting.HintTicks, 51);
}

TEST(SortIntro, APressHeldOverEmptySpaceStaysLatchedAndStartsOnTheButton) {
  Harness h;
  EnterIntro(h);
  h.move(300, 300);
  h.press();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_TRUE(h.game.MousePressed);
  EXPECT_EQ(h.game.ScreenState, ScreenSortIntro);
  h.move(500, 720);
  EXPECT_EQ(h.tick(), 2);
  EXPECT_EQ(h.game.ScreenState, ScreenSortGame);
}

TEST(SortIntro, BackLeadsToTheMenuAtTheNextTickWithThePressStillLatched) {
  Harness h;
  EnterIntro(h);
  h.move(50, 720);
  h.press();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_TRUE(BackLit(h));
  EXPECT_EQ(h.game.ScreenState, ScreenMenu);
  EXPECT_TRUE(h.game.MousePressed);
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.host.at(300, 300), FixtureColour(0));
}

}  // namespace
}  // namespace voranka::testing
