#include "shell/text.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "shell/host.h"

#define STBTT_STATIC
#define STB_TRUETYPE_IMPLEMENTATION
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_truetype.h>
#pragma GCC diagnostic pop

namespace voranka {

namespace {

std::uint16_t ReadU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] << 8 | p[1]); }
std::uint32_t ReadU32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
         static_cast<std::uint32_t>(p[2]) << 8 | p[3];
}

// The font's cell height in font units: the Windows ascent plus descent from its OS/2 table,
// which is what a cell height measures on the desktop, or the horizontal header's where the
// OS/2 table is missing.
struct CellMetrics {
  int ascent;
  int height;
};

CellMetrics FindCellMetrics(const stbtt_fontinfo& info, const std::vector<std::uint8_t>& file) {
  const int offset = info.fontstart;
  if (file.size() >= static_cast<size_t>(offset) + 12) {
    const int tables = ReadU16(file.data() + offset + 4);
    for (int i = 0; i < tables; ++i) {
      const size_t entry = static_cast<size_t>(offset) + 12 + static_cast<size_t>(i) * 16;
      if (entry + 16 > file.size()) break;
      if (std::memcmp(file.data() + entry, "OS/2", 4) != 0) continue;
      const size_t table = ReadU32(file.data() + entry + 8);
      if (table + 78 > file.size()) break;
      const int winAscent = ReadU16(file.data() + table + 74);
      const int winDescent = ReadU16(file.data() + table + 76);
      if (winAscent + winDescent > 0) return {winAscent, winAscent + winDescent};
    }
  }
  int ascent = 0, descent = 0, gap = 0;
  stbtt_GetFontVMetrics(&info, &ascent, &descent, &gap);
  return {ascent, std::max(1, ascent - descent)};
}

// Spreads the coverage `right` pixels to the right and right / 2 upwards, keeping the baseline.
void Thicken(Glyph& glyph, int right) {
  const int up = right / 2;
  const int width = glyph.width + right;
  const int height = glyph.height + up;
  std::vector<std::uint8_t> out(static_cast<size_t>(width) * height, 0);
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      const std::uint8_t c = glyph.coverage[static_cast<size_t>(y) * glyph.width + x];
      if (c == 0) continue;
      for (int j = 0; j <= up; ++j) {
        std::uint8_t* row = out.data() + static_cast<size_t>(y + up - j) * width + x;
        for (int i = 0; i <= right; ++i) row[i] = std::max(row[i], c);
      }
    }
  }
  glyph.coverage = std::move(out);
  glyph.width = width;
  glyph.height = height;
  glyph.top -= up;
}

// The width of the vertical stem of "I" at a cell height of 100, as a share of the cell.
double StemShare(const std::shared_ptr<const std::vector<std::uint8_t>>& file) {
  SizedFace probe(file, 100);
  const Glyph& glyph = probe.glyph(U'I');
  if (glyph.height == 0) return 0;
  const int row = glyph.height / 2;
  int run = 0, widest = 0;
  for (int x = 0; x < glyph.width; ++x) {
    run = glyph.coverage[static_cast<size_t>(row) * glyph.width + x] >= 128 ? run + 1 : 0;
    widest = std::max(widest, run);
  }
  return widest / 100.0;
}

// A true bold's stems are about this share of the cell; bold faces far lighter than that are
// thickened up to it.
constexpr double BoldStem = 0.15;
constexpr double LightestBoldStem = 0.12;

}  // namespace

struct SizedFace::Impl {
  std::shared_ptr<const std::vector<std::uint8_t>> file;
  stbtt_fontinfo info{};
  float scale = 1;
  int ascentPx = 0;
};

SizedFace::SizedFace(std::shared_ptr<const std::vector<std::uint8_t>> file, int cellHeight,
                     int embolden)
    : impl_(std::make_unique<Impl>()), cellHeight_(cellHeight), embolden_(std::max(embolden, 0)) {
  impl_->file = std::move(file);
  const auto& bytes = *impl_->file;
  const int start = stbtt_GetFontOffsetForIndex(bytes.data(), 0);
  if (start < 0 || !stbtt_InitFont(&impl_->info, bytes.data(), start)) {
    throw GameError("Font cannot be made");
  }
  const CellMetrics metrics = FindCellMetrics(impl_->info, bytes);
  impl_->scale = static_cast<float>(std::abs(cellHeight)) / static_cast<float>(metrics.height);
  impl_->ascentPx = static_cast<int>(std::lround(metrics.ascent * impl_->scale));
}

SizedFace::~SizedFace() = default;

const Glyph& SizedFace::glyph(char32_t codepoint) {
  auto found = glyphs_.find(codepoint);
  if (found != glyphs_.end()) return found->second;
  Glyph glyph;
  const stbtt_fontinfo& info = impl_->info;
  const int index = stbtt_FindGlyphIndex(&info, static_cast<int>(codepoint));
  int advance = 0, bearing = 0;
  stbtt_GetGlyphHMetrics(&info, index, &advance, &bearing);
  glyph.advance = static_cast<int>(std::lround(advance * impl_->scale));
  int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
  stbtt_GetGlyphBitmapBox(&info, index, impl_->scale, impl_->scale, &x0, &y0, &x1, &y1);
  if (x1 > x0 && y1 > y0) {
    glyph.left = x0;
    glyph.top = impl_->ascentPx + y0;
    glyph.width = x1 - x0;
    glyph.height = y1 - y0;
    glyph.coverage.resize(static_cast<size_t>(glyph.width) * glyph.height);
    stbtt_MakeGlyphBitmap(&info, glyph.coverage.data(), glyph.width, glyph.height, glyph.width,
                          impl_->scale, impl_->scale, index);
    if (embolden_ > 0) Thicken(glyph, embolden_);
  }
  return glyphs_.emplace(codepoint, std::move(glyph)).first->second;
}

bool SizedFace::hasGlyph(char32_t codepoint) const {
  return stbtt_FindGlyphIndex(&impl_->info, static_cast<int>(codepoint)) != 0;
}

SizedFace& FontLibrary::face(std::string_view name, bool bold, int cellHeight) {
  auto key = std::make_tuple(std::string(name), bold, cellHeight);
  auto found = faces_.find(key);
  if (found != faces_.end()) return *found->second;
  auto fileKey = std::make_pair(std::string(name), bold);
  auto found_file = files_.find(fileKey);
  if (found_file == files_.end()) {
    auto bytes = finder_ ? finder_(name, bold) : std::vector<std::uint8_t>{};
    if (bytes.empty()) throw GameError("Font cannot be made");
    File file{std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes))};
    if (bold) file.stem = StemShare(file.bytes);
    found_file = files_.emplace(fileKey, std::move(file)).first;
  }
  const File& file = found_file->second;
  int embolden = 0;
  if (bold && file.stem > 0 && file.stem < LightestBoldStem) {
    embolden = static_cast<int>(std::lround((BoldStem - file.stem) * std::abs(cellHeight)));
  }
  auto face = std::make_unique<SizedFace>(file.bytes, cellHeight, embolden);
  return *faces_.emplace(std::move(key), std::move(face)).first->second;
}

std::u32string DecodeUtf8(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const int extra = lead < 0x80            ? 0
                      : (lead >> 5) == 0x06 ? 1
                      : (lead >> 4) == 0x0e ? 2
                      : (lead >> 3) == 0x1e ? 3
                                            : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    char32_t c = extra == 0 ? lead : lead & (0x3f >> extra);
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
      if ((next & 0xc0) != 0x80) {
        ok = false;
        break;
      }
      c = (c << 6) | (next & 0x3f);
    }
    if (!ok) {
      out.push_back(U'\uFFFD');
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

}  // namespace voranka
