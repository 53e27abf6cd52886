#include "memory/memory.h"

#include <utility>

#include "shell/game.h"

namespace voranka {

// Indexed by pair value. The leading spaces belong to each text: written from x = 285 they
// roughly centre its words on the screen.
const std::array<std::string_view, 12> ContainerMessages = {
    "                 BIOODPAD - HNEDÝ KONTAJNER",
    "                    PAPIER - MODRÝ KONTAJNER",
    "                    PAPIER - MODRÝ KONTAJNER",
    "                 BIOODPAD - HNEDÝ KONTAJNER",
    "      NEBEZPEČNÝ ODPAD - ZBERNÝ KONTAJNER",
    "                      PLASTY - ŽLTÝ KONTAJNER",
    "                      PLASTY - ŽLTÝ KONTAJNER",
    "     KOVY - ČIERNY ALEBO ČERVENÝ KONTAJNER",
    "   NÁPOJOVÝ KARTÓN - ORANŽOVÝ KONTAJNER",
    "                    PAPIER - MODRÝ KONTAJNER",
    "     KOVY - ČIERNY ALEBO ČERVENÝ KONTAJNER",
    "             FAREBNÉ SKLO - ZELENÝ KONTAJNER",
};

void StartMemoryGame(Game& game) {
  MemoryState& m = game.memory;
  m.MessageIndex = -1;
  m.PairPause = 0;
  game.ScreenState = ScreenMemory;
  m.FirstCard = -1;
  m.SecondCard = -1;
  m.FirstFlip = -50;
  m.SecondFlip = -50;
  // MessageTicks is left alone: it restarts whenever a message starts.
  DealCards(game);
}

void DealCards(Game& game) {
  auto& cards = game.memory.CardValues;
  for (std::int32_t i = 0; i < 24; ++i) cards[static_cast<size_t>(i)] = i / 2;
  for (int n = 0; n < 401; ++n) {
    // Two independent draws, the first slot before the second.
    const std::int32_t a = game.random(24);
    const std::int32_t b = game.random(24);
    std::swap(cards[static_cast<size_t>(a)], cards[static_cast<size_t>(b)]);
  }
}

namespace {

constexpr int CardBack = 18;
constexpr int NewGameButton = 19;
constexpr int BackButtonLit = 21;
constexpr int Background = 3;
constexpr int PauseFrames = 70;
constexpr int MessageFrames = 150;

// One step of an opened card's turn. The phase before the step chooses what happens; the
// rectangle is computed from the phase after it. Below 0 the back shows, from 0 on the face.
void TurnCard(Game& game, std::int32_t& phase, std::int32_t value, int left, int top) {
  const int face = value + 6;
  const int step = game.memory.PairPause < PauseFrames ? 5 : -5;
  if (phase < 0) {
    phase += step;
    game.stretch(CardBack, left + 50 + phase, top, left + 46 - phase, top + 90);
  } else if (phase < 50) {
    phase += step;
    game.stretch(face, left + 50 - phase, top, left + 46 + phase, top + 90);
  } else {
    game.stretch(face, left + 50 - phase, top, left + 46 + phase, top + 90);
  }
}

void SetYellowPen(Game& game) {
  Surface& canvas = game.canvas();
  canvas.pen.color = Yellow;
  canvas.pen.width = 3;
  canvas.brush.style = BrushStyle::Clear;
}

}  // namespace

void MemoryFrame(Game& game) {
  MemoryState& m = game.memory;
  game.draw(Background, 0, 0);

  // The line naming the last pair's container, written for 150 frames.
  if (m.MessageIndex >= 0) {
    FontSettings& font = game.canvas().font;
    font.color = Black;
    font.height = 21;
    font.bold = true;
    ++m.MessageTicks;
    game.write(ContainerMessages[static_cast<size_t>(m.MessageIndex)], 285, 249);
    game.release();
    if (m.MessageTicks == MessageFrames) m.MessageIndex = -1;
  }

  // The cards, from the last slot to the first; an empty slot draws nothing and reacts to
  // nothing.
  for (std::int32_t i = 23; i >= 0; --i) {
    const std::int32_t value = m.CardValues[static_cast<size_t>(i)];
    if (value < 0) continue;
    const int left = 50 + 120 * (i % 8);
    const int top = 300 + 120 * (i / 8);
    if (i == m.FirstCard) {
      TurnCard(game, m.FirstFlip, value, left, top);
    } else if (i == m.SecondCard) {
      TurnCard(game, m.SecondFlip, value, left, top);
    } else {
      game.draw(CardBack, left, top);
      SetYellowPen(game);
      // The card's box is inclusive on all four sides.
      if (left <= game.MouseX && game.MouseX <= left + 95 && top <= game.MouseY &&
          game.MouseY <= top + 90) {
        game.outline(left, top, left + 95, top + 90);
        game.release();
        if (game.MousePressed) {
          if (m.FirstCard == -1) {
            m.FirstCard = i;
            m.FirstFlip = -50;
          } else if (m.SecondCard == -1) {
            m.SecondCard = i;
            m.SecondFlip = -50;
          }
        }
      }
    }
  }

  // Both cards stand fully open: count the pause; at its end both start closing from 49.
  if (m.FirstFlip >= 50 && m.SecondFlip >= 50 && m.PairPause < PauseFrames) {
    ++m.PairPause;
    if (m.PairPause == PauseFrames) {
      m.FirstFlip = 49;
      m.SecondFlip = 49;
    }
  }

  // Both cards have closed (they step together, so the first one tells): a matching pair
  // leaves the table and its message starts.
  if (m.PairPause == PauseFrames && m.FirstFlip < -47) {
    const std::int32_t first = m.CardValues[static_cast<size_t>(m.FirstCard)];
    if (first == m.CardValues[static_cast<size_t>(m.SecondCard)]) {
      m.MessageIndex = first;
      m.CardValues[static_cast<size_t>(m.FirstCard)] = -1;
      m.CardValues[static_cast<size_t>(m.SecondCard)] = -1;
      m.MessageTicks = 0;
    }
    m.FirstCard = -1;
    m.SecondCard = -1;
    m.PairPause = 0;
  }

  // An empty table offers a new deal; its box is inclusive.
  bool empty = true;
  for (std::int32_t value : m.CardValues) empty = empty && value == -1;
  if (empty) {
    SetYellowPen(game);
    game.draw(NewGameButton, 380, 450);
    if (380 <= game.MouseX && game.MouseX <= 619 && 450 <= game.MouseY && game.MouseY <= 510) {
      game.outline(382, 452, 617, 508);
      game.release();
      if (game.MousePressed) DealCards(game);
    }
  }

  // The back button's box is strict on all four sides. Nothing of the game is reset.
  if (15 < game.MouseX && game.MouseX < 118 && 695 < game.MouseY && game.MouseY < 758) {
    game.draw(BackButtonLit, 0, 674);
    if (game.MousePressed) game.ScreenState = ScreenMenu;
  }

  // Any press is used up by this frame, whether or not something took it.
  game.MousePressed = false;
  game.flip();
}

}  // namespace voranka
