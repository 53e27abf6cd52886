// The sorting game's state: the resets that the intro's start and the restart button run, and
// taking one item out of flight.
#include "shell/game.h"
#include "sorting/sorting.h"

namespace voranka {

void SortState::RemoveItem(std::int32_t i) {
  // Callers pass a valid index; anything else would corrupt the three lists, so it is ignored.
  if (i < 0 || static_cast<std::size_t>(i) >= FallingItems.size()) return;
  FallingItems.ItemX.erase(FallingItems.ItemX.begin() + i);
  FallingItems.ItemY.erase(FallingItems.ItemY.begin() + i);
  FallingItems.ItemPicture.erase(FallingItems.ItemPicture.begin() + i);
}

namespace {

// A start and a restart differ only in the clock's lead-in. The hint and the mouse latch are
// left alone: a running hint goes on in the new game.
void ResetSortGame(Game& game, std::int32_t clock) {
  SortState& s = game.sorting;
  s.FallingItems.ItemX.clear();
  s.FallingItems.ItemY.clear();
  s.FallingItems.ItemPicture.clear();
  game.ScreenState = ScreenSortGame;
  s.SortClock = clock;
  s.HeldPicture = -1;
  s.ErrorCount = 0;
}

}  // namespace

void StartSortGame(Game& game) {
  ResetSortGame(game, -20);
}

void RestartSortGame(Game& game) {
  ResetSortGame(game, -40);
}

}  // namespace voranka
