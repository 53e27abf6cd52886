#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

// Row, lanes with an item: the timetable's 24 filled rows.
const std::vector<std::pair<int, std::vector<int>>> FilledRows = {
    {1, {2}},     {4, {3}},  {7, {1}},  {10, {4}}, {13, {4}}, {15, {3}}, {17, {3}},    {20, {2}},
    {21, {2}},    {25, {2}}, {26, {3}}, {28, {4}}, {31, {2}}, {32, {3}}, {33, {2, 4}}, {35, {2}},
    {37, {1, 4}}, {41, {2}}, {42, {2}}, {43, {4}}, {44, {1}}, {45, {1}}, {47, {1}},    {50, {2, 4}},
};

TEST(DropSchedule, HoldsTheTwentySevenItemsOfTheTimetable) {
  std::vector<std::array<std::uint8_t, 4>> expected(50, {0, 0, 0, 0});
  for (const auto& [row, lanes] : FilledRows)
    for (int lane : lanes)
      expected[static_cast<size_t>(row - 1)][static_cast<size_t>(lane - 1)] = 1;
  for (size_t r = 0; r < 50; ++r) EXPECT_EQ(DropSchedule[r], expected[r]) << "row " << r + 1;
}

// A random source that records every n it is asked for and hands out the given numbers.
struct ScriptedRandom {
  explicit ScriptedRandom(std::vector<std::int32_t> numbers) : numbers(std::move(numbers)) {
    source.forced = [this](std::int32_t n) {
      asked.push_back(n);
      return next < this->numbers.size() ? this->numbers[next++] : 0;
    };
  }
  std::vector<std::int32_t> numbers;
  size_t next = 0;
  std::vector<std::int32_t> asked;
  Random source;
};

TEST(ScheduledItems, YieldsTheRowsItemsInLaneOrderWithOneDrawEach) {
  struct Case {
    std::int32_t clock;
    std::vector<std::int32_t> xs;
  };
  const std::vector<Case> cases = {
      {0, {}},      {110, {400}},  {111, {}},          {220, {}},          {440, {515}},
      {770, {285}}, {1100, {630}}, {3630, {400, 630}}, {4070, {285, 630}}, {5500, {400, 630}},
      {5501, {}},   {5610, {}},    {-110, {}},         {-1, {}},           {110 * 1000, {}},
  };
  for (const Case& c : cases) {
    ScriptedRandom random({12, 0});
    const auto items = ScheduledItems(c.clock, random.source);
    ASSERT_EQ(items.size(), c.xs.size()) << "clock " << c.clock;
    EXPECT_EQ(random.asked, std::vector<std::int32_t>(c.xs.size(), 13)) << "clock " << c.clock;
    for (size_t i = 0; i < items.size(); ++i) {
      EXPECT_EQ(items[i].x, c.xs[i]) << "clock " << c.clock;
      EXPECT_EQ(items[i].y, -30);
      EXPECT_EQ(items[i].picture, i == 0 ? 34 : 22) << "clock " << c.clock;
    }
  }
}

TEST(ScheduledItems, AWholeGameYieldsTwentySevenItemsPerLaneAsTimetabled) {
  ScriptedRandom random({});
  std::array<int, 4> perLane{};
  int total = 0;
  for (std::int32_t clock = -40; clock <= 5501; ++clock) {
    for (const NewItem& item : ScheduledItems(clock, random.source)) {
      ++total;
      ++perLane[static_cast<size_t>((item.x - 170) / 115 - 1)];
    }
  }
  EXPECT_EQ(total, 27);
  EXPECT_EQ(perLane, (std::array<int, 4>{5, 10, 5, 7}));
}

FallingItemLists ThreeItems() {
  FallingItemLists lists;
  lists.ItemX = {285, 400, 515};
  lists.ItemY = {10, 20, 30};
  lists.ItemPicture = {22, 23, 24};
  return lists;
}

TEST(RemoveItem, KeepsTheOthersInOrderInAllThreeLists) {
  SortState state;
  state.FallingItems = ThreeItems();
  state.RemoveItem(0);
  EXPECT_EQ(state.FallingItems.ItemX, (std::vector<std::int32_t>{400, 515}));
  EXPECT_EQ(state.FallingItems.ItemY, (std::vector<std::int32_t>{20, 30}));
  EXPECT_EQ(state.FallingItems.ItemPicture, (std::vector<std::int32_t>{23, 24}));
  state.RemoveItem(1);
  EXPECT_EQ(state.FallingItems.ItemX, (std::vector<std::int32_t>{400}));
  EXPECT_EQ(state.FallingItems.ItemPicture, (std::vector<std::int32_t>{23}));
}

TEST(RemoveItem, IgnoresAnIndexOutsideTheLists) {
  SortState state;
  state.FallingItems = ThreeItems();
  state.RemoveItem(-1);
  state.RemoveItem(3);
  EXPECT_EQ(state.FallingItems.ItemX, ThreeItems().ItemX);
  EXPECT_EQ(state.FallingItems.ItemY, ThreeItems().ItemY);
  EXPECT_EQ(state.FallingItems.ItemPicture, ThreeItems().ItemPicture);
}

TEST(SortGameReset, StartAndRestartDiscardTheGameButKeepTheHintAndTheLatch) {
  struct Case {
    void (*reset)(Game&);
    std::uint8_t screenBefore;
    std::int32_t clock;
  };
  for (const Case& c :
       {Case{StartSortGame, ScreenSortIntro, -20}, Case{RestartSortGame, ScreenSortGame, -40}}) {
    Harness h;
    Game& game = h.game;
    game.ScreenState = c.screenBefore;
    game.MousePressed = true;
    game.sorting.FallingItems = ThreeItems();
    game.sorting.HeldPicture = 30;
    game.sorting.SortClock = 5501;
    game.sorting.ErrorCount = 7;
    game.sorting.HintBin = 3;
    game.sorting.HintTicks = 42;
    c.reset(game);
    EXPECT_EQ(game.ScreenState, ScreenSortGame);
    EXPECT_TRUE(game.sorting.FallingItems.ItemX.empty());
    EXPECT_TRUE(game.sorting.FallingItems.ItemY.empty());
    EXPECT_TRUE(game.sorting.FallingItems.ItemPicture.empty());
    EXPECT_EQ(game.sorting.HeldPicture, -1);
    EXPECT_EQ(game.sorting.SortClock, c.clock);
    EXPECT_EQ(game.sorting.ErrorCount, 0);
    EXPECT_EQ(game.sorting.HintBin, 3);
    EXPECT_EQ(game.sorting.HintTicks, 42);
    EXPECT_TRUE(game.MousePressed);
  }
}

TEST(SortContainers, EveryItemPictureBelongsInExactlyOneContainer) {
  const std::vector<std::pair<int, std::vector<int>>> expected = {
      {1, {29, 30, 31}}, {2, {22, 23, 24, 25}}, {3, {32, 33, 34}}, {4, {26, 27, 28}}};
  for (const auto& [number, pictures] : expected) {
    for (int picture : pictures) {
      const SortContainer* home = ContainerOf(picture);
      ASSERT_NE(home, nullptr) << picture;
      EXPECT_EQ(home->number, number) << picture;
    }
  }
  EXPECT_EQ(ContainerOf(21), nullptr);
  EXPECT_EQ(ContainerOf(35), nullptr);
}

}  // namespace
}  // namespace voranka::testing
