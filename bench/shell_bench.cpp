// One plain copy of a whole frame, the yardstick every frame benchmark is read against, and the
// cost of a frame with three lines of large text.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

void BM_WholeFrameCopy(benchmark::State& state) {
  std::vector<Pixel> from(static_cast<size_t>(SurfaceWidth) * SurfaceHeight, RGB(1, 2, 3));
  std::vector<Pixel> to(from.size());
  for (auto _ : state) {
    std::copy(from.begin(), from.end(), to.begin());
    benchmark::DoNotOptimize(to.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_WholeFrameCopy);

// A placeholder screen: its background, three lines of 74-pixel bold text, the flip.
void BM_BackgroundAndThreeWrites(benchmark::State& state) {
  Harness h;
  h.host.keepLast = false;
  h.tick();
  Game& g = h.game;
  g.canvas().brush.style = BrushStyle::Clear;
  for (auto _ : state) {
    g.draw(20, 0, 0);
    g.canvas().font.height = 74;
    g.canvas().font.bold = true;
    g.canvas().font.color = RGB(200, 200, 200);
    g.write("PREHRALI STE", 269, 379);
    g.write("PREHRALI STE", 271, 381);
    g.canvas().font.color = RGB(50, 50, 50);
    g.write("PREHRALI STE", 270, 380);
    g.release();
    g.flip();
  }
}
BENCHMARK(BM_BackgroundAndThreeWrites);

}  // namespace
}  // namespace voranka::testing
