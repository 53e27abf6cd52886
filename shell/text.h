// Text rendering: TrueType faces rasterised with stb_truetype, each glyph once per size.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace voranka {

// One glyph's coverage bitmap, placed relative to the pen position on the line's top.
struct Glyph {
  int left = 0;     // from the pen position to the bitmap's first column
  int top = 0;      // from the line's top to the bitmap's first row
  int width = 0;
  int height = 0;
  int advance = 0;  // whole pixels the pen moves on
  std::vector<std::uint8_t> coverage;  // width * height, 0..255
};

// A TrueType face at one cell height. Glyphs are rasterised at first use and kept. A positive
// `embolden` thickens every glyph's strokes by that many pixels to the right and half as many
// upwards, for bold faces whose outlines are drawn no heavier than the regular ones.
class SizedFace {
 public:
  SizedFace(std::shared_ptr<const std::vector<std::uint8_t>> file, int cellHeight,
            int embolden = 0);
  ~SizedFace();
  SizedFace(const SizedFace&) = delete;
  SizedFace& operator=(const SizedFace&) = delete;

  const Glyph& glyph(char32_t codepoint);
  // Whether the face has a glyph of its own for the codepoint (not the missing-glyph box).
  bool hasGlyph(char32_t codepoint) const;
  int cellHeight() const { return cellHeight_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
  int cellHeight_;
  int embolden_;
  std::map<char32_t, Glyph> glyphs_;
};

// Finds font files by face name and weight; the platform supplies the finder, which returns the
// file's bytes, or nothing when it knows no such face.
using FontFinder = std::function<std::vector<std::uint8_t>(std::string_view face, bool bold)>;

// Every face and size the program has written in, each made once.
class FontLibrary {
 public:
  explicit FontLibrary(FontFinder finder) : finder_(std::move(finder)) {}

  // Throws GameError when no font file can be had for the face.
  SizedFace& face(std::string_view name, bool bold, int cellHeight);

 private:
  struct File {
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    double stem = 0;  // the stem of its "I" as a share of the cell height
  };
  FontFinder finder_;
  std::map<std::pair<std::string, bool>, File> files_;
  std::map<std::tuple<std::string, bool, int>, std::unique_ptr<SizedFace>> faces_;
};

// Decodes UTF-8; malformed bytes come out as U+FFFD.
std::u32string DecodeUtf8(std::string_view text);

}  // namespace voranka
