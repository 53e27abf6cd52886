#include <gtest/gtest.h>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

TEST(FirstTick, LoadsPicturesAndShowsTheMenuInTheSameTick) {
  Harness h;
  h.press();
  EXPECT_EQ(h.tick(), 1);
  EXPECT_TRUE(h.game.AssetsLoaded);
  EXPECT_EQ(h.game.ScreenState, ScreenMenu);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.host.at(500, 100), FixtureColour(0));
}

}  // namespace
}  // namespace voranka::testing
