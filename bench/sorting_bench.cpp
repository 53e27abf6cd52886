// The costliest frames of the sorting game beside one plain copy of a whole frame, in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

// A game on the sorting screen, its fonts already made, whose flips cost nothing.
void EnterSortGame(Harness& h) {
  h.host.keepLast = false;
  h.tick();
  StartSortGame(h.game);
  h.tick();
}

// Seven items in flight, one more in hand, a hint showing, two errors on the error line. The
// state is set afresh before every frame so that every frame does the same work.
void BM_SortFrameBusiest(benchmark::State& state) {
  Harness h;
  EnterSortGame(h);
  Game& g = h.game;
  SortState& s = g.sorting;
  g.MouseX = 520;
  g.MouseY = 400;
  g.MousePressed = true;
  for (auto _ : state) {
    s.FallingItems.ItemX = {285, 400, 515, 630, 285, 400, 630};
    s.FallingItems.ItemY = {600, 500, 400, 300, 200, 100, 0};
    s.FallingItems.ItemPicture = {22, 24, 26, 28, 30, 32, 34};
    s.HeldPicture = 23;
    s.SortClock = 1000;
    s.ErrorCount = 2;
    s.HintBin = 2;
    s.HintTicks = 0;
    SortGameFrame(g);
    benchmark::DoNotOptimize(g.surface().pixels());
  }
}
BENCHMARK(BM_SortFrameBusiest);

// The lost screen: the end text's three writes, the restart button under the pointer, a hint and
// the error line.
void BM_SortFrameLost(benchmark::State& state) {
  Harness h;
  EnterSortGame(h);
  Game& g = h.game;
  SortState& s = g.sorting;
  g.MouseX = 500;
  g.MouseY = 480;
  g.MousePressed = false;
  s.FallingItems.ItemX = {285, 400, 630};
  s.FallingItems.ItemY = {300, 500, 300};
  s.FallingItems.ItemPicture = {22, 23, 24};
  s.ErrorCount = 3;
  for (auto _ : state) {
    s.HintBin = 1;
    s.HintTicks = 0;
    SortGameFrame(g);
    benchmark::DoNotOptimize(g.surface().pixels());
  }
}
BENCHMARK(BM_SortFrameLost);

// The intro with both of its buttons' highlights possible; the pointer on the start button.
void BM_SortIntroFrame(benchmark::State& state) {
  Harness h;
  EnterSortGame(h);
  Game& g = h.game;
  g.MouseX = 500;
  g.MouseY = 720;
  g.MousePressed = false;
  for (auto _ : state) {
    SortIntroFrame(g);
    benchmark::DoNotOptimize(g.surface().pixels());
  }
}
BENCHMARK(BM_SortIntroFrame);

}  // namespace
}  // namespace voranka::testing
