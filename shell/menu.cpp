#include "memory/memory.h"
#include "shell/game.h"

namespace voranka {

// The main menu: its picture, the button under the pointer lit, a press acted on once.
void MenuFrame(Game& game) {
  game.draw(0, 0, 0);
  // The memory button's box is strict on all four sides.
  if (410 < game.MouseX && game.MouseX < 620 && 286 < game.MouseY && game.MouseY < 403) {
    game.draw(2, 0, 0);
    if (game.MousePressed) StartMemoryGame(game);
  }
  // The sorting button's box is strict too, and ends at x 609, ten pixels short of the other.
  if (410 < game.MouseX && game.MouseX < 610 && 496 < game.MouseY && game.MouseY < 594) {
    game.draw(1, 0, 0);
    if (game.MousePressed) game.ScreenState = ScreenSortIntro;
  }
  game.release();
  game.flip();
  // A press is used up by the frame that sees it, acted on or not.
  game.MousePressed = false;
}

}  // namespace voranka
