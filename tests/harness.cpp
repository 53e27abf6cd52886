#include "tests/harness.h"

#include <fstream>
#include <random>

#include "platform/fonts.h"

namespace voranka::testing {

Pixel FixtureColour(int k) {
  // Spread over the colour cube, away from pure green.
  return RGB(40 + (k * 53) % 200, 30 + (k * 97) % 180, 20 + (k * 31) % 220);
}

Size FixtureSize(int k) {
  if (k <= 4 || k == 20) return {SurfaceWidth, SurfaceHeight};
  if (k == 5) return {1, 1};
  if (k <= 18) return {96, 90};
  if (k == 19) return {240, 61};
  if (k == 21) return {118, 86};
  return {107, 107};
}

TempDir::TempDir() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  for (;;) {
    path_ = base / ("voranka-" + std::to_string(seed()));
    if (std::filesystem::create_directory(path_)) break;
  }
}

TempDir::~TempDir() {
  std::error_code error;
  std::filesystem::remove_all(path_, error);
}

Bitmap FlatBitmap(int width, int height, Pixel colour) {
  Bitmap bitmap;
  bitmap.width = width;
  bitmap.height = height;
  bitmap.pixels.assign(static_cast<size_t>(width) * height, colour);
  return bitmap;
}

void WriteBitmap(const std::filesystem::path& file, const Bitmap& bitmap) {
  const auto bytes = EncodeBmp24(bitmap);
  std::ofstream out(file, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteFixturePictures(const std::filesystem::path& root) {
  std::filesystem::create_directories(root / "obr");
  for (int k = 0; k < PictureCount; ++k) {
    const Size size = FixtureSize(k);
    Bitmap bitmap = FlatBitmap(size.width, size.height, FixtureColour(k));
    if (k == 19 || k >= 22) {
      for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) bitmap.pixels[static_cast<size_t>(y) * size.width + x] = KeyColour;
    }
    WriteBitmap(root / PictureFileName(k), bitmap);
  }
}

void RecordingHost::present(const Surface& surface) {
  ++flips;
  if (!keepLast && !keepFrames && !onPresent) return;
  lastFrame.assign(surface.pixels(), surface.pixels() + static_cast<size_t>(SurfaceWidth) * SurfaceHeight);
  if (keepFrames) frames.push_back(lastFrame);
  if (onPresent) onPresent(surface);
}

Harness::Harness() : game(host, FindFontFile, dir.path()) { WriteFixturePictures(dir.path()); }

Harness::Harness(const std::filesystem::path& root) : game(host, FindFontFile, root) {}

int Harness::tick() {
  const int before = host.flips;
  game.DXTimer1Timer(1);
  return host.flips - before;
}

void Harness::forceRandom(std::vector<std::int32_t> numbers) {
  forced_ = std::move(numbers);
  next_ = 0;
  game.randomSource().forced = [this](std::int32_t) {
    return next_ < forced_.size() ? forced_[next_++] : 0;
  };
}

}  // namespace voranka::testing
