// The frame pacing rule on an injected clock.
#include "shell/pacer.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace voranka {
namespace {

TEST(FramePacer, NoTickBeforeActivationNorWhileInactive) {
  FramePacer pacer;
  EXPECT_FALSE(pacer.due(0));
  EXPECT_FALSE(pacer.due(100000));
  pacer.activate(1000);
  EXPECT_TRUE(pacer.due(1027));
  pacer.deactivate();
  EXPECT_FALSE(pacer.due(1027));
  EXPECT_FALSE(pacer.due(50000));
}

TEST(FramePacer, FirstTickOneIntervalAfterActivation) {
  FramePacer pacer;
  pacer.activate(5000);
  EXPECT_FALSE(pacer.due(5000));
  EXPECT_FALSE(pacer.due(5026));
  EXPECT_EQ(pacer.msUntilDue(5000), 27u);
  EXPECT_EQ(pacer.msUntilDue(5020), 7u);
  EXPECT_TRUE(pacer.due(5027));
  EXPECT_EQ(pacer.msUntilDue(5027), 0u);
  EXPECT_EQ(pacer.beginTick(5027), 1);
}

// Regaining the focus after a long pause starts afresh: one interval from then, not at once.
TEST(FramePacer, ReactivationStartsAfresh) {
  FramePacer pacer;
  pacer.activate(0);
  pacer.beginTick(27);
  pacer.deactivate();
  pacer.activate(10027);
  EXPECT_FALSE(pacer.due(10053));
  EXPECT_TRUE(pacer.due(10054));
  EXPECT_EQ(pacer.beginTick(10054), 1);
}

// The interval counts from the start of the previous tick; a late tick is one tick, its LagCount
// the whole intervals that passed, and the next one is due an interval after the late one.
TEST(FramePacer, LateTickIsNotCaughtUp) {
  FramePacer pacer;
  pacer.activate(0);
  EXPECT_EQ(pacer.beginTick(27), 1);
  EXPECT_EQ(pacer.beginTick(60), 1);   // 33 ms
  EXPECT_EQ(pacer.beginTick(260), 7);  // 200 ms late
  EXPECT_FALSE(pacer.due(286));
  EXPECT_TRUE(pacer.due(287));
}

TEST(FramePacer, SurvivesTheClockWrapping) {
  struct Case {
    std::uint32_t start;
    std::uint32_t now;
    bool due;
    std::uint32_t wait;
  };
  const std::vector<Case> cases = {
      {0xFFFFFFF0u, 0xFFFFFFFFu, false, 12},  // 15 ms, before the wrap
      {0xFFFFFFF0u, 0x00000009u, false, 2},   // 25 ms, across it
      {0xFFFFFFF0u, 0x0000000Bu, true, 0},    // 27 ms, across it
      {0xFFFFFFFFu, 0x0000001Au, true, 0},    // 27 ms
  };
  for (const Case& c : cases) {
    FramePacer pacer;
    pacer.activate(c.start);
    EXPECT_EQ(pacer.due(c.now), c.due) << c.start << " -> " << c.now;
    EXPECT_EQ(pacer.msUntilDue(c.now), c.wait) << c.start << " -> " << c.now;
  }
  FramePacer pacer;
  pacer.activate(0xFFFFFFF0u);
  EXPECT_EQ(pacer.beginTick(0x0000000Bu), 1);
  EXPECT_FALSE(pacer.due(0x00000025u));
  EXPECT_TRUE(pacer.due(0x00000026u));
}

}  // namespace
}  // namespace voranka
