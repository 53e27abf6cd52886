#include "platform/sdl/desktop.h"

#include <SDL_syswm.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <stdexcept>
#include <thread>
#if defined(SDL_VIDEO_DRIVER_X11)
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace voranka::desktop {
namespace {

constexpr int FrameBytes = SurfaceWidth * SurfaceHeight * 4;

// A short, soft alert tone: 880 Hz for 120 ms, with a 6 ms attack and a smooth decay.
std::vector<std::int16_t> AlertTone(int sampleRate) {
  constexpr double Pi = 3.14159265358979323846;
  constexpr double Frequency = 880.0;
  constexpr double Length = 0.120;
  constexpr double Attack = 0.006;
  constexpr double Peak = 0.3 * 32767.0;
  const int count = static_cast<int>(Length * sampleRate);
  std::vector<std::int16_t> samples(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / sampleRate;
    const double rise = t < Attack ? t / Attack : 1.0;
    const double fall = 1.0 - t / Length;
    const double envelope = rise * fall * fall;
    samples[static_cast<size_t>(i)] =
        static_cast<std::int16_t>(Peak * envelope * std::sin(2.0 * Pi * Frequency * t));
  }
  return samples;
}

// A tool window's frame: the close box and the window menu, no minimise or maximise box, no
// resizing. SDL has no such style of its own; on X11 the Motif hints ask the window manager.
void OfferCloseBoxOnly(SDL_Window* window) {
#if defined(SDL_VIDEO_DRIVER_X11)
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return;
  constexpr long FunctionsAndDecorations = 1 | 2;
  constexpr long MoveAndClose = 4 | 32;
  constexpr long BorderTitleAndMenu = 2 | 8 | 16;
  const long hints[5] = {FunctionsAndDecorations, MoveAndClose, BorderTitleAndMenu, 0, 0};
  Display* display = info.info.x11.display;
  const Atom motif = XInternAtom(display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(display, info.info.x11.window, motif, motif, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(hints), 5);
#else
  (void)window;
#endif
}

// The error box shows the failure's text as a sentence.
std::string Sentence(std::string text) {
  if (!text.empty() && text.back() != '.') text += '.';
  return text;
}

}  // namespace

Desktop::Desktop() : frame_(static_cast<size_t>(SurfaceWidth) * SurfaceHeight, 0) {
  // The left button captures the pointer by hand; the others must not capture at all.
  SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
  // A click that activates the window is a click like any other.
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  if (SDL_Init(SDL_INIT_VIDEO) != 0)
    throw std::runtime_error(std::string("Cannot open the window: ") + SDL_GetError());

  window_ = SDL_CreateWindow("VORANKA", DesignedFrameLeft, DesignedFrameTop, SurfaceWidth,
                             SurfaceHeight, SDL_WINDOW_HIDDEN);
  if (!window_) throw std::runtime_error(std::string("Cannot open the window: ") + SDL_GetError());

  renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
  if (!renderer_) renderer_ = SDL_CreateRenderer(window_, -1, SDL_RENDERER_SOFTWARE);
  if (!renderer_) throw std::runtime_error(std::string("Cannot draw: ") + SDL_GetError());
  texture_ = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_STREAMING,
                               SurfaceWidth, SurfaceHeight);
  if (!texture_) throw std::runtime_error(std::string("Cannot draw: ") + SDL_GetError());
  SDL_SetTextureBlendMode(texture_, SDL_BLENDMODE_NONE);

  OfferCloseBoxOnly(window_);
  SDL_ShowWindow(window_);
  placeWindow();
  SDL_RaiseWindow(window_);
  updateView();
  show();  // black before the first frame
  openAudio();
}

Desktop::~Desktop() {
  if (audio_) SDL_CloseAudioDevice(audio_);
  if (texture_) SDL_DestroyTexture(texture_);
  if (renderer_) SDL_DestroyRenderer(renderer_);
  if (window_) SDL_DestroyWindow(window_);
  SDL_Quit();
}

// Puts the outer frame at its designed position, or as near to it as keeps the window wholly on
// the display's usable area, scaled down where the window would not fit at all.
void Desktop::placeWindow() {
  // The window manager tells the decorations' sizes only once the window is mapped.
  Borders borders;
  const std::uint32_t start = SDL_GetTicks();
  for (;;) {
    SDL_PumpEvents();
    if (SDL_GetWindowBordersSize(window_, &borders.top, &borders.left, &borders.bottom,
                                 &borders.right) != 0)
      break;  // this video driver cannot tell: place the client area
    if (borders.top || borders.left || borders.bottom || borders.right) break;
    if (SDL_GetTicks() - start > 300) break;  // no window manager, no decorations
    SDL_Delay(5);
  }

  const int display = SDL_GetWindowDisplayIndex(window_);
  SDL_Rect usable;
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &usable) != 0) return;
  const Rect client = PlaceClient({usable.x, usable.y, usable.w, usable.h}, borders);
  if (client.w != SurfaceWidth || client.h != SurfaceHeight)
    SDL_SetWindowSize(window_, client.w, client.h);
  SDL_SetWindowPosition(window_, client.x, client.y);
}

void Desktop::openAudio() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;  // no sound, and no failure either
  SDL_AudioSpec wanted{};
  wanted.freq = 48000;
  wanted.format = AUDIO_S16SYS;
  wanted.channels = 1;
  wanted.samples = 1024;
  SDL_AudioSpec obtained{};
  audio_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (!audio_) return;
  tone_ = AlertTone(obtained.freq);
  toneBytesPerSecond_ = static_cast<std::uint32_t>(obtained.freq) * 2;
  SDL_PauseAudioDevice(audio_, 0);
}

void Desktop::beep() {
  if (!audio_) return;
  // Queued behind what still plays; a backlog of more than half a second is not added to.
  if (SDL_GetQueuedAudioSize(audio_) > toneBytesPerSecond_ / 2) return;
  SDL_QueueAudio(audio_, tone_.data(), static_cast<std::uint32_t>(tone_.size() * 2));
}

std::uint64_t Desktop::timeOfDayMs() {
  using namespace std::chrono;
  return static_cast<std::uint64_t>(
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count());
}

void Desktop::updateView() {
  SDL_GetWindowSize(window_, &clientW_, &clientH_);
  view_ = FrameView(clientW_, clientH_);
  const bool oneToOne = view_.w == SurfaceWidth && view_.h == SurfaceHeight;
  SDL_SetTextureScaleMode(texture_, oneToOne ? SDL_ScaleModeNearest : SDL_ScaleModeLinear);
}

void Desktop::present(const Surface& surface) {
  const std::uint32_t* pixels = surface.pixels();
  std::copy(pixels, pixels + frame_.size(), frame_.begin());
  hasFrame_ = true;
  SDL_UpdateTexture(texture_, nullptr, frame_.data(), SurfaceWidth * 4);
  show();
}

// Shows the last frame presented, or black before the first.
void Desktop::show() {
  SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
  SDL_RenderClear(renderer_);
  if (hasFrame_) {
    const SDL_Rect target{view_.x, view_.y, view_.w, view_.h};
    SDL_RenderCopy(renderer_, texture_, nullptr, &target);
  }
  SDL_RenderPresent(renderer_);
}

bool Desktop::pointerInside(int x, int y) const {
  return x >= 0 && y >= 0 && x < clientW_ && y < clientH_;
}

// SDL reports the pointer leaving the window as a move clamped to the window's edge, followed by
// the leave itself. Without the capture such a move is not one to report.
bool Desktop::leaving() const {
  SDL_Event queued[16];
  const int count = SDL_PeepEvents(queued, 16, SDL_PEEKEVENT, SDL_WINDOWEVENT, SDL_MOUSEMOTION);
  for (int i = 0; i < count; ++i) {
    if (queued[i].type == SDL_MOUSEMOTION) return false;
    if (queued[i].type == SDL_WINDOWEVENT && queued[i].window.event == SDL_WINDOWEVENT_LEAVE)
      return true;
  }
  return false;
}

void Desktop::endCapture() {
  if (pointer_.capturing()) SDL_CaptureMouse(SDL_FALSE);
  pointer_.lose();
}

void Desktop::report(const std::string& text) {
  std::fprintf(stderr, "%s\n", text.c_str());
  std::fflush(stderr);
  endCapture();
  // Modal: no tick runs until it is closed.
  SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Error", Sentence(text).c_str(), window_);
}

void Desktop::tick(Game& game, std::uint32_t now) {
  const int lagCount = pacer_.beginTick(now);
  try {
    game.DXTimer1Timer(lagCount);
  } catch (const std::exception& failure) {
    report(failure.what());
  }
}

void Desktop::handle(const SDL_Event& event, Game& game) {
  switch (event.type) {
    case SDL_QUIT:
      quit_ = true;
      break;
    case SDL_WINDOWEVENT:
      switch (event.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          if (!pacer_.active()) pacer_.activate(clock());
          break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          pacer_.deactivate();
          endCapture();
          break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          updateView();
          show();
          break;
        case SDL_WINDOWEVENT_ENTER:
          pointerOver_ = true;
          break;
        case SDL_WINDOWEVENT_LEAVE:
          pointerOver_ = false;
          break;
        case SDL_WINDOWEVENT_EXPOSED:
          show();
          break;
        case SDL_WINDOWEVENT_CLOSE:
          quit_ = true;
          break;
        default:
          break;
      }
      break;
    case SDL_RENDER_TARGETS_RESET:
    case SDL_RENDER_DEVICE_RESET:
      SDL_UpdateTexture(texture_, nullptr, frame_.data(), SurfaceWidth * 4);
      show();
      break;
    case SDL_MOUSEMOTION:
      if (pointer_.move(pointerInside(event.motion.x, event.motion.y) && !leaving())) {
        const Point p = ToSurface(view_, event.motion.x, event.motion.y);
        game.DXDraw1MouseMove(p.x, p.y);
      }
      break;
    case SDL_MOUSEBUTTONDOWN:
      pointerOver_ = true;
      if (event.button.button == SDL_BUTTON_LEFT) {
        pointer_.press(PointerFilter::Button::Left);
        SDL_CaptureMouse(SDL_TRUE);
      } else {
        pointer_.press(PointerFilter::Button::Other);
      }
      game.DXDraw1MouseDown();
      break;
    case SDL_MOUSEBUTTONUP: {
      // While captured the release carries the pointer's true position; otherwise it carries the
      // last position SDL let through, and whether the pointer is over the window is known from
      // its entering and leaving.
      const bool captured = pointer_.capturing();
      if (captured) pointerOver_ = pointerInside(event.button.x, event.button.y);
      const bool inside = pointerOver_;
      const bool left = event.button.button == SDL_BUTTON_LEFT;
      if (pointer_.release(left ? PointerFilter::Button::Left : PointerFilter::Button::Other,
                           inside))
        game.DXDraw1MouseUp();
      if (left && captured) SDL_CaptureMouse(SDL_FALSE);
      break;
    }
    default:
      break;
  }
}

std::uint32_t Desktop::clock() const {
  return static_cast<std::uint32_t>(
      std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - clockStart_).count());
}

int Desktop::run(Game& game) {
  if (SDL_GetWindowFlags(window_) & SDL_WINDOW_INPUT_FOCUS) pacer_.activate(clock());
  SDL_Event event;
  for (;;) {
    // Every waiting report first, then the tick when it is due.
    while (SDL_PollEvent(&event)) {
      handle(event, game);
      if (quit_) return 0;
    }
    const std::uint32_t now = clock();
    if (pacer_.due(now)) {
      tick(game, now);
      continue;
    }
    // Without the focus, sleep until a report comes.
    if (!pacer_.active()) {
      if (SDL_WaitEventTimeout(&event, -1)) handle(event, game);
      if (quit_) return 0;
      continue;
    }
    // Sleep until a report comes or the tick is nearly due, then to the very millisecond at
    // which it is due, so that ticks keep their 27 ms and not one more.
    const std::uint32_t wait = pacer_.msUntilDue(now);
    if (wait > 1) {
      if (SDL_WaitEventTimeout(&event, static_cast<int>(wait - 1))) handle(event, game);
      if (quit_) return 0;
    } else {
      std::this_thread::sleep_until(clockStart_ + std::chrono::milliseconds(now + wait));
    }
  }
}

}  // namespace voranka::desktop
