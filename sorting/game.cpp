// The sorting game: waste falls down four lanes on the schedule's timetable; the player drags each
// item into its container. A miss or a wrong drop beeps and counts an error; three lose the game.
#include "shell/game.h"

#include <string>

#include "sorting/sorting.h"

namespace voranka {

const std::array<SortContainer, 4> SortContainers = {{
    // number, pictures, drop box (left, top, right, bottom), hint position
    {1, 29, 31, 10, 228, 187, 396, 55, 357},     // left, upper
    {2, 22, 25, 10, 470, 198, 634, 59, 596},     // left, lower
    {3, 32, 34, 809, 228, 1010, 413, 823, 352},  // right, upper
    {4, 26, 28, 818, 470, 1010, 648, 828, 588},  // right, lower
}};

const SortContainer* ContainerOf(std::int32_t picture) {
  for (const SortContainer& container : SortContainers) {
    if (container.holds(picture)) return &container;
  }
  return nullptr;
}

namespace {

constexpr std::int32_t LastClock = 5501;
constexpr std::int32_t LosingErrors = 3;
constexpr std::int32_t MissLine = 740;
constexpr std::int32_t ItemSize = 107;
constexpr std::int32_t HeldOffset = 53;
constexpr std::int32_t HintFrames = 90;
constexpr std::int32_t HintBlink = 15;

void SetButtonPen(Game& game) {
  game.canvas().pen.color = DarkGreen;
  game.canvas().pen.width = 3;
  game.canvas().brush.style = BrushStyle::Clear;
}

// An end text in three passes: two light ones a pixel up-left and down-right, the dark one between.
void WriteEndText(Game& game, const char* text, int x, int y) {
  FontSettings& font = game.canvas().font;
  font.name = "Tahoma";
  font.height = 74;
  font.bold = true;
  font.color = RGB(200, 200, 200);
  game.write(text, x - 1, y - 1);
  game.write(text, x + 1, y + 1);
  font.color = RGB(50, 50, 50);
  game.write(text, x, y);
  game.release();
}

}  // namespace

void SortGameFrame(Game& game) {
  SortState& s = game.sorting;
  FallingItemLists& items = s.FallingItems;

  // Background.
  game.draw(20, 0, 0);

  // Back button: only the screen changes; the rest of the frame runs in full.
  if (828 < game.MouseX && game.MouseX < 994 && 24 < game.MouseY && game.MouseY < 70) {
    SetButtonPen(game);
    game.outline(825, 24, 1000, 75);
    game.release();
    if (game.MousePressed) game.ScreenState = ScreenSortIntro;
  }

  // Clock: stops at its last value and while the game is lost.
  bool advanced = false;
  if (s.ErrorCount < LosingErrors && s.SortClock < LastClock) {
    ++s.SortClock;
    advanced = true;
  }

  if (s.lost()) WriteEndText(game, "PREHRALI STE", 270, 380);
  if (s.won()) WriteEndText(game, "VYHRALI STE", 280, 380);

  // Restart button; its box alone includes its edges.
  if (s.lost() || s.won()) {
    SetButtonPen(game);
    game.draw(19, 380, 450);
    if (380 <= game.MouseX && game.MouseX <= 619 && 450 <= game.MouseY && game.MouseY <= 510) {
      game.outline(382, 452, 617, 508);
      game.release();
      if (game.MousePressed) RestartSortGame(game);
    }
  }

  // New items: each clock value is looked up once, in the frame that reached it.
  if (advanced) {
    for (const NewItem& item : ScheduledItems(s.SortClock, game.randomSource())) {
      items.ItemX.push_back(item.x);
      items.ItemY.push_back(item.y);
      items.ItemPicture.push_back(item.picture);
    }
  }

  // Fall, newest first so that the oldest is drawn on top. Every item present at the start of the
  // loop is visited once, even when the errors reach the limit part-way.
  if (s.ErrorCount < LosingErrors) {
    for (std::int32_t i = static_cast<std::int32_t>(items.size()) - 1; i >= 0; --i) {
      const auto at = static_cast<std::size_t>(i);
      ++items.ItemY[at];
      game.draw(items.ItemPicture[at], items.ItemX[at], items.ItemY[at]);
      game.release();
      if (items.ItemY[at] > MissLine) {
        game.beep();
        s.RemoveItem(i);
        ++s.ErrorCount;
      }
    }
  }

  // Taking an item: the oldest under the pointer, strictly inside its box, whatever the game's
  // condition (the stopped items of a lost game can still be taken).
  if (game.MousePressed && s.HeldPicture == -1) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items.ItemX[i] < game.MouseX && game.MouseX < items.ItemX[i] + ItemSize &&
          items.ItemY[i] < game.MouseY && game.MouseY < items.ItemY[i] + ItemSize) {
        s.HeldPicture = items.ItemPicture[i];
        s.RemoveItem(static_cast<std::int32_t>(i));
        break;
      }
    }
  }

  // A press that took nothing is used up.
  if (game.MousePressed && s.HeldPicture == -1) game.MousePressed = false;

  // Dragging: the held item centred on the pointer, over everything else.
  if (game.MousePressed && s.HeldPicture != -1) {
    game.draw(s.HeldPicture, game.MouseX - HeldOffset, game.MouseY - HeldOffset);
  }

  // Dropping: the release is judged where the pointer is now.
  if (!game.MousePressed && s.HeldPicture != -1) {
    const SortContainer* home = ContainerOf(s.HeldPicture);
    s.HeldPicture = -1;
    if (home != nullptr && !home->dropBoxHas(game.MouseX, game.MouseY)) {
      game.beep();
      s.HintTicks = 0;
      s.HintBin = home->number;
      ++s.ErrorCount;
    }
  }

  // Hint: shown 15 frames, hidden 15, three times.
  FontSettings& font = game.canvas().font;
  font.color = RGB(250, 100, 100);
  font.height = 29;
  font.bold = true;
  if (s.HintBin >= 1 && s.HintBin <= 4) {
    if ((s.HintTicks / HintBlink) % 2 == 0) {
      const SortContainer& bin = SortContainers[static_cast<std::size_t>(s.HintBin - 1)];
      game.write("PATRÍ SEM", bin.hintX, bin.hintY);
      game.release();
    }
    ++s.HintTicks;
    if (s.HintTicks == HintFrames) s.HintBin = -1;
  }

  // Error line, with the true count even past the limit.
  font.color = RGB(150, 80, 50);
  font.height = 26;
  font.bold = true;
  game.write("CHYBY: " + std::to_string(s.ErrorCount) + " /3", 42, 42);
  game.release();

  game.flip();
}

}  // namespace voranka
