// The frame tick's first-tick initialisation, the picture catalogue with its failures and full
// retries, and the mouse latch.
#include <gtest/gtest.h>

#include <fstream>

#include "platform/fonts.h"
#include "tests/harness.h"

namespace voranka::testing {
namespace {

class CountingHost : public RecordingHost {
 public:
  std::uint64_t timeOfDayMs() override {
    ++seeds;
    return RecordingHost::timeOfDayMs();
  }
  int seeds = 0;
};

// A game whose obr folder the test fills itself.
struct BareGame {
  TempDir dir;
  CountingHost host;
  Game game{host, FindFontFile, dir.path()};

  // Runs one tick and returns its error text, or "" when it succeeded.
  std::string tick() {
    try {
      game.DXTimer1Timer(1);
      return "";
    } catch (const GameError& e) {
      return e.what();
    }
  }
};

TEST(FirstTick, LoadsPicturesAndShowsTheMenuInTheSameTick) {
  Harness h;
  h.press();  // a press reported before the first tick has no effect
  EXPECT_EQ(h.tick(), 1);
  EXPECT_TRUE(h.game.AssetsLoaded);
  EXPECT_EQ(h.game.ScreenState, ScreenMenu);
  EXPECT_FALSE(h.game.MousePressed);
  EXPECT_EQ(h.game.canvas().font.name, "Tahoma");
  EXPECT_EQ(h.host.at(500, 100), FixtureColour(0));
  const auto& items = h.game.DXImageList1.Items;
  ASSERT_EQ(items.size(), 35u);
  for (int k = 0; k < PictureCount; ++k) {
    const auto& entry = items[static_cast<size_t>(k)];
    const bool keyed = k == 19 || k >= 22;
    EXPECT_EQ(entry.prepared->keyed, keyed) << k;
    if (keyed) {
      EXPECT_EQ(entry.prepared->key, KeyColour) << k;
    }
    EXPECT_EQ(entry.prepared->width, FixtureSize(k).width) << k;
    EXPECT_EQ(entry.prepared->pixels.back(), FixtureColour(k)) << k;
  }
}

TEST(FirstTick, PictureFileNames) {
  EXPECT_EQ(PictureFileName(0), "obr/0.bmp");
  EXPECT_EQ(PictureFileName(21), "obr/21.bmp");
  EXPECT_EQ(PictureFileName(22), "obr/v1.bmp");
  EXPECT_EQ(PictureFileName(34), "obr/v13.bmp");
}

TEST(FirstTick, WithoutPicturesEveryTickFailsAtTheFirstFileAndFlipsNothing) {
  BareGame g;
  g.game.DXDraw1MouseDown();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(g.tick(), "Cannot open file obr/0.bmp");
  EXPECT_EQ(g.host.flips, 0);
  EXPECT_EQ(g.host.seeds, 3);  // every attempt seeds afresh
  EXPECT_FALSE(g.game.AssetsLoaded);
  EXPECT_EQ(g.game.ScreenState, 0);
  EXPECT_TRUE(g.game.MousePressed);  // the failed tick leaves the latch as it was

  WriteFixturePictures(g.dir.path());
  EXPECT_EQ(g.tick(), "");
  EXPECT_EQ(g.host.flips, 1);
  EXPECT_EQ(g.game.ScreenState, ScreenMenu);
  EXPECT_FALSE(g.game.MousePressed);
}

TEST(FirstTick, AFailedRunStopsAtItsPictureAndTheNextRunLoadsEveryPictureIntoItsOwnEntry) {
  BareGame g;
  WriteFixturePictures(g.dir.path());
  const auto five = g.dir.path() / "obr/5.bmp";
  const auto item = g.dir.path() / "obr/v1.bmp";
  std::filesystem::remove(five);
  std::ofstream(item) << "not a bitmap";  // never reached: the loading stops at picture 5
  EXPECT_EQ(g.tick(), "Cannot open file obr/5.bmp");
  EXPECT_EQ(g.game.DXImageList1.Items.size(), 6u);

  WriteBitmap(five, FlatBitmap(1, 1, FixtureColour(5)));
  EXPECT_EQ(g.tick(), "Bitmap image is not valid");  // now the loading reaches v1.bmp
  EXPECT_EQ(g.game.DXImageList1.Items.size(), 6u + 23u);

  WriteBitmap(item, FlatBitmap(107, 107, FixtureColour(22)));
  EXPECT_EQ(g.tick(), "");
  const auto& items = g.game.DXImageList1.Items;
  ASSERT_EQ(items.size(), 6u + 23u + 35u);
  for (int k = 0; k < PictureCount; ++k) {
    EXPECT_EQ(items[static_cast<size_t>(k)].prepared->pixels.back(), FixtureColour(k)) << k;
  }
  for (size_t k = PictureCount; k < items.size(); ++k) EXPECT_FALSE(items[k].prepared) << k;
  EXPECT_EQ(g.host.at(10, 10), FixtureColour(0));
}

TEST(FirstTick, APictureOfAnotherSizeIsDrawnAtItsOwnSize) {
  BareGame g;
  WriteFixturePictures(g.dir.path());
  WriteBitmap(g.dir.path() / "obr/0.bmp", FlatBitmap(300, 200, RGB(1, 2, 3)));
  EXPECT_EQ(g.tick(), "");
  EXPECT_EQ(g.host.at(299, 199), RGB(1, 2, 3));
  EXPECT_EQ(g.host.at(300, 199), Black);  // the surface as it started, black
}

TEST(MouseLatch, HandlersOnlyLatch) {
  Harness h;
  h.tick();
  EXPECT_EQ(h.game.MouseX, 0);
  h.move(-40, 900);  // coordinates are kept signed and unclipped
  EXPECT_EQ(h.game.MouseX, -40);
  EXPECT_EQ(h.game.MouseY, 900);
  h.press();
  h.press();
  EXPECT_TRUE(h.game.MousePressed);
  h.release();
  EXPECT_FALSE(h.game.MousePressed);
  // A press and its release between two ticks are never seen.
  h.press();
  h.release();
  const int flips = h.host.flips;
  h.tick();
  EXPECT_EQ(h.host.flips, flips + 1);
  EXPECT_EQ(h.game.ScreenState, ScreenMenu);
}

}  // namespace
}  // namespace voranka::testing
