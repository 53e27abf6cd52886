// Small jobs for the real-window tests that the shell's tools do not do:
//   window_tool fixtures DIR   writes the 35 fixture pictures into DIR/obr
//   window_tool colour K       prints fixture picture K's colour as RRGGBB
//   window_tool close WINDOW   asks the window politely to close (WM_DELETE_WINDOW)
//   window_tool blank X Y W H  shows a plain grey window titled "blank" until killed
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "tests/harness.h"

namespace {

int Close(unsigned long window) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_tool: no display\n");
    return 1;
  }
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = window;
  event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
  event.xclient.format = 32;
  event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
  event.xclient.data.l[1] = CurrentTime;
  XSendEvent(display, window, False, NoEventMask, &event);
  XCloseDisplay(display);
  return 0;
}

int Blank(int x, int y, int w, int h) {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "window_tool: no display\n");
    return 1;
  }
  const int screen = DefaultScreen(display);
  const Window window =
      XCreateSimpleWindow(display, RootWindow(display, screen), x, y, static_cast<unsigned>(w),
                          static_cast<unsigned>(h), 0, BlackPixel(display, screen), 0x808080);
  XStoreName(display, window, "blank");
  XSizeHints hints{};
  hints.flags = USPosition | USSize;
  hints.x = x;
  hints.y = y;
  hints.width = w;
  hints.height = h;
  XSetWMNormalHints(display, window, &hints);
  XMapRaised(display, window);
  XFlush(display);
  for (;;) {
    XEvent event;
    XNextEvent(display, &event);
  }
}

}  // namespace

int main(int argc, char** argv) {
  const std::string job = argc > 1 ? argv[1] : "";
  if (job == "fixtures" && argc == 3) {
    voranka::testing::WriteFixturePictures(argv[2]);
    return 0;
  }
  if (job == "colour" && argc == 3) {
    std::printf("%06X\n", voranka::testing::FixtureColour(std::atoi(argv[2])));
    return 0;
  }
  if (job == "close" && argc == 3) return Close(std::strtoul(argv[2], nullptr, 0));
  if (job == "blank" && argc == 6)
    return Blank(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
  std::fprintf(stderr,
               "usage: window_tool fixtures DIR | colour K | close WINDOW | blank X Y W H\n");
  return 2;
}
