// The desktop platform on SDL2: the window, the message loop with the frame pacing, the mouse
// reports, the flip and repaint, the beep and the error box.
#pragma once

#include <SDL.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/sdl/layout.h"
#include "platform/sdl/pointer.h"
#include "shell/game.h"
#include "shell/host.h"
#include "shell/pacer.h"

namespace voranka::desktop {

class Desktop final : public Host {
 public:
  // Opens the window (black until the first frame) and, where there is one, the audio device.
  // Throws std::runtime_error when there is no window to be had.
  Desktop();
  ~Desktop() override;
  Desktop(const Desktop&) = delete;
  Desktop& operator=(const Desktop&) = delete;

  // Runs the message loop until the window is closed; returns the exit code.
  int run(Game& game);

  void present(const Surface& surface) override;
  void beep() override;
  std::uint64_t timeOfDayMs() override;

 private:
  void placeWindow();
  void openAudio();
  void updateView();
  void show();
  void handle(const SDL_Event& event, Game& game);
  void tick(Game& game, std::uint32_t now);
  void report(const std::string& text);
  bool pointerInside(int x, int y) const;
  bool leaving() const;
  void endCapture();
  // Milliseconds since start-up, a 32-bit count that wraps.
  std::uint32_t clock() const;

  SDL_Window* window_ = nullptr;
  SDL_Renderer* renderer_ = nullptr;
  SDL_Texture* texture_ = nullptr;
  SDL_AudioDeviceID audio_ = 0;
  std::vector<std::int16_t> tone_;
  std::uint32_t toneBytesPerSecond_ = 0;

  std::vector<std::uint32_t> frame_;  // the last frame presented, for repaints
  bool hasFrame_ = false;
  int clientW_ = SurfaceWidth;
  int clientH_ = SurfaceHeight;
  Rect view_{0, 0, SurfaceWidth, SurfaceHeight};

  using Clock = std::chrono::steady_clock;
  Clock::time_point clockStart_ = Clock::now();
  FramePacer pacer_;
  PointerFilter pointer_;
  bool pointerOver_ = false;  // the pointer is over the window
  bool quit_ = false;
};

}  // namespace voranka::desktop
