#include "shell/game.h"

namespace voranka {

// Placeholder until the menu lands: its background and its flip.
void MenuFrame(Game& game) {
  game.draw(0, 0, 0);
  game.release();
  game.flip();
  game.MousePressed = false;
}

}  // namespace voranka
