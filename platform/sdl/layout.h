// Where the window goes on the desktop, and how the frame fills its client area. No SDL in here,
// so the arithmetic is tested on its own.
//
// The window's outer frame sits at (304, 125) with a client area of exactly 1022 x 760. Where that
// would put part of the window off the display's usable area, the window moves just far enough to
// be wholly visible; where the usable area is too small for it, the client area shrinks to the
// largest size that fits with the frame's aspect kept, and the frame is shown scaled down. Pointer
// positions are mapped back to surface pixels, so every button stays reachable.
#pragma once

#include <algorithm>
#include <cstdint>

#include "shell/surface.h"

namespace voranka::desktop {

constexpr int DesignedFrameLeft = 304;
constexpr int DesignedFrameTop = 125;

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
};

// The widths of the window manager's decorations around the client area.
struct Borders {
  int top = 0;
  int left = 0;
  int bottom = 0;
  int right = 0;
};

// Floor division, also for negative numerators (the pointer can lie left of or above the window).
constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  const std::int64_t q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The client area (position on the desktop and size) for the given usable area and borders.
constexpr Rect PlaceClient(Rect usable, Borders borders) {
  const int roomW = usable.w - borders.left - borders.right;
  const int roomH = usable.h - borders.top - borders.bottom;
  int w = SurfaceWidth;
  int h = SurfaceHeight;
  if (roomW < w || roomH < h) {
    // Scale down, aspect kept: whichever side is the tighter fit decides.
    if (static_cast<std::int64_t>(roomW) * SurfaceHeight <=
        static_cast<std::int64_t>(roomH) * SurfaceWidth) {
      w = roomW;
      h = static_cast<int>(static_cast<std::int64_t>(roomW) * SurfaceHeight / SurfaceWidth);
    } else {
      h = roomH;
      w = static_cast<int>(static_cast<std::int64_t>(roomH) * SurfaceWidth / SurfaceHeight);
    }
    w = std::max(w, 1);
    h = std::max(h, 1);
  }
  const int outerW = w + borders.left + borders.right;
  const int outerH = h + borders.top + borders.bottom;
  // The designed position, moved only as far as needed to keep the window on the usable area.
  int frameX = std::min(DesignedFrameLeft, usable.x + usable.w - outerW);
  int frameY = std::min(DesignedFrameTop, usable.y + usable.h - outerH);
  frameX = std::max(frameX, usable.x);
  frameY = std::max(frameY, usable.y);
  return {frameX + borders.left, frameY + borders.top, w, h};
}

// Where the frame is shown inside a client area of the given size: 1:1 at the top-left corner
// when it fits, otherwise scaled down to fit with its aspect kept and centred.
constexpr Rect FrameView(int clientW, int clientH) {
  if (clientW >= SurfaceWidth && clientH >= SurfaceHeight)
    return {0, 0, SurfaceWidth, SurfaceHeight};
  clientW = std::max(clientW, 1);
  clientH = std::max(clientH, 1);
  int w = clientW;
  int h = clientH;
  if (static_cast<std::int64_t>(clientW) * SurfaceHeight <=
      static_cast<std::int64_t>(clientH) * SurfaceWidth)
    h = std::max(
        1, static_cast<int>(static_cast<std::int64_t>(clientW) * SurfaceHeight / SurfaceWidth));
  else
    w = std::max(
        1, static_cast<int>(static_cast<std::int64_t>(clientH) * SurfaceWidth / SurfaceHeight));
  return {(clientW - w) / 2, (clientH - h) / 2, w, h};
}

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend constexpr bool operator==(Point, Point) = default;
};

// The surface pixel under the centre of the client-area pixel (x, y): signed and unclipped, so a
// position outside the window maps to a position outside the surface. 1:1 it is (x, y) itself.
constexpr Point ToSurface(Rect view, int x, int y) {
  const auto map = [](int offset, int shown, int full) {
    return static_cast<std::int32_t>(FloorDiv((2 * static_cast<std::int64_t>(offset) + 1) * full,
                                              2 * static_cast<std::int64_t>(shown)));
  };
  return {map(x - view.x, view.w, SurfaceWidth), map(y - view.y, view.h, SurfaceHeight)};
}

}  // namespace voranka::desktop
