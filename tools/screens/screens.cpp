// voranka_screens [ROOT] [OUT]
//
// Plays the game headless on the pictures in ROOT/obr (default: the working directory) through
// the typical moments of every screen, moving and pressing the mouse as a child would, and
// writes each moment's frame as a PNG file into OUT (default "screens"). The run is the same
// every time: the random source is seeded with a fixed time of day.
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/fonts.h"
#include "shell/game.h"

namespace {

using namespace voranka;

class CaptureHost : public Host {
 public:
  void present(const Surface& surface) override {
    frame.assign(surface.pixels(), surface.pixels() + SurfaceWidth * SurfaceHeight);
  }
  void beep() override {}
  std::uint64_t timeOfDayMs() override { return 36'000'000; }  // ten in the morning

  std::vector<Pixel> frame;
};

class Player {
 public:
  Player(const std::filesystem::path& root, std::filesystem::path out)
      : game_(host_, FindFontFile, root), out_(std::move(out)) {}

  Game& game() { return game_; }
  void tick(int n = 1) {
    for (int i = 0; i < n; ++i) game_.DXTimer1Timer(1);
  }
  void move(int x, int y) { game_.DXDraw1MouseMove(x, y); }
  void press() { game_.DXDraw1MouseDown(); }
  void release() { game_.DXDraw1MouseUp(); }
  // Moves, presses for one frame and lets go.
  void click(int x, int y) {
    move(x, y);
    press();
    tick();
    release();
  }
  // Ticks until `done` holds, at most `limit` frames; false when it never did.
  template <typename Done>
  bool until(Done done, int limit) {
    for (int i = 0; i < limit; ++i) {
      if (done()) return true;
      tick();
    }
    return done();
  }

  void shot(const std::string& name) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_RGB24, SurfaceWidth, SurfaceHeight);
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < SurfaceHeight; ++y)
      std::memcpy(data + static_cast<size_t>(y) * stride, &host_.frame[static_cast<size_t>(y) * SurfaceWidth],
                  SurfaceWidth * sizeof(Pixel));
    cairo_surface_mark_dirty(surface);
    const std::filesystem::path file = out_ / (name + ".png");
    const cairo_status_t status = cairo_surface_write_to_png(surface, file.c_str());
    cairo_surface_destroy(surface);
    if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + file.string());
    std::printf("%s\n", file.c_str());
  }

 private:
  CaptureHost host_;
  Game game_;
  std::filesystem::path out_;
};

// The middle of the card in slot i.
int CardX(int slot) { return 50 + 120 * (slot % 8) + 48; }
int CardY(int slot) { return 300 + 120 * (slot / 8) + 45; }

void Require(bool ok, const char* what) {
  if (!ok) throw std::runtime_error(std::string("the game did not get there: ") + what);
}

void MenuShots(Player& p) {
  p.move(515, 345);  // over the memory button
  p.tick();
  p.shot("01-menu-pexeso");
  p.move(510, 545);  // over the sorting button
  p.tick();
  p.shot("02-menu-triedenie");
}

// Opens the cards in slots a and b and waits until the turn is over.
void PlayPair(Player& p, int a, int b) {
  MemoryState& m = p.game().memory;
  Require(p.until([&] { return m.FirstCard == -1; }, 400), "a new turn");
  p.click(CardX(a), CardY(a));
  p.click(CardX(b), CardY(b));
}

void MemoryShots(Player& p) {
  p.click(515, 345);  // the memory button
  MemoryState& m = p.game().memory;
  Require(p.game().ScreenState == ScreenMemory, "the memory game");
  auto partner = [&](int slot) {
    for (int i = 0; i < 24; ++i)
      if (i != slot && m.CardValues[i] == m.CardValues[slot]) return i;
    return -1;
  };
  // A pair leaves the table and its message shows; then two other cards are opened.
  const int a = 0, b = partner(0);
  PlayPair(p, a, b);
  Require(p.until([&] { return m.FirstCard == -1; }, 400), "the first pair resolved");
  int c = -1, d = -1;
  for (int i = 0; i < 24 && d < 0; ++i) {
    if (m.CardValues[i] < 0) continue;
    if (c < 0)
      c = i;
    else if (m.CardValues[i] != m.CardValues[c] && i != partner(c))
      d = i;
  }
  p.click(CardX(c), CardY(c));
  p.click(CardX(d), CardY(d));
  Require(p.until([&] { return m.FirstFlip >= 50 && m.SecondFlip >= 50; }, 60), "two open cards");
  int hover = -1;
  for (int i = 23; i >= 0 && hover < 0; --i)
    if (m.CardValues[i] >= 0 && i != c && i != d) hover = i;
  p.move(CardX(hover), CardY(hover));
  p.tick();
  p.shot("03-pexeso");

  // Clear the table: every remaining pair, one after another.
  for (int v = 0; v < 12; ++v) {
    Require(p.until([&] { return m.FirstCard == -1; }, 400), "the turn over");
    int first = -1;
    for (int i = 0; i < 24; ++i)
      if (m.CardValues[i] == v) first = first < 0 ? i : first;
    if (first < 0) continue;
    PlayPair(p, first, partner(first));
  }
  Require(p.until([&] { return m.FirstCard == -1; }, 400), "the last pair resolved");
  p.move(500, 480);  // over the new-game button
  p.tick();
  p.shot("04-pexeso-nova-hra");

  p.move(66, 726);  // the back button, lit
  p.tick();
  p.shot("05-pexeso-spat");
  p.click(66, 726);
  p.tick();
  Require(p.game().ScreenState == ScreenMenu, "back in the menu");
}

// The middle of drop box n (1..4).
void DropSpot(int n, int& x, int& y) {
  const SortContainer& c = SortContainers[n - 1];
  x = (c.dropLeft + c.dropRight) / 2;
  y = (c.dropTop + c.dropBottom) / 2;
}

// Presses on the item nearest the ground; true when one was taken.
bool TakeLowest(Player& p) {
  SortState& s = p.game().sorting;
  if (s.FallingItems.empty()) return false;
  size_t best = 0;
  for (size_t i = 1; i < s.FallingItems.size(); ++i)
    if (s.FallingItems.ItemY[i] > s.FallingItems.ItemY[best]) best = i;
  // The item falls one pixel before the frame looks for it under the pointer.
  p.move(s.FallingItems.ItemX[best] + 53, s.FallingItems.ItemY[best] + 54);
  p.press();
  p.tick();
  return s.HeldPicture != -1;
}

// Sorts every item into its own container as soon as it comes, until `done` holds.
template <typename Done>
void PlayWell(Player& p, Done done, int limit) {
  SortState& s = p.game().sorting;
  for (int frame = 0; frame < limit && !done(); ++frame) {
    if (s.HeldPicture != -1) {
      int x, y;
      DropSpot(ContainerOf(s.HeldPicture)->number, x, y);
      p.move(x, y);
      p.tick();
      p.release();
      p.tick();
    } else if (!TakeLowest(p)) {
      p.release();
      if (s.FallingItems.empty()) p.tick();
    }
  }
  Require(done(), "a well played game");
}

void SortingShots(Player& p) {
  p.click(510, 545);  // the sorting button
  Require(p.game().ScreenState == ScreenSortIntro, "the sorting intro");
  p.move(527, 721);  // over the start button
  p.tick();
  p.shot("06-triedenie-uvod");

  p.click(527, 721);
  SortState& s = p.game().sorting;
  Require(p.game().ScreenState == ScreenSortGame, "the sorting game");
  // Play well for a while, then let the next items come down together.
  PlayWell(p, [&] { return s.SortClock >= 2900 && s.HeldPicture == -1; }, 6000);
  p.move(470, 60);
  Require(p.until([&] { return s.SortClock >= 3690; }, 1000), "the clock at 3690");

  // One item into the wrong container: the hint blinks where it belonged.
  Require(TakeLowest(p), "an item taken");
  const int home = ContainerOf(s.HeldPicture)->number;
  int x, y;
  DropSpot(home == 1 ? 3 : 1, x, y);
  p.move(x, y);
  p.tick();
  p.release();
  p.tick();
  // Another item in hand, dragged over the lanes while the hint shows.
  Require(TakeLowest(p), "a second item taken");
  p.move(560, 420);
  p.tick();
  p.shot("07-triedenie");

  // Let go of it over no container, and let the rest fall: three errors lose the game.
  p.release();
  p.tick();
  Require(p.until([&] { return s.lost(); }, 3000), "the game lost");
  p.move(500, 480);  // over the restart button
  p.tick(20);
  p.shot("08-triedenie-prehrali");

  // A new game, played well from start to end.
  p.click(500, 480);
  PlayWell(p, [&] { return s.won(); }, 9000);
  p.move(700, 200);
  p.tick(100);
  p.shot("09-triedenie-vyhrali");
}

}  // namespace

int main(int argc, char** argv) {
  const std::filesystem::path root = argc > 1 ? argv[1] : ".";
  const std::filesystem::path out = argc > 2 ? argv[2] : "screens";
  try {
    std::filesystem::create_directories(out);
    Player player(root, out);
    player.move(200, 120);
    player.tick();
    MenuShots(player);
    MemoryShots(player);
    SortingShots(player);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "voranka_screens: %s\n", error.what());
    return 1;
  }
  return 0;
}
