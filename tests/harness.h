// A headless run of the game for tests and benchmarks: fixture pictures that the tests make
// themselves (each a flat colour of its own, so one pixel tells which picture lies where), a
// host that records flips and beeps, and helpers to tick and move the mouse.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "shell/game.h"

namespace voranka::testing {

// The flat colour of fixture picture k; never the key colour.
Pixel FixtureColour(int k);

// The size a fixture picture k has: the full surface for the backgrounds, the card box for the
// cards, 240 x 61 for the button, 118 x 86 for the lit back button, 107 x 107 for the items.
struct Size {
  int width;
  int height;
};
Size FixtureSize(int k);

// A fresh temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// Writes the 35 fixture pictures into root/obr. Keyed pictures (19 and 22..34) carry the key
// colour in their top-left 4 x 4 corner; everything else is their flat colour.
void WriteFixturePictures(const std::filesystem::path& root);
void WriteBitmap(const std::filesystem::path& file, const Bitmap& bitmap);
Bitmap FlatBitmap(int width, int height, Pixel colour);

class RecordingHost : public Host {
 public:
  void present(const Surface& surface) override;
  void beep() override { ++beeps; }
  std::uint64_t timeOfDayMs() override { return timeOfDay; }

  int flips = 0;
  int beeps = 0;
  std::uint64_t timeOfDay = 12345;
  // Every presented frame is kept when this is set; the last one is unless keepLast is cleared
  // (benchmarks clear it, so that a flip costs nothing).
  bool keepFrames = false;
  bool keepLast = true;
  std::vector<std::vector<Pixel>> frames;
  std::vector<Pixel> lastFrame;
  // Called at every flip, with the surface as presented.
  std::function<void(const Surface&)> onPresent;

  Pixel at(int x, int y) const { return lastFrame[static_cast<size_t>(y) * SurfaceWidth + x]; }
};

// A game on fixture pictures. The constructor does not tick; call tick() for the first frame.
class Harness {
 public:
  Harness();
  explicit Harness(const std::filesystem::path& root);  // pictures already in root/obr

  // One tick; returns how many flips it made.
  int tick();
  void ticks(int n) {
    for (int i = 0; i < n; ++i) tick();
  }
  void move(int x, int y) { game.DXDraw1MouseMove(x, y); }
  void press() { game.DXDraw1MouseDown(); }
  void release() { game.DXDraw1MouseUp(); }
  // A click as the screens see it: the pointer at (x, y), pressed for one tick, then released.
  // Returns the flips of that tick.
  int click(int x, int y) {
    move(x, y);
    press();
    const int flips = tick();
    release();
    return flips;
  }
  // The first frame, then the menu's sorting button, which opens the intro in the same tick.
  void enterSortIntro() {
    tick();
    click(500, 550);
  }
  // Forces random(n) to return the given numbers in order, then falls back to 0.
  void forceRandom(std::vector<std::int32_t> numbers);

  Pixel at(int x, int y) const { return game.surface().pixel(x, y); }

  TempDir dir;
  RecordingHost host;
  Game game;

 private:
  std::vector<std::int32_t> forced_;
  size_t next_ = 0;
};

}  // namespace voranka::testing
