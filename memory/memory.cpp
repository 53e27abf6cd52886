#include "memory/memory.h"

#include "shell/game.h"

namespace voranka {

const std::array<std::string_view, 12> ContainerMessages = {};

void StartMemoryGame(Game& game) { game.ScreenState = ScreenMemory; }
void DealCards(Game&) {}

// Placeholder until the memory game lands.
void MemoryFrame(Game& game) {
  game.draw(3, 0, 0);
  game.MousePressed = false;
  game.flip();
}

}  // namespace voranka
