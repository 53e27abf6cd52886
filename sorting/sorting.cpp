#include "sorting/sorting.h"

#include "shell/game.h"

namespace voranka {

const std::array<std::array<std::uint8_t, 4>, 50> DropSchedule = {};

void SortState::RemoveItem(std::int32_t) {}
void StartSortGame(Game& game) { game.ScreenState = ScreenSortGame; }
void RestartSortGame(Game&) {}
std::vector<NewItem> ScheduledItems(std::int32_t, Random&) { return {}; }

// Placeholders until the sorting game lands.
void SortIntroFrame(Game& game) {
  game.draw(4, 0, 0);
  game.flip();
}
void SortGameFrame(Game& game) {
  game.draw(20, 0, 0);
  game.flip();
}

}  // namespace voranka
