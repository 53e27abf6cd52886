// The main menu: which button the pointer lights, and what a press on each does.
#include <gtest/gtest.h>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

enum class Lit { None, Memory, Sorting };

Pixel MenuColour(Lit lit) {
  switch (lit) {
    case Lit::Memory:
      return FixtureColour(2);
    case Lit::Sorting:
      return FixtureColour(1);
    default:
      return FixtureColour(0);
  }
}

struct PointerCase {
  int x, y;
  Lit lit;
};

// Both boxes are strict; the sorting button's ends at x 609.
const PointerCase kPointerCases[] = {
    {0, 0, Lit::None},       {410, 300, Lit::None},    {620, 300, Lit::None},
    {411, 287, Lit::Memory}, {619, 402, Lit::Memory},  {500, 286, Lit::None},
    {500, 403, Lit::None},   {500, 450, Lit::None},    {615, 550, Lit::None},
    {610, 550, Lit::None},   {411, 497, Lit::Sorting}, {609, 593, Lit::Sorting},
    {500, 496, Lit::None},   {500, 594, Lit::None},    {-500, 300, Lit::None},
    {500, -400, Lit::None},  {2000, 550, Lit::None},
};

TEST(MenuFrame, LightsTheButtonUnderThePointerWithoutAPress) {
  Harness h;
  h.tick();
  for (const auto& c : kPointerCases) {
    SCOPED_TRACE(::testing::Message() << "pointer at " << c.x << "," << c.y);
    h.move(c.x, c.y);
    EXPECT_EQ(h.tick(), 1);
    EXPECT_EQ(h.game.ScreenState, ScreenMenu);
    EXPECT_EQ(h.host.at(5, 5), MenuColour(c.lit));
  }
}

TEST(MenuFrame, PressesOutsideBothButtonsAreUsedUpWithoutEffect) {
  for (const auto& c : kPointerCases) {
    if (c.lit != Lit::None) continue;
    SCOPED_TRACE(::testing::Message() << "pointer at " << c.x << "," << c.y);
    Harness h;
    h.tick();
    h.move(c.x, c.y);
    h.press();
    EXPECT_EQ(h.tick(), 1);
    EXPECT_EQ(h.game.ScreenState, ScreenMenu);
    EXPECT_FALSE(h.game.MousePressed);
    // The button still held and moved onto the memory button: the press was already used up.
    h.move(500, 350);
    EXPECT_EQ(h.tick(), 1);
    EXPECT_EQ(h.game.ScreenState, ScreenMenu);
  }
}

TEST(MenuFrame, MemoryButtonDealsAndShowsTheTableInTheSameTick) {
  Harness h;
  h.tick();
  h.game.memory.MessageTicks = 77;
  h.game.memory.MessageIndex = 4;
  h.host.keepFrames = true;
  // Over card slot 3 of the table as well: the press that chose the game opens no card.
  h.move(500, 350);
  h.press();
  EXPECT_EQ(h.tick(), 2);
  ASSERT_EQ(h.host.frames.size(), 2u);
  EXPECT_EQ(h.host.frames[0][5], FixtureColour(2));
  const auto& table = h.host.frames[1];
  EXPECT_EQ(table[5], FixtureColour(3));
  EXPECT_EQ(table[static_cast<size_t>(345) * SurfaceWidth + 100], FixtureColour(18));
  EXPECT_EQ(h.game.ScreenState, ScreenMemory);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.game.memory.FirstCard, -1);
  EXPECT_EQ(h.game.memory.SecondCard, -1);
  EXPECT_EQ(h.game.memory.MessageIndex, -1);
  EXPECT_EQ(h.game.memory.MessageTicks, 77);
  // The hovered card is outlined, not opened.
  EXPECT_EQ(table[static_cast<size_t>(300) * SurfaceWidth + 450], Yellow);
  // Still held: the next frame opens nothing either.
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.game.memory.FirstCard, -1);
}

TEST(MenuFrame, SortingButtonShowsTheIntroInTheSameTickWithThePressUsedUp) {
  Harness h;
  h.tick();
  h.host.keepFrames = true;
  // The menu clears the latch after its own flip, so the intro's first frame sees it clear.
  bool pressedAtMenuFlip = false;
  bool pressedInIntro = true;
  int presents = 0;
  h.host.onPresent = [&](const Surface&) {
    if (++presents == 1) pressedAtMenuFlip = h.game.MousePressed;
    if (presents == 2) pressedInIntro = h.game.MousePressed;
  };
  h.move(609, 593);
  h.press();
  EXPECT_EQ(h.tick(), 2);
  ASSERT_EQ(h.host.frames.size(), 2u);
  EXPECT_EQ(h.host.frames[0][5], FixtureColour(1));
  EXPECT_NE(h.host.frames[1][5], FixtureColour(1));
  EXPECT_TRUE(pressedAtMenuFlip);
  EXPECT_FALSE(pressedInIntro);
  EXPECT_EQ(h.game.ScreenState, ScreenSortIntro);
}

}  // namespace
}  // namespace voranka::testing
