// One run of the game: every piece of state the program keeps, the frame tick that drives it,
// and the mouse handlers that latch the pointer between ticks.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

#include "memory/memory.h"
#include "shell/catalogue.h"
#include "shell/host.h"
#include "shell/random.h"
#include "shell/surface.h"
#include "shell/text.h"
#include "sorting/sorting.h"

namespace voranka {

enum : std::uint8_t {
  ScreenMemory = 0,
  ScreenSortIntro = 1,
  ScreenSortGame = 2,
  ScreenMenu = 3,
};

class Game {
 public:
  // `root` is the folder that holds obr/ (the working directory when empty); `fonts` finds font
  // files by face name.
  Game(Host& host, FontFinder fonts, std::filesystem::path root = {});
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  // The frame tick. Throws GameError when the first-tick initialisation fails; the platform
  // reports it and calls the tick again later, which retries the whole initialisation.
  void DXTimer1Timer(int LagCount = 1);

  // The mouse handlers only latch.
  void DXDraw1MouseMove(std::int32_t X, std::int32_t Y) {
    MouseX = X;
    MouseY = Y;
  }
  void DXDraw1MouseDown() { MousePressed = true; }
  void DXDraw1MouseUp() { MousePressed = false; }

  // Shell state.
  std::uint8_t ScreenState = 0;
  bool AssetsLoaded = false;
  std::int32_t MouseX = 0;
  std::int32_t MouseY = 0;
  bool MousePressed = false;

  MemoryState memory;
  SortState sorting;

  // The drawing verbs, for the screens.
  void draw(int k, int x, int y);
  void stretch(int k, int left, int top, int right, int bottom);
  void outline(int left, int top, int right, int bottom) { canvas().outline(left, top, right, bottom); }
  void write(std::string_view text, int x, int y) { canvas().write(text, x, y); }
  void release() { surface_.release(); }
  void flip();
  void beep() { host_.beep(); }
  std::int32_t random(std::int32_t n) { return random_(n); }

  // The canvas: font, pen and brush settings that persist across frames and screens.
  Surface& canvas() { return surface_; }
  const Surface& surface() const { return surface_; }
  Random& randomSource() { return random_; }
  PictureList DXImageList1;

 private:
  const PreparedPicture& picture(int k) const;

  Host& host_;
  FontLibrary fonts_;
  Surface surface_;
  Random random_;
  std::filesystem::path root_;
};

// The main menu's frame.
void MenuFrame(Game& game);

}  // namespace voranka
