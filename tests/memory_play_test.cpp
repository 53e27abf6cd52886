// A whole memory game played by a scripted player, from the menu's button to the empty table
// and a new deal.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <vector>

#include "tests/harness.h"

namespace voranka::testing {
namespace {

int SlotLeft(int slot) {
  return 50 + 120 * (slot % 8);
}
int SlotTop(int slot) {
  return 300 + 120 * (slot / 8);
}

using Frame = std::vector<Pixel>;

// The band the message line is written in, to the surface's right edge.
Frame MessageBand(const Frame& frame) {
  return Frame(frame.begin() + 240 * SurfaceWidth, frame.begin() + 280 * SurfaceWidth);
}

int BlackPixels(const Frame& band) {
  int count = 0;
  for (Pixel p : band) count += p == Black;
  return count;
}

class Player {
 public:
  explicit Player(Harness& h) : h_(h) {}

  void click(int slot) {
    h_.move(SlotLeft(slot) + 10, SlotTop(slot) + 80);
    h_.press();
    h_.tick();
    h_.release();
    h_.move(1010, 20);
  }

  // Opens two cards and waits for the turn to end; returns the frames after the second press.
  int turn(int first, int second) {
    click(first);
    click(second);
    for (int frames = 1; frames <= 200; ++frames) {
      h_.tick();
      if (h_.game.memory.FirstCard == -1) return frames;
    }
    return -1;
  }

 private:
  Harness& h_;
};

TEST(MemoryGame, AScriptedPlayerClearsTheTableAndSeesEveryMessage) {
  Harness h;
  h.tick();

  // The deal's draws, forced; the layout they give, worked out by hand from the exchanges.
  std::mt19937 source(2024);
  std::vector<std::int32_t> draws(802);
  for (auto& d : draws) d = static_cast<std::int32_t>(source() % 24);
  std::array<std::int32_t, 24> layout{};
  for (int i = 0; i < 24; ++i) layout[static_cast<size_t>(i)] = i / 2;
  for (size_t n = 0; n < draws.size(); n += 2)
    std::swap(layout[static_cast<size_t>(draws[n])], layout[static_cast<size_t>(draws[n + 1])]);

  h.forceRandom(draws);
  h.move(450, 300);
  h.press();
  ASSERT_EQ(h.tick(), 2);
  h.release();
  ASSERT_EQ(h.game.memory.CardValues, layout);

  std::vector<int> slotsOf[12];
  for (int i = 0; i < 24; ++i) slotsOf[layout[static_cast<size_t>(i)]].push_back(i);

  Player player(h);
  Frame bands[12];
  int pairsLeft = 12;
  // Pairs in an order of their own; before every other pair a miss with the next pair's card.
  const int order[12] = {7, 2, 11, 0, 5, 9, 3, 10, 1, 6, 4, 8};
  for (int n = 0; n < 12; ++n) {
    const int v = order[n];
    SCOPED_TRACE(::testing::Message() << "pair value " << v);
    if (n % 2 == 0 && n + 1 < 12) {
      const int other = slotsOf[order[n + 1]][0];
      ASSERT_EQ(player.turn(slotsOf[v][0], other), 109);
      EXPECT_EQ(h.game.memory.CardValues[static_cast<size_t>(other)], order[n + 1]);
    }
    ASSERT_EQ(player.turn(slotsOf[v][1], slotsOf[v][0]), 109);
    --pairsLeft;
    EXPECT_EQ(h.game.memory.MessageIndex, v);
    EXPECT_EQ(h.game.memory.MessageTicks, 0);
    // The new-game button shows from the very frame that empties the table.
    EXPECT_EQ(h.host.at(500, 480) == FixtureColour(19), pairsLeft == 0);

    h.tick();
    for (int slot : slotsOf[v]) {
      EXPECT_EQ(h.game.memory.CardValues[static_cast<size_t>(slot)], -1);
      EXPECT_EQ(h.host.at(SlotLeft(slot) + 48, SlotTop(slot) + 45), FixtureColour(3));
    }
    bands[v] = MessageBand(h.host.lastFrame);
    EXPECT_GT(BlackPixels(bands[v]), 50);
  }
  for (std::int32_t value : h.game.memory.CardValues) EXPECT_EQ(value, -1);

  // Each value showed its own line: equal pictures exactly where the texts are equal.
  std::set<Frame> distinct;
  for (int v = 0; v < 12; ++v) {
    distinct.insert(bands[v]);
    for (int w = 0; w < v; ++w)
      EXPECT_EQ(bands[v] == bands[w], ContainerMessages[v] == ContainerMessages[w])
          << v << " and " << w;
  }
  EXPECT_EQ(distinct.size(), 7u);

  // The new-game button deals again; the last message goes on over the fresh table.
  h.move(619, 510);
  h.press();
  h.tick();
  h.release();
  h.tick();
  for (int slot = 0; slot < 24; ++slot)
    EXPECT_EQ(h.host.at(SlotLeft(slot) + 48, SlotTop(slot) + 45), FixtureColour(18));
  EXPECT_EQ(h.host.at(500, 480) == FixtureColour(19), false);
  EXPECT_GT(BlackPixels(MessageBand(h.host.lastFrame)), 50);
  EXPECT_EQ(h.game.memory.MessageIndex, order[11]);
}

}  // namespace
}  // namespace voranka::testing
