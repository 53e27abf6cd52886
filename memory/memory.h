// The memory game: 24 cards in three rows of eight, twelve pairs of waste pictures.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace voranka {

class Game;

struct MemoryState {
  std::array<std::int32_t, 24> CardValues{};  // pair value 0..11 per slot, -1 once gone
  std::int32_t FirstCard = 0;                  // slot of the first card of the turn, or -1
  std::int32_t SecondCard = 0;                 // slot of the second card, or -1
  std::int32_t FirstFlip = 0;                  // flip phases, -51..50
  std::int32_t SecondFlip = 0;
  std::int32_t PairPause = 0;     // frames both cards have stood fully open, 0..70
  std::int32_t MessageIndex = 0;  // pair value whose message shows, or -1
  std::int32_t MessageTicks = 0;  // frames the message has been written, 0..150
};

// The line written when the pair of value v leaves the table; the leading spaces place it.
extern const std::array<std::string_view, 12> ContainerMessages;

// Resets the turn and the message, selects the memory screen and deals a new table.
void StartMemoryGame(Game& game);
// Lays out slot i with i div 2, then makes 401 exchanges of two random slots.
void DealCards(Game& game);
// One frame of the memory screen.
void MemoryFrame(Game& game);

}  // namespace voranka
