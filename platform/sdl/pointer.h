// Which mouse reports reach the game. A left press captures the pointer until its release: moves
// and the release are reported outside the window too. Other buttons do not capture, so their
// release outside the window is not reported, and with the left button up no move outside the
// window is reported. (X11 grabs the pointer implicitly for every button press, so the events
// arrive regardless; this decides which of them to pass on.)
#pragma once

namespace voranka::desktop {

class PointerFilter {
 public:
  enum class Button { Left, Other };

  // True while the left button holds the capture.
  bool capturing() const { return capturing_; }

  // Each returns whether the report reaches the game. Presses only arrive over the window.
  bool move(bool inside) const { return capturing_ || inside; }
  bool press(Button button) {
    if (button == Button::Left) capturing_ = true;
    return true;
  }
  bool release(Button button, bool inside) {
    const bool reported = capturing_ || inside;
    if (button == Button::Left) capturing_ = false;
    return reported;
  }
  // The window lost the focus: the capture ends with it.
  void lose() { capturing_ = false; }

 private:
  bool capturing_ = false;
};

}  // namespace voranka::desktop
