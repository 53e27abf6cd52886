// Runs the picture generator twice into fresh folders and checks what the game relies on: every
// file there, readable by the game's own loader, at the size its screen needs; the keyed pictures
// free of green fringe; the lit variants equal to their base pictures outside the lit button; the
// containers where the drops count, in their colours, with a readable hint spot; and the output
// byte for byte the same from run to run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "shell/bitmap.h"

namespace {

namespace fs = std::filesystem;
using voranka::Bitmap;
using voranka::Pixel;

constexpr Pixel kKey = 0x00FF00;

std::string FileName(int k) {
  std::string name = k < 22 ? "" : "v";
  name += std::to_string(k < 22 ? k : k - 21);
  name += ".bmp";
  return name;
}

std::vector<std::uint8_t> ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The files of one run of the generator, by picture index.
using Files = std::vector<std::vector<std::uint8_t>>;

class Pictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    root_ = new fs::path(fs::path(::testing::TempDir()) /
                         ("voranka_pictures_" + std::to_string(::getpid())));
    fs::remove_all(*root_);
    runs_ = new std::vector<Files>;
    for (const char* name : {"first", "second"}) {
      const fs::path folder = *root_ / name;
      const std::string command = std::string("\"") + VORANKA_PICGEN + "\" \"" + folder.string() + "\"";
      ASSERT_EQ(std::system(command.c_str()), 0) << command;
      Files files;
      for (int k = 0; k < 35; ++k) files.push_back(ReadFile(folder / FileName(k)));
      runs_->push_back(std::move(files));
    }
    pictures_ = new std::vector<Bitmap>;
    for (const auto& file : runs_->front()) pictures_->push_back(voranka::DecodeBmp(file));
  }

  static void TearDownTestSuite() {
    fs::remove_all(*root_);
    delete root_;
    delete runs_;
    delete pictures_;
  }

  static const Bitmap& picture(int k) { return (*pictures_)[k]; }
  static Pixel at(const Bitmap& b, int x, int y) { return b.pixels[y * b.width + x]; }

  static fs::path* root_;
  static std::vector<Files>* runs_;
  static std::vector<Bitmap>* pictures_;
};

fs::path* Pictures::root_ = nullptr;
std::vector<Files>* Pictures::runs_ = nullptr;
std::vector<Bitmap>* Pictures::pictures_ = nullptr;

int R(Pixel p) { return (p >> 16) & 0xFF; }
int G(Pixel p) { return (p >> 8) & 0xFF; }
int B(Pixel p) { return p & 0xFF; }

double Luminance(Pixel p) {
  auto lin = [](int c) {
    const double s = c / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(R(p)) + 0.7152 * lin(G(p)) + 0.0722 * lin(B(p));
}

double Contrast(Pixel a, Pixel b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct Box {
  int left, top, right, bottom;  // inclusive
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

TEST_F(Pictures, EveryFileIsAn24BitBitmapOfItsScreensSize) {
  struct Size {
    int first, last, width, height;
  };
  const Size sizes[] = {
      {0, 4, 1022, 760},  {6, 18, 96, 90},   {19, 19, 240, 61},
      {20, 20, 1022, 760}, {21, 21, 118, 86}, {22, 34, 107, 107},
  };
  for (const Size& s : sizes)
    for (int k = s.first; k <= s.last; ++k) {
      EXPECT_EQ(picture(k).width, s.width) << "picture " << k;
      EXPECT_EQ(picture(k).height, s.height) << "picture " << k;
    }
  EXPECT_GT(picture(5).width, 0);  // never drawn, but it must load
  for (int k = 0; k < 35; ++k) {
    const auto& file = runs_->front()[k];
    ASSERT_GE(file.size(), 54u) << "picture " << k;
    auto u16 = [&](size_t at) { return file[at] | file[at + 1] << 8; };
    auto i32 = [&](size_t at) {
      return static_cast<std::int32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                       static_cast<std::uint32_t>(file[at + 3]) << 24);
    };
    EXPECT_EQ(u16(28), 24) << "picture " << k << ": bits per pixel";
    EXPECT_EQ(i32(30), 0) << "picture " << k << ": compression";
    EXPECT_GT(i32(22), 0) << "picture " << k << ": rows stored bottom-up";
  }
}

TEST_F(Pictures, OutputIsTheSameFromRunToRun) {
  for (int k = 0; k < 35; ++k)
    EXPECT_TRUE((*runs_)[0][k] == (*runs_)[1][k]) << FileName(k) << " differs";
}

// A keyed picture shows either the key or the object; an edge pixel half blended with the key
// would show as a green seam over every background.
TEST_F(Pictures, KeyedPicturesHaveTheKeyAroundAndNoGreenFringe) {
  std::vector<int> keyed = {19};
  for (int k = 22; k <= 34; ++k) keyed.push_back(k);
  for (int k : keyed) {
    const Bitmap& b = picture(k);
    for (auto [x, y] : {std::pair{0, 0}, {b.width - 1, 0}, {0, b.height - 1},
                        {b.width - 1, b.height - 1}})
      EXPECT_EQ(at(b, x, y), kKey) << "picture " << k << " corner " << x << "," << y;
    int object = 0;
    for (int y = 0; y < b.height; ++y)
      for (int x = 0; x < b.width; ++x) {
        const Pixel p = at(b, x, y);
        if (p == kKey) continue;
        ++object;
        EXPECT_FALSE(G(p) > 160 && R(p) < 100 && B(p) < 100)
            << "picture " << k << " has a near-key pixel at " << x << "," << y;
        bool edge = false;
        for (auto [dx, dy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}}) {
          const int nx = x + dx, ny = y + dy;
          if (nx >= 0 && ny >= 0 && nx < b.width && ny < b.height && at(b, nx, ny) == kKey)
            edge = true;
        }
        if (edge) {
          EXPECT_LE(G(p), std::max(R(p), B(p)) + 12)
              << "picture " << k << " has a green edge pixel at " << x << "," << y;
        }
      }
    EXPECT_GT(object, b.width * b.height / 4) << "picture " << k << " shows too little";
  }
}

void ExpectSameOutside(const Bitmap& base, const Bitmap& variant, int offsetX, int offsetY,
                       Box box, const char* what) {
  int differentInside = 0, differentOutside = 0;
  for (int y = 0; y < variant.height; ++y)
    for (int x = 0; x < variant.width; ++x) {
      const bool same = variant.pixels[y * variant.width + x] ==
                        base.pixels[(y + offsetY) * base.width + x + offsetX];
      if (box.contains(x + offsetX, y + offsetY))
        differentInside += !same;
      else
        differentOutside += !same;
    }
  EXPECT_EQ(differentOutside, 0) << what << ": pixels differ outside the button";
  EXPECT_GT(differentInside, 1000) << what << ": the lit button hardly shows";
}

TEST_F(Pictures, LitMenuPicturesDifferFromTheMenuOnlyInTheirButtons) {
  ExpectSameOutside(picture(0), picture(1), 0, 0, {411, 497, 609, 593}, "picture 1");
  ExpectSameOutside(picture(0), picture(2), 0, 0, {411, 287, 619, 402}, "picture 2");
}

TEST_F(Pictures, TheBackButtonCornerIsSharedAndPicture21LightsIt) {
  for (int y = 674; y < 760; ++y)
    for (int x = 0; x < 118; ++x)
      ASSERT_EQ(at(picture(3), x, y), at(picture(4), x, y)) << "pictures 3 and 4 at " << x << "," << y;
  ExpectSameOutside(picture(3), picture(21), 0, 674, {16, 696, 117, 757}, "picture 21");
}

// The containers of the sorting game fill their drop boxes in their street colours, and the
// spot where the game writes "PATRÍ SEM" (about 135 x 24 pixels of pink-red letters) is calm
// and dark enough behind the letters.
TEST_F(Pictures, SortingContainersSitInTheirDropBoxesWithAReadableHintSpot) {
  struct Container {
    Box drop;
    int hintX, hintY;
    int channel;  // 0 red, 1 yellow, 2 green, 3 blue: the container's colour
  };
  const Container containers[] = {
      {{11, 229, 186, 395}, 55, 357, 3},
      {{11, 471, 197, 633}, 59, 596, 1},
      {{810, 229, 1009, 412}, 823, 352, 2},
      {{819, 471, 1009, 647}, 828, 588, 0},
  };
  const Bitmap& screen = picture(20);
  const Pixel hint = 0xFA6464;  // RGB(250, 100, 100)
  for (const Container& c : containers) {
    // The container's colour dominates the drop box's upper part.
    int coloured = 0, total = 0;
    for (int y = c.drop.top + 20; y < c.hintY - 10; ++y)
      for (int x = c.drop.left; x <= c.drop.right; ++x) {
        const Pixel p = at(screen, x, y);
        const int r = R(p), g = G(p), b = B(p);
        const bool match = c.channel == 0   ? r > 170 && g < 110 && b < 110
                           : c.channel == 1 ? r > 200 && g > 160 && b < 120
                           : c.channel == 2 ? g > 110 && r < 110 && b < 140
                                            : b > 160 && r < 110;
        coloured += match;
        ++total;
      }
    EXPECT_GT(coloured, total / 3) << "container at " << c.drop.left << "," << c.drop.top;

    // Behind the letters: a steady background that sets the pink-red off.
    int poor = 0, cells = 0;
    double sum = 0, sumSq = 0;
    for (int y = c.hintY + 2; y < c.hintY + 25; ++y)
      for (int x = c.hintX; x < std::min(c.hintX + 130, c.drop.right); ++x) {
        const Pixel p = at(screen, x, y);
        poor += Contrast(p, hint) < 3.0;
        const double l = Luminance(p);
        sum += l, sumSq += l * l, ++cells;
      }
    EXPECT_LT(poor, cells / 50) << "hint at " << c.hintX << "," << c.hintY;
    const double mean = sum / cells;
    EXPECT_LT(std::sqrt(sumSq / cells - mean * mean), 0.03) << "hint at " << c.hintX << "," << c.hintY;
  }
}

}  // namespace
