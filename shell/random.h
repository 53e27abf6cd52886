// The program's one random source: uniform integers, seeded from the time of day.
#pragma once

#include <cstdint>
#include <functional>
#include <random>

namespace voranka {

class Random {
 public:
  void seed(std::uint64_t value) { engine_.seed(static_cast<std::mt19937::result_type>(value)); }

  // A uniform integer in 0..n - 1, n >= 1.
  std::int32_t operator()(std::int32_t n) {
    if (forced) return forced(n);
    return std::uniform_int_distribution<std::int32_t>(0, n - 1)(engine_);
  }

  // Tests set this to choose the numbers themselves.
  std::function<std::int32_t(std::int32_t)> forced;

 private:
  std::mt19937 engine_{0};
};

}  // namespace voranka
