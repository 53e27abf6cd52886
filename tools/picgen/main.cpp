// voranka_picgen [FOLDER] [--png PREVIEWS]
//
// Draws the game's 35 pictures and writes them into FOLDER (default "obr") as 24-bit Windows
// bitmaps: 0.bmp .. 21.bmp and v1.bmp .. v13.bmp. With --png it also writes each picture as a
// PNG file into PREVIEWS, for looking at them.
#include <cairo.h>

#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>

#include "bmp_write.h"
#include "pictures.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path.string());
}

void WritePng(const std::filesystem::path& path, const picgen::Image& image) {
  cairo_surface_t* surface =
      cairo_image_surface_create(CAIRO_FORMAT_RGB24, image.width, image.height);
  cairo_surface_flush(surface);
  unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < image.height; ++y)
    std::memcpy(data + static_cast<size_t>(y) * stride, &image.pixels[static_cast<size_t>(y) * image.width],
                static_cast<size_t>(image.width) * 4);
  cairo_surface_mark_dirty(surface);
  const cairo_status_t status = cairo_surface_write_to_png(surface, path.c_str());
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path folder = "obr";
  std::filesystem::path previews;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--png" && i + 1 < argc) {
      previews = argv[++i];
    } else if (arg == "-h" || arg == "--help") {
      std::puts("usage: voranka_picgen [FOLDER] [--png PREVIEWS]");
      return 0;
    } else {
      folder = arg;
    }
  }
  try {
    picgen::Studio studio;
    const std::vector<picgen::Picture> pictures = picgen::MakeAllPictures(studio);
    std::filesystem::create_directories(folder);
    if (!previews.empty()) std::filesystem::create_directories(previews);
    for (const picgen::Picture& picture : pictures) {
      const picgen::Image& image = picture.image;
      WriteFile(folder / picture.file, picgen::EncodeBmp24(image.width, image.height, image.pixels));
      if (!previews.empty())
        WritePng(previews / std::filesystem::path(picture.file).replace_extension(".png"), image);
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "voranka_picgen: %s\n", error.what());
    return 1;
  }
  return 0;
}
