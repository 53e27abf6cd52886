#include "shell/game.h"

namespace voranka {

Game::Game(Host& host, FontFinder fonts, std::filesystem::path root)
    : host_(host), fonts_(std::move(fonts)), surface_(fonts_), root_(std::move(root)) {}

void Game::DXTimer1Timer(int /*LagCount*/) {
  if (!AssetsLoaded) {
    surface_.font.name = "Tahoma";
    random_.seed(host_.timeOfDayMs());
    LoadPictureCatalogue(DXImageList1, root_);
    ScreenState = ScreenMenu;
    AssetsLoaded = true;
    MousePressed = false;
  }
  // Each test reads what the screens before it left: a hand-over to a screen tested later runs
  // that screen in the same tick.
  if (ScreenState == ScreenMenu) MenuFrame(*this);
  if (ScreenState == ScreenMemory) MemoryFrame(*this);
  if (ScreenState == ScreenSortIntro) SortIntroFrame(*this);
  if (ScreenState == ScreenSortGame) SortGameFrame(*this);
}

const PreparedPicture& Game::picture(int k) const {
  const auto& entry = DXImageList1.Items.at(static_cast<size_t>(k));
  if (!entry.prepared) throw GameError("Picture " + std::to_string(k) + " is not loaded");
  return *entry.prepared;
}

void Game::draw(int k, int x, int y) { surface_.draw(picture(k), x, y); }

void Game::stretch(int k, int left, int top, int right, int bottom) {
  surface_.stretch(picture(k), left, top, right, bottom);
}

// A frame cannot be presented while the canvas holds the surface; every screen releases first.
void Game::flip() {
  if (!surface_.held()) host_.present(surface_);
}

}  // namespace voranka
