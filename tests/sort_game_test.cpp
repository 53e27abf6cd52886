#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/fonts.h"
#include "shell/text.h"
#include "tests/harness.h"

namespace voranka::testing {
namespace {

const Pixel Background = FixtureColour(20);

// The first frame, the menu's sorting button into the intro, then the intro's start button.
// Afterwards the game's first frame has run and the press is used up.
void StartGame(Harness& h) {
  h.enterSortIntro();
  ASSERT_EQ(h.game.ScreenState, ScreenSortIntro);
  ASSERT_EQ(h.click(500, 720), 2);
  ASSERT_EQ(h.game.ScreenState, ScreenSortGame);
  ASSERT_EQ(h.game.sorting.SortClock, -19);
  ASSERT_FALSE(h.game.MousePressed);
}

// An item that the next frame's fall will show at (x, y).
void PlaceItem(Harness& h, int x, int y, int picture) {
  auto& items = h.game.sorting.FallingItems;
  items.ItemX.push_back(x);
  items.ItemY.push_back(y - 1);
  items.ItemPicture.push_back(picture);
}

// Holds `picture` as if it had been taken, with the button still down.
void Hold(Harness& h, int picture) {
  h.game.sorting.HeldPicture = picture;
  h.press();
}

struct Write {
  Pixel colour;
  int x, y;
};

// Whether the last frame shows exactly these writes of `text` (Tahoma bold at `height`) over the
// game's background, compared over the box that the writes cover, above row `rowLimit`.
bool ShowsText(const Harness& h, const std::string& text, int height, std::vector<Write> writes,
               int rowLimit = SurfaceHeight) {
  FontLibrary fonts(FindFontFile);
  Surface scratch(fonts);
  scratch.fill(Background);
  scratch.brush.style = BrushStyle::Clear;
  scratch.font.name = "Tahoma";
  scratch.font.bold = true;
  scratch.font.height = height;
  for (const Write& w : writes) {
    scratch.font.color = w.colour;
    scratch.write(text, w.x, w.y);
  }
  int left = SurfaceWidth, top = SurfaceHeight, right = 0, bottom = 0;
  for (int y = 0; y < SurfaceHeight; ++y)
    for (int x = 0; x < SurfaceWidth; ++x)
      if (scratch.pixel(x, y) != Background) {
        left = std::min(left, x), top = std::min(top, y);
        right = std::max(right, x + 1), bottom = std::max(bottom, y + 1);
      }
  if (left >= right) return false;
  for (int y = std::max(top - 2, 0); y < std::min({bottom + 2, rowLimit, SurfaceHeight}); ++y)
    for (int x = std::max(left - 2, 0); x < std::min(right + 2, SurfaceWidth); ++x)
      if (h.host.at(x, y) != scratch.pixel(x, y)) return false;
  return true;
}

bool ShowsErrors(const Harness& h, int count) {
  return ShowsText(h, "CHYBY: " + std::to_string(count) + " /3", 26, {{RGB(150, 80, 50), 42, 42}});
}

bool ShowsHint(const Harness& h, int x, int y) {
  return ShowsText(h, "PATRÍ SEM", 29, {{RGB(250, 100, 100), x, y}});
}

// Anything but the background in the hint's corner of container `bin`.
bool HintAreaPainted(const Harness& h, int x, int y) {
  for (int row = y; row < y + 30; ++row)
    for (int col = x; col < x + 140; ++col)
      if (h.host.at(col, row) != Background) return true;
  return false;
}

// The end texts stop above the restart button, which covers their lowest rows.
bool ShowsEndText(const Harness& h, const std::string& text, int x, int y) {
  const Pixel light = RGB(200, 200, 200), dark = RGB(50, 50, 50);
  return ShowsText(h, text, 74, {{light, x - 1, y - 1}, {light, x + 1, y + 1}, {dark, x, y}}, 450);
}

bool RestartShown(const Harness& h) {
  return h.host.at(500, 480) == FixtureColour(19);
}

TEST(SortGame, FirstItemComesInLaneTwoAndAnUntouchedOneFallsOffAfter771Frames) {
  Harness h;
  h.forceRandom({5});
  StartGame(h);
  h.ticks(128);
  EXPECT_TRUE(h.game.sorting.FallingItems.empty());
  EXPECT_EQ(h.host.at(450, 10), Background);
  EXPECT_TRUE(ShowsErrors(h, 0));

  h.tick();
  const auto& items = h.game.sorting.FallingItems;
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(h.game.sorting.SortClock, 110);
  EXPECT_EQ(items.ItemX[0], 400);
  EXPECT_EQ(items.ItemY[0], -29);
  EXPECT_EQ(items.ItemPicture[0], 27);
  EXPECT_EQ(h.host.at(450, 10), FixtureColour(27));
  EXPECT_EQ(h.host.at(450, 78), Background);

  // Every later item draws picture 22 in other lanes; the first one is followed down lane 2.
  int drawn = 1;
  int lastY = -29;
  while (h.game.sorting.ErrorCount == 0 && drawn < 1000) {
    h.tick();
    ++drawn;
    if (h.game.sorting.ErrorCount == 0) {
      ASSERT_EQ(items.ItemX[0], 400);
      lastY = items.ItemY[0];
      ASSERT_EQ(lastY, -29 + drawn - 1);
      ASSERT_EQ(h.host.at(450, std::min(lastY + 53, SurfaceHeight - 1)), FixtureColour(27));
    }
  }
  EXPECT_EQ(drawn, 771);
  EXPECT_EQ(lastY, 740);
  // Drawn once more at 741 in the frame that misses it, with the error already counted.
  EXPECT_EQ(h.host.at(450, 745), FixtureColour(27));
  EXPECT_EQ(h.host.at(450, 740), Background);
  EXPECT_EQ(h.host.beeps, 1);
  EXPECT_NE(items.ItemX[0], 400);
  EXPECT_TRUE(ShowsErrors(h, 1));
}

TEST(SortGame, TwoMissesInOneFrameCountPastTheLimitAndTheLostGameStopsItsItems) {
  Harness h;
  h.forceRandom({});  // every item picture 22
  StartGame(h);
  auto& s = h.game.sorting;
  s.ErrorCount = 2;
  s.SortClock = 3629;
  h.tick();
  ASSERT_EQ(s.FallingItems.size(), 2u);  // lanes 2 and 4 of the same row
  h.ticks(769);
  EXPECT_EQ(s.ErrorCount, 2);
  h.tick();
  EXPECT_EQ(s.ErrorCount, 4);
  EXPECT_EQ(h.host.beeps, 2);
  EXPECT_TRUE(ShowsErrors(h, 4));
  EXPECT_FALSE(RestartShown(h));  // the lost screen starts with the next frame

  // Lost: the clock and the remaining items stand still and are not drawn.
  const FallingItemLists before = s.FallingItems;
  ASSERT_EQ(before.size(), 3u);
  h.tick();
  EXPECT_EQ(s.SortClock, 4400);
  EXPECT_EQ(s.FallingItems.ItemY, before.ItemY);
  for (size_t i = 0; i < before.size(); ++i) {
    EXPECT_EQ(h.host.at(before.ItemX[i] + 10, before.ItemY[i] + 10), Background) << i;
  }
  EXPECT_TRUE(ShowsEndText(h, "PREHRALI STE", 270, 380));
  EXPECT_FALSE(ShowsEndText(h, "VYHRALI STE", 280, 380));
  EXPECT_TRUE(RestartShown(h));
  EXPECT_TRUE(ShowsErrors(h, 4));

  // A stopped item can still be taken, and a wrong drop counts on.
  const size_t last = before.size() - 1;
  const int x = before.ItemX[last] + 53, y = before.ItemY[last] + 53;
  h.move(x, y);
  h.press();
  h.tick();
  EXPECT_EQ(s.HeldPicture, 22);
  EXPECT_EQ(s.FallingItems.size(), 2u);
  EXPECT_EQ(h.host.at(x, y), FixtureColour(22));
  h.move(500, 150);
  h.release();
  h.tick();
  EXPECT_EQ(s.ErrorCount, 5);
  EXPECT_EQ(h.host.beeps, 3);
  EXPECT_EQ(s.HintBin, 2);
  EXPECT_TRUE(ShowsHint(h, 59, 596));
  EXPECT_TRUE(ShowsErrors(h, 5));
}

TEST(SortGame, AClockStoppedByALossLooksUpNothingMore) {
  Harness h;
  StartGame(h);
  auto& s = h.game.sorting;
  s.SortClock = 3630;  // a row with two items, already reached
  s.ErrorCount = 3;
  h.ticks(3);
  EXPECT_EQ(s.SortClock, 3630);
  EXPECT_TRUE(s.FallingItems.empty());
}

TEST(SortGame, APressOverEmptySpaceIsUsedUp) {
  Harness h;
  StartGame(h);
  PlaceItem(h, 400, 300, 23);
  h.move(200, 200);
  h.press();
  h.tick();
  EXPECT_FALSE(h.game.MousePressed);
  // Moving onto the item with the button still down takes nothing.
  h.move(450, 350);
  h.tick();
  EXPECT_EQ(h.game.sorting.HeldPicture, -1);
  EXPECT_EQ(h.game.sorting.FallingItems.size(), 1u);
  h.release();
  h.press();
  h.tick();
  EXPECT_EQ(h.game.sorting.HeldPicture, 23);
  EXPECT_TRUE(h.game.sorting.FallingItems.empty());
  EXPECT_TRUE(h.game.MousePressed);
}

TEST(SortGame, AnItemIsTakenOnlyStrictlyInsideItsBox) {
  struct Case {
    int x, y;
    bool taken;
  };
  // The item lies at (400, 300) in the frame of the press.
  const Case cases[] = {
      {400, 350, false}, {401, 350, true}, {506, 350, true}, {507, 350, false},
      {450, 300, false}, {450, 301, true}, {450, 406, true}, {450, 407, false},
  };
  for (const Case& c : cases) {
    Harness h;
    StartGame(h);
    PlaceItem(h, 400, 300, 25);
    h.move(c.x, c.y);
    h.press();
    h.tick();
    EXPECT_EQ(h.game.sorting.HeldPicture, c.taken ? 25 : -1) << c.x << "," << c.y;
    EXPECT_EQ(h.game.sorting.FallingItems.size(), c.taken ? 0u : 1u) << c.x << "," << c.y;
    EXPECT_EQ(h.game.MousePressed, c.taken) << c.x << "," << c.y;
  }
}

TEST(SortGame, WhereItemsOverlapTheOldestIsDrawnOnTopAndTaken) {
  Harness h;
  StartGame(h);
  PlaceItem(h, 400, 300, 23);
  PlaceItem(h, 400, 340, 24);
  PlaceItem(h, 400, 360, 25);
  h.tick();
  EXPECT_EQ(h.host.at(450, 380), FixtureColour(23));
  EXPECT_EQ(h.host.at(450, 430), FixtureColour(24));
  h.move(450, 380);
  h.press();
  h.tick();
  EXPECT_EQ(h.game.sorting.HeldPicture, 23);
  EXPECT_EQ(h.game.sorting.FallingItems.ItemPicture, (std::vector<std::int32_t>{24, 25}));
  // The held item follows the pointer, centred, over the item still falling (its keyed top-left
  // corner lets the falling one show through).
  h.move(480, 420);
  h.tick();
  EXPECT_EQ(h.host.at(427, 367), FixtureColour(24));
  EXPECT_EQ(h.host.at(431, 371), FixtureColour(23));
  EXPECT_EQ(h.host.at(533, 473), FixtureColour(23));
  EXPECT_EQ(h.host.at(426, 420), FixtureColour(24));
  EXPECT_EQ(h.host.at(534, 420), Background);
}

TEST(SortGame, DropsAreJudgedByThePointerAgainstTheItemsOwnContainer) {
  struct Case {
    int picture, x, y;
    int hintBin;  // -1: sorted, no hint
    int hintX, hintY;
  };
  const Case cases[] = {
      {22, 100, 550, -1, 0, 0},    // its own container
      {22, 100, 300, 2, 59, 596},  // another container
      {22, 500, 300, 2, 59, 596},  // no container
      {22, 10, 550, 2, 59, 596},   // on the drop box's edge
      {29, 11, 229, -1, 0, 0},     {29, 186, 395, -1, 0, 0},    {29, 187, 300, 1, 55, 357},
      {33, 1009, 412, -1, 0, 0},   {33, 900, 413, 3, 823, 352}, {26, 819, 647, -1, 0, 0},
      {27, 818, 500, 4, 828, 588}, {24, 197, 633, -1, 0, 0},    {24, 198, 633, 2, 59, 596},
  };
  for (const Case& c : cases) {
    Harness h;
    StartGame(h);
    h.game.sorting.HintBin = -1;
    Hold(h, c.picture);
    h.move(c.x, c.y);
    h.release();
    h.tick();
    const bool wrong = c.hintBin != -1;
    EXPECT_EQ(h.game.sorting.HeldPicture, -1);
    EXPECT_EQ(h.host.beeps, wrong ? 1 : 0) << c.picture << " at " << c.x << "," << c.y;
    EXPECT_EQ(h.game.sorting.ErrorCount, wrong ? 1 : 0) << c.picture << " at " << c.x << "," << c.y;
    EXPECT_EQ(h.game.sorting.HintBin, c.hintBin) << c.picture << " at " << c.x << "," << c.y;
    if (wrong) {
      EXPECT_TRUE(ShowsHint(h, c.hintX, c.hintY));
      EXPECT_TRUE(ShowsErrors(h, 1));
    }
  }
}

TEST(SortGame, HintBlinksThreeTimesAndAWrongDropReplacesIt) {
  Harness h;
  StartGame(h);
  Hold(h, 22);
  h.move(500, 300);
  h.release();
  h.tick();
  ASSERT_EQ(h.game.sorting.HintBin, 2);
  h.ticks(19);
  EXPECT_EQ(h.game.sorting.HintTicks, 20);

  Hold(h, 30);
  h.release();
  std::vector<int> shown;
  for (int frame = 0; frame < 90; ++frame) {
    h.tick();
    EXPECT_FALSE(HintAreaPainted(h, 59, 596)) << frame;
    if (HintAreaPainted(h, 55, 357)) shown.push_back(frame);
  }
  std::vector<int> expected;
  for (int frame = 0; frame < 90; ++frame)
    if ((frame / 15) % 2 == 0) expected.push_back(frame);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(h.game.sorting.HintBin, -1);
  EXPECT_EQ(h.game.sorting.ErrorCount, 2);
  h.tick();
  EXPECT_FALSE(HintAreaPainted(h, 55, 357));
}

TEST(SortGame, WonWaitsForTheHeldLastItem) {
  Harness h;
  StartGame(h);
  auto& s = h.game.sorting;
  s.SortClock = 5500;
  Hold(h, 22);
  h.move(600, 300);
  h.tick();
  EXPECT_EQ(s.SortClock, 5501);
  EXPECT_FALSE(RestartShown(h));
  h.tick();
  EXPECT_EQ(s.SortClock, 5501);
  EXPECT_FALSE(RestartShown(h));

  h.move(100, 550);
  h.release();
  h.tick();  // the drop comes after this frame's end texts
  EXPECT_EQ(s.HeldPicture, -1);
  EXPECT_FALSE(RestartShown(h));
  h.tick();
  EXPECT_TRUE(ShowsEndText(h, "VYHRALI STE", 280, 380));
  EXPECT_TRUE(RestartShown(h));
  EXPECT_EQ(h.host.beeps, 0);
}

TEST(SortGame, AWrongLastDropThatMakesTheThirdErrorLoses) {
  Harness h;
  StartGame(h);
  auto& s = h.game.sorting;
  s.SortClock = 5501;
  s.ErrorCount = 2;
  Hold(h, 22);
  h.move(100, 300);
  h.release();
  h.tick();
  EXPECT_EQ(s.ErrorCount, 3);
  h.tick();
  EXPECT_TRUE(ShowsEndText(h, "PREHRALI STE", 270, 380));
  EXPECT_FALSE(ShowsEndText(h, "VYHRALI STE", 280, 380));
  EXPECT_TRUE(RestartShown(h));
}

TEST(SortGame, TheRestartBoxIncludesItsEdges) {
  struct Case {
    int x, y;
    bool restarts;
  };
  const Case cases[] = {{380, 450, true},  {619, 510, true},  {379, 450, false},
                        {620, 510, false}, {500, 449, false}, {500, 511, false}};
  for (const Case& c : cases) {
    Harness h;
    StartGame(h);
    auto& s = h.game.sorting;
    s.ErrorCount = 3;
    PlaceItem(h, 630, 100, 26);
    s.HintBin = 3;
    s.HintTicks = 10;
    h.move(c.x, c.y);
    h.press();
    h.tick();
    EXPECT_EQ(s.SortClock, c.restarts ? -40 : -19) << c.x << "," << c.y;
    EXPECT_EQ(s.ErrorCount, c.restarts ? 0 : 3) << c.x << "," << c.y;
    EXPECT_EQ(s.FallingItems.empty(), c.restarts) << c.x << "," << c.y;
    EXPECT_EQ(h.game.ScreenState, ScreenSortGame);
    EXPECT_FALSE(h.game.MousePressed);
    EXPECT_EQ(s.HintBin, 3);  // the hint runs on
    EXPECT_EQ(s.HintTicks, 11);
    // The outline shows in the box, pressed or not.
    EXPECT_EQ(h.host.at(382, 480) == DarkGreen, c.restarts) << c.x << "," << c.y;
  }
}

TEST(SortGame, BackWithNothingHeldUsesUpThePress) {
  Harness h;
  StartGame(h);
  h.move(900, 50);
  h.press();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.host.at(825, 50), DarkGreen);
  EXPECT_EQ(h.game.ScreenState, ScreenSortIntro);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.game.sorting.SortClock, -18);  // the frame ran in full
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.host.at(300, 300), FixtureColour(4));
}

TEST(SortGame, BackWhileDraggingKeepsTheItemUntilTheNextStartDiscardsIt) {
  Harness h;
  StartGame(h);
  auto& s = h.game.sorting;
  PlaceItem(h, 400, 300, 31);
  h.move(450, 350);
  h.press();
  h.tick();
  ASSERT_EQ(s.HeldPicture, 31);
  // A wrong drop earlier left a hint running.
  s.HintBin = 4;
  s.HintTicks = 0;
  h.move(900, 50);
  h.tick();
  EXPECT_EQ(h.game.ScreenState, ScreenSortIntro);
  EXPECT_TRUE(h.game.MousePressed);
  EXPECT_EQ(s.HeldPicture, 31);
  EXPECT_EQ(s.HintTicks, 1);

  // The intro sees the button still down once the pointer reaches its start.
  h.tick();
  EXPECT_EQ(s.HintTicks, 1);  // nothing of the game runs meanwhile
  h.move(500, 720);
  EXPECT_EQ(h.tick(), 2);
  EXPECT_EQ(h.game.ScreenState, ScreenSortGame);
  EXPECT_EQ(s.HeldPicture, -1);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(s.ErrorCount, 0);
  EXPECT_EQ(h.host.beeps, 0);
  EXPECT_EQ(s.HintBin, 4);
  EXPECT_EQ(s.HintTicks, 2);
  EXPECT_TRUE(ShowsHint(h, 828, 588));
}

// A scripted player: takes the oldest item as soon as one is in flight and releases it at the
// next frame, over its own container or, when `wrong`, over the next one. Returns the frames
// played until the game ended.
int Play(Harness& h, bool wrong) {
  auto& s = h.game.sorting;
  int frames = 0;
  while (!s.won() && !s.lost() && frames < 7000) {
    if (s.HeldPicture == -1 && !s.FallingItems.empty()) {
      // Aim where the item will be after this frame's fall.
      h.move(s.FallingItems.ItemX[0] + 53, s.FallingItems.ItemY[0] + 1 + 53);
      h.press();
    } else if (s.HeldPicture != -1) {
      const int home = ContainerOf(s.HeldPicture)->number;
      const SortContainer& target =
          SortContainers[static_cast<size_t>(wrong ? home % 4 : home - 1)];
      h.move((target.dropLeft + target.dropRight) / 2, (target.dropTop + target.dropBottom) / 2);
      h.release();
    }
    h.tick();
    ++frames;
  }
  return frames;
}

TEST(SortGamePlayer, SortingEveryItemRightWinsTheGame) {
  Harness h;
  std::vector<std::int32_t> pictures;
  for (int i = 0; i < 27; ++i) pictures.push_back(i % 13);
  h.forceRandom(pictures);
  StartGame(h);
  const int frames = Play(h, false);
  auto& s = h.game.sorting;
  EXPECT_TRUE(s.won());
  EXPECT_EQ(s.ErrorCount, 0);
  EXPECT_EQ(h.host.beeps, 0);
  // The last row comes at clock 5500, 5519 frames after the start; its two items then take two
  // frames each.
  EXPECT_EQ(frames, 5523);
  h.tick();
  EXPECT_TRUE(ShowsEndText(h, "VYHRALI STE", 280, 380));
  EXPECT_TRUE(RestartShown(h));
  EXPECT_TRUE(ShowsErrors(h, 0));

  // Restart, then the lead-in: the first item comes 150 frames later.
  h.move(500, 480);
  h.press();
  h.tick();
  h.release();
  EXPECT_EQ(s.SortClock, -40);
  h.ticks(149);
  EXPECT_TRUE(s.FallingItems.empty());
  h.tick();
  EXPECT_EQ(s.FallingItems.size(), 1u);
}

TEST(SortGamePlayer, SortingEveryItemWrongLosesAtTheThirdItem) {
  Harness h;
  h.forceRandom({0, 7, 12});  // containers 2, 1 and 3
  StartGame(h);
  Play(h, true);
  auto& s = h.game.sorting;
  EXPECT_TRUE(s.lost());
  EXPECT_EQ(s.ErrorCount, 3);
  EXPECT_EQ(h.host.beeps, 3);
  EXPECT_EQ(s.HintBin, 3);
  EXPECT_TRUE(ShowsHint(h, 823, 352));
  EXPECT_TRUE(ShowsErrors(h, 3));
  h.tick();
  EXPECT_TRUE(ShowsEndText(h, "PREHRALI STE", 270, 380));
  EXPECT_TRUE(RestartShown(h));
}

}  // namespace
}  // namespace voranka::testing
