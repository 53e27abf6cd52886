// VORANKA: the game's one window on the desktop. It reads its pictures from obr/ below the working
// directory.
#include <cstdio>
#include <exception>

#include "platform/fonts.h"
#include "platform/sdl/desktop.h"
#include "shell/game.h"

int main(int, char**) {
  try {
    voranka::desktop::Desktop desktop;
    voranka::Game game(desktop, voranka::FindFontFile);
    return desktop.run(game);
  } catch (const std::exception& failure) {
    std::fprintf(stderr, "voranka: %s\n", failure.what());
    return 1;
  }
}
