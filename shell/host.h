// What the core needs from the platform it runs on.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace voranka {

class Surface;

// A failure inside a tick. It ends the tick where it stands; the platform reports its text.
class GameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Host {
 public:
  virtual ~Host() = default;
  // Shows the whole surface in the window (the flip).
  virtual void present(const Surface& surface) = 0;
  // Sounds the short alert tone without waiting for it.
  virtual void beep() = 0;
  // Milliseconds of the time of day, to seed the random source from.
  virtual std::uint64_t timeOfDayMs() = 0;
};

}  // namespace voranka
