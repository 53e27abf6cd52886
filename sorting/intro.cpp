// The sorting intro: a back button to the menu and the start button into a new game.
#include "shell/game.h"
#include "sorting/sorting.h"

namespace voranka {

void SortIntroFrame(Game& game) {
  // The game writes its texts through this clear brush; it is set here on every frame.
  game.canvas().pen.color = DarkGreen;
  game.canvas().pen.width = 3;
  game.canvas().brush.style = BrushStyle::Clear;

  game.draw(4, 0, 0);

  const std::int32_t x = game.MouseX;
  const std::int32_t y = game.MouseY;

  if (15 < x && x < 118 && 695 < y && y < 758) {
    game.draw(21, 0, 674);
    if (game.MousePressed) game.ScreenState = ScreenMenu;
  }

  // The start acts before its outline; the press stays latched for the game's first frame.
  if (414 < x && x < 640 && 698 < y && y < 745) {
    if (game.MousePressed) StartSortGame(game);
    game.outline(411, 695, 644, 749);
    game.release();
  }

  game.flip();
}

}  // namespace voranka
