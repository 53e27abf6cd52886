// The sorting game: waste falls down four lanes and is dragged into one of four containers.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

namespace voranka {

class Game;
class Random;

// The items in flight, oldest first: three parallel lists, always of equal length.
struct FallingItemLists {
  std::vector<std::int32_t> ItemX;
  std::vector<std::int32_t> ItemY;
  std::vector<std::int32_t> ItemPicture;

  std::size_t size() const { return ItemX.size(); }
  bool empty() const { return ItemX.empty(); }
};

struct SortState {
  FallingItemLists FallingItems;
  std::int32_t HeldPicture = 0;  // picture of the item being dragged, or -1
  std::int32_t SortClock = 0;    // -20 after a start, -40 after a restart, at most 5501
  std::int32_t ErrorCount = 0;
  std::int32_t HintBin = 0;    // container 1..4 whose hint shows; anything else: none
  std::int32_t HintTicks = 0;  // frames the hint has run, 0..90

  bool lost() const { return ErrorCount >= 3; }
  bool won() const {
    return ErrorCount < 3 && SortClock == 5501 && FallingItems.empty() && HeldPicture == -1;
  }
  // Takes item i out of all three lists; the later items keep their order.
  void RemoveItem(std::int32_t i);
};

// A street container painted in the game's background (picture 20): the item pictures that
// belong in it, the box in which a release counts as a drop into it (bounds strict), and where
// its hint is written.
struct SortContainer {
  std::int32_t number;  // 1..4, the value HintBin takes
  std::int32_t firstPicture;
  std::int32_t lastPicture;
  std::int32_t dropLeft, dropTop, dropRight, dropBottom;
  std::int32_t hintX, hintY;

  bool holds(std::int32_t picture) const {
    return picture >= firstPicture && picture <= lastPicture;
  }
  bool dropBoxHas(std::int32_t x, std::int32_t y) const {
    return dropLeft < x && x < dropRight && dropTop < y && y < dropBottom;
  }
};

extern const std::array<SortContainer, 4> SortContainers;

// The container an item picture belongs in, or nullptr for a picture that is no item.
const SortContainer* ContainerOf(std::int32_t picture);

void StartSortGame(Game& game);
void RestartSortGame(Game& game);

// One new item of the drop schedule.
struct NewItem {
  std::int32_t x;
  std::int32_t y;
  std::int32_t picture;
};

// 50 rows by 4 lanes; row r falls due at clock value 110 * r.
extern const std::array<std::array<std::uint8_t, 4>, 50> DropSchedule;

// The items due at clock value `clock`, in lane order, each with a picture drawn by random(13).
std::vector<NewItem> ScheduledItems(std::int32_t clock, Random& random);

void SortIntroFrame(Game& game);
void SortGameFrame(Game& game);

}  // namespace voranka
