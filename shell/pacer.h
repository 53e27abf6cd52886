// The frame pacing rule: a tick once at least 27 ms have passed since the previous tick began,
// one at a time, never caught up, and none while the window is inactive. The clock is a 32-bit
// millisecond count handed in by the caller, so the rule is tested without waiting.
#pragma once

#include <cstdint>

namespace voranka {

class FramePacer {
 public:
  static constexpr std::uint32_t Interval = 27;

  // The window became active at `now`: the next tick is due one interval later.
  void activate(std::uint32_t now) {
    active_ = true;
    previous_ = now;
  }
  void deactivate() { active_ = false; }
  bool active() const { return active_; }

  bool due(std::uint32_t now) const { return active_ && elapsed(now) >= Interval; }

  // Starts a tick at `now`; returns its LagCount, the whole intervals since the previous start
  // (at least 1), which the game ignores.
  int beginTick(std::uint32_t now) {
    const std::uint32_t passed = elapsed(now);
    previous_ = now;
    const std::uint32_t lag = passed / Interval;
    return lag < 1 ? 1 : static_cast<int>(lag > 0x7fffffffu ? 0x7fffffffu : lag);
  }

  // Milliseconds to wait before the next tick is due; 0 when it is due now. Only meaningful
  // while active.
  std::uint32_t msUntilDue(std::uint32_t now) const {
    const std::uint32_t passed = elapsed(now);
    return passed >= Interval ? 0 : Interval - passed;
  }

 private:
  // Unsigned difference, so the clock's wrap-around after 2^32 ms does no harm.
  std::uint32_t elapsed(std::uint32_t now) const { return now - previous_; }

  bool active_ = false;
  std::uint32_t previous_ = 0;
};

}  // namespace voranka
