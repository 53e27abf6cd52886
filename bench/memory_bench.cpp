// The memory screen's costliest frames beside one plain copy of a whole frame, in the same run:
// two cards turning, the container message, a hovered card, and all of them at once.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

struct Setup {
  bool turning = false;
  bool message = false;
  bool hovered = false;
};

// A full table of face-down cards; each frame starts from the same state, so every iteration
// draws the same frame. The host keeps no copy of the presented frame.
void RunMemoryFrames(benchmark::State& state, Setup setup) {
  Harness h;
  h.host.keepLast = false;
  h.tick();
  StartMemoryGame(h.game);
  Game& g = h.game;
  MemoryState& m = g.memory;
  // Slot 12 (left 530, top 420) lies under the pointer; slots 0 and 9 turn.
  if (setup.hovered)
    h.move(560, 450);
  else
    h.move(1010, 20);
  for (auto _ : state) {
    if (setup.turning) {
      m.FirstCard = 0;
      m.SecondCard = 9;
      m.FirstFlip = -30;
      m.SecondFlip = 20;
    }
    if (setup.message) {
      m.MessageIndex = 7;  // the widest line
      m.MessageTicks = 0;
    }
    MemoryFrame(g);
    benchmark::DoNotOptimize(g.surface().pixels());
    benchmark::ClobberMemory();
  }
}

void BM_MemoryFrameTwoCardsTurning(benchmark::State& state) {
  RunMemoryFrames(state, {.turning = true});
}
BENCHMARK(BM_MemoryFrameTwoCardsTurning);

void BM_MemoryFrameMessage(benchmark::State& state) {
  RunMemoryFrames(state, {.message = true});
}
BENCHMARK(BM_MemoryFrameMessage);

void BM_MemoryFrameHoveredCard(benchmark::State& state) {
  RunMemoryFrames(state, {.hovered = true});
}
BENCHMARK(BM_MemoryFrameHoveredCard);

void BM_MemoryFrameAllAtOnce(benchmark::State& state) {
  RunMemoryFrames(state, {.turning = true, .message = true, .hovered = true});
}
BENCHMARK(BM_MemoryFrameAllAtOnce);

}  // namespace
}  // namespace voranka::testing
