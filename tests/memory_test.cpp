// The memory game: the deal, the turning of cards frame by frame, pairs and their messages, the
// new deal and the back button, on fixture pictures (each a flat colour, so a row of the frame
// tells which picture lies where).
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

constexpr int Back = 18;
constexpr int Face = -1;  // in the turning tables: the face of the card's pair value

int SlotLeft(int slot) {
  return 50 + 120 * (slot % 8);
}
int SlotTop(int slot) {
  return 300 + 120 * (slot / 8);
}

using Frame = std::vector<Pixel>;

Frame Capture(const Surface& surface) {
  return Frame(surface.pixels(),
               surface.pixels() + static_cast<size_t>(SurfaceWidth) * SurfaceHeight);
}

Pixel At(const Frame& frame, int x, int y) {
  return frame[static_cast<size_t>(y) * SurfaceWidth + x];
}

// Enters the memory game through the menu's memory button with the deal's draws forced (zeros
// after the given ones), then lifts the button and parks the pointer outside every box.
void Enter(Harness& h, std::vector<std::int32_t> draws = {}) {
  if (!h.game.AssetsLoaded) h.tick();
  ASSERT_EQ(h.game.ScreenState, ScreenMenu);
  h.forceRandom(std::move(draws));
  h.move(500, 350);
  h.press();
  ASSERT_EQ(h.tick(), 2);
  ASSERT_EQ(h.game.ScreenState, ScreenMemory);
  h.release();
  h.move(1000, 100);
}

// One frame with a press on the slot's card, the pointer then parked away.
void Click(Harness& h, int slot) {
  h.move(SlotLeft(slot) + 48, SlotTop(slot) + 45);
  h.press();
  h.tick();
  h.release();
  h.move(1000, 100);
}

// Opens two cards in consecutive frames and runs until the turn is resolved; returns the frames
// counted from the second press.
int PlayTurn(Harness& h, int first, int second) {
  Click(h, first);
  Click(h, second);
  for (int frames = 1; frames <= 200; ++frames) {
    h.tick();
    if (h.game.memory.FirstCard == -1) return frames;
  }
  return -1;
}

// What a row through the middle of a slot shows from one pixel left of the card's box to one
// pixel right of it: the first and last column (as offsets from the slot's left) that differ
// from the background, and their colour. Nothing when the whole stretch shows the background.
struct Span {
  int first;
  int last;
  Pixel colour;
};

std::optional<Span> ScanSlot(const Frame& frame, int slot) {
  const Pixel background = FixtureColour(3);
  const int left = SlotLeft(slot);
  const int y = SlotTop(slot) + 45;
  std::optional<Span> span;
  for (int x = left - 8; x <= left + 104; ++x) {
    const Pixel p = At(frame, x, y);
    if (p == background) continue;
    if (!span) {
      span = Span{x - left, x - left, p};
      continue;
    }
    EXPECT_EQ(x - left, span->last + 1) << "gap before " << x;
    EXPECT_EQ(p, span->colour) << "mixed colours at " << x;
    span->last = x - left;
  }
  return span;
}

// One row of the opening or closing table: the phase after the step, the picture, and the drawn
// rectangle's left and right edges as offsets from the slot's left.
struct TurnRow {
  int phase;
  int picture;
  int left;
  int right;
};

const TurnRow kOpening[20] = {
    {-45, Back, 5, 91},  {-40, Back, 10, 86}, {-35, Back, 15, 81}, {-30, Back, 20, 76},
    {-25, Back, 25, 71}, {-20, Back, 30, 66}, {-15, Back, 35, 61}, {-10, Back, 40, 56},
    {-5, Back, 45, 51},  {0, Back, 50, 46},   {5, Face, 45, 51},   {10, Face, 40, 56},
    {15, Face, 35, 61},  {20, Face, 30, 66},  {25, Face, 25, 71},  {30, Face, 20, 76},
    {35, Face, 15, 81},  {40, Face, 10, 86},  {45, Face, 5, 91},   {50, Face, 0, 96},
};

const TurnRow kClosing[20] = {
    {44, Face, 6, 90},   {39, Face, 11, 85},  {34, Face, 16, 80},  {29, Face, 21, 75},
    {24, Face, 26, 70},  {19, Face, 31, 65},  {14, Face, 36, 60},  {9, Face, 41, 55},
    {4, Face, 46, 50},   {-1, Face, 51, 45},  {-6, Back, 44, 52},  {-11, Back, 39, 57},
    {-16, Back, 34, 62}, {-21, Back, 29, 67}, {-26, Back, 24, 72}, {-31, Back, 19, 77},
    {-36, Back, 14, 82}, {-41, Back, 9, 87},  {-46, Back, 4, 92},  {-51, Back, -1, 97},
};

const TurnRow kFullyOpen = {50, Face, 0, 96};

// The slot as the row says: the picture stretched to the row's edges over the card's whole
// height, or nothing at all when the rectangle has no width.
void ExpectSlotShows(const Frame& frame, int slot, int value, const TurnRow& row) {
  const auto span = ScanSlot(frame, slot);
  if (row.right <= row.left) {
    EXPECT_FALSE(span.has_value()) << "drawn from " << span->first << " to " << span->last;
    return;
  }
  ASSERT_TRUE(span.has_value());
  const Pixel colour = FixtureColour(row.picture == Face ? value + 6 : row.picture);
  EXPECT_EQ(span->colour, colour);
  EXPECT_EQ(span->first, row.left);
  EXPECT_EQ(span->last, row.right - 1);
  const int x = SlotLeft(slot) + row.left;
  const int top = SlotTop(slot);
  EXPECT_EQ(At(frame, x, top), colour);
  EXPECT_EQ(At(frame, x, top + 89), colour);
  EXPECT_EQ(At(frame, x, top - 1), FixtureColour(3));
  EXPECT_EQ(At(frame, x, top + 90), FixtureColour(3));
}

// Pixels of the message line's band that are black: the message is written in black on the
// background, which has no black.
int BlackInMessageBand(const Frame& frame) {
  int count = 0;
  for (int y = 240; y < 280; ++y)
    for (int x = 270; x < SurfaceWidth; ++x) count += At(frame, x, y) == Black;
  return count;
}

bool NewGameButtonShows(const Frame& frame) {
  return At(frame, 500, 480) == FixtureColour(19);
}

// --- The deal ---------------------------------------------------------------------------------

void ExpectEachValueTwice(const std::array<std::int32_t, 24>& cards) {
  int counts[12] = {};
  for (std::int32_t v : cards) {
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 12);
    ++counts[v];
  }
  for (int v = 0; v < 12; ++v) EXPECT_EQ(counts[v], 2) << "value " << v;
}

std::array<std::int32_t, 24> Unshuffled() {
  std::array<std::int32_t, 24> cards{};
  for (int i = 0; i < 24; ++i) cards[static_cast<size_t>(i)] = i / 2;
  return cards;
}

TEST(DealCards, MakesExactly401ExchangesOfTwoDrawsOf24) {
  Harness h;
  int draws = 0;
  h.game.randomSource().forced = [&](std::int32_t n) {
    EXPECT_EQ(n, 24);
    ++draws;
    return 0;
  };
  h.game.memory.CardValues.fill(-1);
  DealCards(h.game);
  EXPECT_EQ(draws, 802);
  // Only exchanges of slot 0 with itself: the table as laid out, slot i holding i div 2.
  EXPECT_EQ(h.game.memory.CardValues, Unshuffled());
}

TEST(DealCards, DrawsPairUpInOrder) {
  Harness h;
  // Slot 0 with slot 2, then slot 2 with slot 4, then zeros.
  h.forceRandom({0, 2, 2, 4});
  DealCards(h.game);
  auto expected = Unshuffled();
  expected[0] = 1;
  expected[2] = 2;
  expected[4] = 0;
  EXPECT_EQ(h.game.memory.CardValues, expected);
}

TEST(DealCards, ExchangesOfASlotWithItselfChangeNothing) {
  Harness h;
  std::vector<std::int32_t> draws;
  for (int n = 0; n < 401; ++n) draws.insert(draws.end(), 2, (n * 7) % 24);
  h.forceRandom(draws);
  DealCards(h.game);
  EXPECT_EQ(h.game.memory.CardValues, Unshuffled());
}

TEST(DealCards, HoldsEveryValueTwiceWhateverTheDrawsAndTouchesNothingElse) {
  Harness h;
  MemoryState& m = h.game.memory;
  m.FirstCard = 3;
  m.SecondCard = 9;
  m.FirstFlip = 17;
  m.SecondFlip = -22;
  m.PairPause = 44;
  m.MessageIndex = 7;
  m.MessageTicks = 99;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    h.game.randomSource().seed(seed);
    m.CardValues.fill(-1);
    DealCards(h.game);
    ExpectEachValueTwice(m.CardValues);
  }
  EXPECT_EQ(m.FirstCard, 3);
  EXPECT_EQ(m.SecondCard, 9);
  EXPECT_EQ(m.FirstFlip, 17);
  EXPECT_EQ(m.SecondFlip, -22);
  EXPECT_EQ(m.PairPause, 44);
  EXPECT_EQ(m.MessageIndex, 7);
  EXPECT_EQ(m.MessageTicks, 99);
}

TEST(StartMemoryGame, ResetsTheTurnAndTheMessageButNotItsCount) {
  Harness h;
  MemoryState& m = h.game.memory;
  m.CardValues.fill(-1);
  m.FirstCard = 3;
  m.SecondCard = 9;
  m.FirstFlip = 17;
  m.SecondFlip = 50;
  m.PairPause = 44;
  m.MessageIndex = 7;
  m.MessageTicks = 99;
  h.game.ScreenState = ScreenMenu;
  int draws = 0;
  h.game.randomSource().forced = [&](std::int32_t) { return ++draws % 24; };
  StartMemoryGame(h.game);
  EXPECT_EQ(draws, 802);
  EXPECT_EQ(h.game.ScreenState, ScreenMemory);
  EXPECT_EQ(m.FirstCard, -1);
  EXPECT_EQ(m.SecondCard, -1);
  EXPECT_EQ(m.FirstFlip, -50);
  EXPECT_EQ(m.SecondFlip, -50);
  EXPECT_EQ(m.PairPause, 0);
  EXPECT_EQ(m.MessageIndex, -1);
  EXPECT_EQ(m.MessageTicks, 99);
  ExpectEachValueTwice(m.CardValues);
}

TEST(ContainerMessages, AreTheTwelveLinesWithTheirLeadingSpaces) {
  struct Line {
    int spaces;
    const char* words;
  };
  const Line lines[12] = {
      {17, "BIOODPAD - HNEDÝ KONTAJNER"},
      {20, "PAPIER - MODRÝ KONTAJNER"},
      {20, "PAPIER - MODRÝ KONTAJNER"},
      {17, "BIOODPAD - HNEDÝ KONTAJNER"},
      {6, "NEBEZPEČNÝ ODPAD - ZBERNÝ KONTAJNER"},
      {22, "PLASTY - ŽLTÝ KONTAJNER"},
      {22, "PLASTY - ŽLTÝ KONTAJNER"},
      {5, "KOVY - ČIERNY ALEBO ČERVENÝ KONTAJNER"},
      {3, "NÁPOJOVÝ KARTÓN - ORANŽOVÝ KONTAJNER"},
      {20, "PAPIER - MODRÝ KONTAJNER"},
      {5, "KOVY - ČIERNY ALEBO ČERVENÝ KONTAJNER"},
      {13, "FAREBNÉ SKLO - ZELENÝ KONTAJNER"},
  };
  for (int v = 0; v < 12; ++v) {
    EXPECT_EQ(ContainerMessages[static_cast<size_t>(v)],
              std::string(static_cast<size_t>(lines[v].spaces), ' ') + lines[v].words)
        << "value " << v;
  }
}

// --- Turning ----------------------------------------------------------------------------------

// Slot 0 (value 0) pressed one frame before slot 2 (value 1): a miss. Every frame after the
// second press is checked against the opening and closing tables, for both cards.
TEST(MemoryFrame, AWholeTurnFollowsTheOpeningAndClosingTables) {
  Harness h;
  Enter(h);
  Frame frame;
  h.host.onPresent = [&](const Surface& s) { frame = Capture(s); };
  Click(h, 0);
  EXPECT_EQ(h.game.memory.FirstCard, 0);
  EXPECT_EQ(h.game.memory.FirstFlip, -50);
  Click(h, 2);
  EXPECT_EQ(h.game.memory.SecondCard, 2);
  EXPECT_EQ(h.game.memory.SecondFlip, -50);
  ExpectSlotShows(frame, 0, 0, kOpening[0]);

  for (int k = 1; k <= 110; ++k) {
    SCOPED_TRACE(::testing::Message() << "frame " << k << " after the second press");
    h.tick();
    const MemoryState& m = h.game.memory;
    const TurnRow& second = k <= 20    ? kOpening[k - 1]
                            : k <= 89  ? kFullyOpen
                            : k <= 109 ? kClosing[k - 90]
                                       : TurnRow{-51, Back, 0, 96};
    const TurnRow& first = k <= 19 ? kOpening[k] : k <= 89 ? kFullyOpen : second;
    ExpectSlotShows(frame, 0, 0, first);
    ExpectSlotShows(frame, 2, 1, second);
    if (k < 109) {
      EXPECT_EQ(m.FirstFlip, k == 89 ? 49 : first.phase);
      EXPECT_EQ(m.SecondFlip, k == 89 ? 49 : second.phase);
      EXPECT_EQ(m.PairPause, k < 20 ? 0 : std::min(k - 19, 70));
      EXPECT_EQ(m.FirstCard, 0);
      EXPECT_EQ(m.SecondCard, 2);
    } else {
      // Resolved in the 109th frame: a miss leaves both cards on the table, face down.
      EXPECT_EQ(m.FirstCard, -1);
      EXPECT_EQ(m.SecondCard, -1);
      EXPECT_EQ(m.PairPause, 0);
      EXPECT_EQ(m.FirstFlip, -51);
      EXPECT_EQ(m.SecondFlip, -51);
      EXPECT_EQ(m.MessageIndex, -1);
      EXPECT_EQ(m.CardValues, Unshuffled());
    }
    EXPECT_EQ(BlackInMessageBand(frame), 0);
  }
}

TEST(MemoryFrame, CardBoxesAreInclusiveAndEveryFaceDownCardSetsTheYellowPen) {
  Harness h;
  Enter(h);
  struct Case {
    int x, y;
    bool outlined;
  };
  // Slot 0: left 50, top 300; the outline's top edge covers rows 299..301.
  const Case cases[] = {{50, 300, true},  {145, 390, true},  {145, 300, true},  {50, 390, true},
                        {49, 300, false}, {146, 345, false}, {100, 299, false}, {100, 391, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pointer at " << c.x << "," << c.y);
    h.game.canvas().pen = PenSettings{RGB(1, 2, 3), 1};
    h.game.canvas().brush.style = BrushStyle::Solid;
    h.move(c.x, c.y);
    h.tick();
    EXPECT_EQ(h.host.at(100, 300), c.outlined ? Yellow : FixtureColour(Back));
    EXPECT_EQ(h.host.at(144, 345), c.outlined ? Yellow : FixtureColour(Back));
    EXPECT_EQ(h.host.at(100, 388), c.outlined ? Yellow : FixtureColour(Back));
    EXPECT_EQ(h.host.at(100, 345), FixtureColour(Back));  // no fill inside
    EXPECT_EQ(h.game.canvas().pen.color, Yellow);
    EXPECT_EQ(h.game.canvas().pen.width, 3);
    EXPECT_EQ(h.game.canvas().brush.style, BrushStyle::Clear);
  }
}

TEST(MemoryFrame, PressesOnOpenCardsOrWhileTwoAreOpenOrClosingAreUsedUp) {
  Harness h;
  Enter(h);
  Click(h, 0);
  h.ticks(25);
  // On the open card itself: nothing happens and the open card shows no outline.
  h.move(SlotLeft(0) + 48, SlotTop(0) + 45);
  h.press();
  h.tick();
  EXPECT_EQ(h.game.memory.FirstCard, 0);
  EXPECT_EQ(h.game.memory.SecondCard, -1);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.host.at(100, 300), FixtureColour(6));
  h.release();

  Click(h, 2);
  // While both are open (frame 30 after the second press) and while they close (frame 95), a
  // press on slot 4 opens nothing, the card is still outlined, and the press is gone after.
  for (int pressAt : {30, 95}) {
    SCOPED_TRACE(::testing::Message() << "press in frame " << pressAt);
    h.ticks(pressAt == 30 ? 29 : 95 - 31);  // up to the frame before the press
    h.move(SlotLeft(4) + 48, SlotTop(4) + 45);
    h.press();
    h.tick();
    EXPECT_EQ(h.game.memory.FirstCard, 0);
    EXPECT_EQ(h.game.memory.SecondCard, 2);
    EXPECT_FALSE(h.game.MousePressed);
    EXPECT_EQ(h.host.at(SlotLeft(4) + 48, SlotTop(4)), Yellow);
    // The button stays down; the latch is already clear.
  }
  // Pointer and button stay on slot 4 through the resolution (frame 109) and after it.
  h.ticks(15);
  EXPECT_EQ(h.game.memory.FirstCard, -1);
  EXPECT_EQ(h.game.memory.PairPause, 0);
  h.ticks(3);
  EXPECT_EQ(h.game.memory.FirstCard, -1);
  EXPECT_EQ(h.host.at(SlotLeft(4) + 48, SlotTop(4)), Yellow);
}

// --- Pairs and messages -----------------------------------------------------------------------

TEST(MemoryFrame, AMatchLeavesAfterClosingAndItsMessageShows150Frames) {
  Harness h;
  Enter(h);
  int written = 0;
  h.host.onPresent = [&](const Surface& s) { written += BlackInMessageBand(Capture(s)) > 50; };
  EXPECT_EQ(PlayTurn(h, 0, 1), 109);
  // The resolving frame still shows both backs 98 pixels wide and no message yet.
  const Frame resolving = h.host.lastFrame;
  ExpectSlotShows(resolving, 0, 0, kClosing[19]);
  ExpectSlotShows(resolving, 1, 0, kClosing[19]);
  EXPECT_EQ(written, 0);
  const MemoryState& m = h.game.memory;
  EXPECT_EQ(m.CardValues[0], -1);
  EXPECT_EQ(m.CardValues[1], -1);
  EXPECT_EQ(m.MessageIndex, 0);
  EXPECT_EQ(m.MessageTicks, 0);

  h.tick();
  EXPECT_FALSE(ScanSlot(h.host.lastFrame, 0).has_value());
  EXPECT_FALSE(ScanSlot(h.host.lastFrame, 1).has_value());
  EXPECT_EQ(written, 1);
  EXPECT_EQ(h.game.canvas().font.color, Black);
  EXPECT_EQ(h.game.canvas().font.height, 21);
  EXPECT_TRUE(h.game.canvas().font.bold);

  // A miss while the message runs: the message goes on, the cards stay.
  EXPECT_EQ(PlayTurn(h, 2, 4), 109);
  EXPECT_EQ(m.MessageIndex, 0);
  EXPECT_EQ(m.MessageTicks, 112);
  EXPECT_EQ(m.CardValues[2], 1);
  EXPECT_EQ(m.CardValues[4], 2);
  h.tick();
  ExpectSlotShows(h.host.lastFrame, 2, 1, {-50, Back, 0, 96});
  ExpectSlotShows(h.host.lastFrame, 4, 2, {-50, Back, 0, 96});

  h.ticks(37);
  EXPECT_EQ(m.MessageTicks, 150);
  EXPECT_EQ(m.MessageIndex, -1);
  EXPECT_EQ(written, 150);
  h.tick();
  EXPECT_EQ(written, 150);
  EXPECT_EQ(m.MessageTicks, 150);
}

TEST(MemoryFrame, AMatchReplacesARunningMessageAndRestartsItsCount) {
  Harness h;
  Enter(h);
  std::vector<int> blackPerFrame;
  Frame band0, band1;
  h.host.onPresent = [&](const Surface& s) {
    const Frame f = Capture(s);
    blackPerFrame.push_back(BlackInMessageBand(f));
    const Frame band(f.begin() + 240 * SurfaceWidth, f.begin() + 280 * SurfaceWidth);
    if (h.game.memory.MessageIndex == 0 && h.game.memory.MessageTicks == 50) band0 = band;
    if (h.game.memory.MessageIndex == 1 && h.game.memory.MessageTicks == 50) band1 = band;
  };
  ASSERT_EQ(PlayTurn(h, 0, 1), 109);
  const size_t firstMatch = blackPerFrame.size();
  ASSERT_EQ(PlayTurn(h, 2, 3), 109);
  const size_t secondMatch = blackPerFrame.size();
  EXPECT_EQ(h.game.memory.MessageIndex, 1);
  EXPECT_EQ(h.game.memory.MessageTicks, 0);
  h.ticks(160);
  for (size_t i = 0; i < blackPerFrame.size(); ++i) {
    const bool shown = i >= firstMatch && i < secondMatch + 150;
    EXPECT_EQ(blackPerFrame[i] > 50, shown) << "frame " << i;
  }
  ASSERT_FALSE(band0.empty());
  ASSERT_FALSE(band1.empty());
  EXPECT_NE(band0, band1);  // "BIOODPAD ..." gave way to "PAPIER ..."
}

// --- The empty table --------------------------------------------------------------------------

// A table with only slots 0 and 1 left, both of value 5.
void LastPairOnly(Harness& h) {
  h.game.memory.CardValues.fill(-1);
  h.game.memory.CardValues[0] = 5;
  h.game.memory.CardValues[1] = 5;
}

TEST(MemoryFrame, TheLastPairAndTheNewGameButtonShowInTheSameFrame) {
  Harness h;
  Enter(h);
  LastPairOnly(h);
  Click(h, 0);
  Click(h, 1);
  h.ticks(108);
  EXPECT_NE(h.game.memory.FirstCard, -1);
  EXPECT_FALSE(NewGameButtonShows(h.host.lastFrame));
  h.tick();
  const Frame& last = h.host.lastFrame;
  EXPECT_EQ(h.game.memory.FirstCard, -1);
  ExpectSlotShows(last, 0, 5, kClosing[19]);
  ExpectSlotShows(last, 1, 5, kClosing[19]);
  EXPECT_TRUE(NewGameButtonShows(last));
  EXPECT_EQ(h.game.memory.MessageIndex, 5);

  // The button's box is inclusive; its outline lies inside the picture.
  struct Case {
    int x, y;
    bool outlined;
  };
  const Case cases[] = {{380, 480, true},  {619, 480, true},  {500, 450, true},  {500, 510, true},
                        {379, 480, false}, {620, 480, false}, {500, 449, false}, {500, 511, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pointer at " << c.x << "," << c.y);
    h.move(c.x, c.y);
    h.tick();
    EXPECT_TRUE(NewGameButtonShows(h.host.lastFrame));
    const Pixel edge = c.outlined ? Yellow : FixtureColour(19);
    EXPECT_EQ(h.host.at(390, 452), edge);
    EXPECT_EQ(h.host.at(616, 480), edge);
    EXPECT_EQ(h.host.at(500, 507), edge);
    EXPECT_EQ(h.host.at(379, 480), FixtureColour(3));
  }
}

TEST(MemoryFrame, ANewDealChangesOnlyTheCardsAndKeepsARunningMessage) {
  Harness h;
  Enter(h);
  LastPairOnly(h);
  ASSERT_EQ(PlayTurn(h, 0, 1), 109);
  h.ticks(20);
  const MemoryState before = h.game.memory;
  EXPECT_EQ(before.MessageTicks, 20);

  h.forceRandom({1, 2});
  h.move(500, 480);  // over the button, and over slot 11 of the table to come
  h.press();
  h.tick();
  EXPECT_TRUE(NewGameButtonShows(h.host.lastFrame));  // the fresh table shows from the next frame
  auto expected = Unshuffled();
  std::swap(expected[1], expected[2]);
  const MemoryState& m = h.game.memory;
  EXPECT_EQ(m.CardValues, expected);
  EXPECT_EQ(m.FirstCard, -1);
  EXPECT_EQ(m.SecondCard, -1);
  EXPECT_EQ(m.FirstFlip, before.FirstFlip);
  EXPECT_EQ(m.SecondFlip, before.SecondFlip);
  EXPECT_EQ(m.PairPause, 0);
  EXPECT_EQ(m.MessageIndex, 5);
  EXPECT_EQ(m.MessageTicks, 21);

  // Held down over slot 11: the press was used up by the button.
  h.tick();
  EXPECT_FALSE(NewGameButtonShows(h.host.lastFrame));
  EXPECT_EQ(m.FirstCard, -1);
  EXPECT_EQ(h.host.at(SlotLeft(11) + 48, SlotTop(11)), Yellow);
  for (int slot = 0; slot < 24; ++slot)
    EXPECT_EQ(h.host.at(SlotLeft(slot) + 48, SlotTop(slot) + 45), FixtureColour(Back));
  EXPECT_GT(BlackInMessageBand(h.host.lastFrame), 50);
  h.ticks(128);
  EXPECT_GT(BlackInMessageBand(h.host.lastFrame), 50);
  EXPECT_EQ(m.MessageIndex, -1);
  h.tick();
  EXPECT_EQ(BlackInMessageBand(h.host.lastFrame), 0);
}

// --- The back button --------------------------------------------------------------------------

TEST(MemoryFrame, BackButtonBoxIsStrict) {
  Harness h;
  Enter(h);
  struct Case {
    int x, y;
    bool lit;
  };
  const Case cases[] = {{15, 720, false}, {16, 720, true}, {117, 720, true}, {118, 720, false},
                        {50, 695, false}, {50, 696, true}, {50, 757, true},  {50, 758, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "pointer at " << c.x << "," << c.y);
    h.move(c.x, c.y);
    EXPECT_EQ(h.tick(), 1);
    EXPECT_EQ(h.host.at(5, 680), c.lit ? FixtureColour(21) : FixtureColour(3));
  }
  // Pressed outside its box: used up before the frame is presented, still in the game.
  bool pressedAtFlip = true;
  h.host.onPresent = [&](const Surface&) { pressedAtFlip = h.game.MousePressed; };
  h.move(15, 720);
  h.press();
  h.tick();
  EXPECT_EQ(h.game.ScreenState, ScreenMemory);
  EXPECT_FALSE(pressedAtFlip);
  EXPECT_FALSE(h.game.MousePressed);
}

TEST(MemoryFrame, BackButtonLeavesMidTurnAndTheNextEntryDealsAFreshTable) {
  Harness h;
  Enter(h);
  ASSERT_EQ(PlayTurn(h, 0, 1), 109);  // a message runs
  h.ticks(5);
  Click(h, 2);
  Click(h, 4);
  h.ticks(30);
  const MemoryState before = h.game.memory;

  h.move(50, 720);
  h.press();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.game.ScreenState, ScreenMenu);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.host.at(5, 680), FixtureColour(21));
  const MemoryState& m = h.game.memory;
  EXPECT_EQ(m.CardValues, before.CardValues);
  EXPECT_EQ(m.FirstCard, 2);
  EXPECT_EQ(m.SecondCard, 4);
  EXPECT_EQ(m.PairPause, before.PairPause + 1);
  EXPECT_EQ(m.MessageIndex, 0);

  // The menu shows from the next tick, with the press gone.
  h.release();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_EQ(h.host.at(5, 5), FixtureColour(0));
  EXPECT_EQ(m.PairPause, before.PairPause + 1);

  Enter(h, {3, 4});
  auto expected = Unshuffled();
  std::swap(expected[3], expected[4]);
  EXPECT_EQ(m.CardValues, expected);
  EXPECT_EQ(m.FirstCard, -1);
  EXPECT_EQ(m.SecondCard, -1);
  EXPECT_EQ(m.PairPause, 0);
  EXPECT_EQ(m.MessageIndex, -1);
  for (int slot = 0; slot < 24; ++slot)
    EXPECT_EQ(h.host.at(SlotLeft(slot) + 48, SlotTop(slot) + 45), FixtureColour(Back));
  EXPECT_EQ(BlackInMessageBand(h.host.lastFrame), 0);
}

}  // namespace
}  // namespace voranka::testing
