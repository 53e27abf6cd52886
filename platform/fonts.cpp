#include "platform/fonts.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace voranka {

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

// Wine ships Tahoma as tahoma.ttf and tahomabd.ttf in its own font folder.
std::string WineTahoma(bool bold) {
  const char* folders[] = {"/usr/share/wine/fonts", "/usr/lib/wine/fonts", "/opt/wine/fonts"};
  for (const char* folder : folders) {
    const std::filesystem::path path =
        std::filesystem::path(folder) / (bold ? "tahomabd.ttf" : "tahoma.ttf");
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) return path.string();
  }
  return "";
}

// fontconfig's match for `pattern`, if the match covers Slovak.
std::string Match(const std::string& pattern) {
  if (!FcInit()) return "";
  std::string result;
  FcPattern* request = FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str()));
  if (!request) return "";
  FcConfigSubstitute(nullptr, request, FcMatchPattern);
  FcDefaultSubstitute(request);
  FcResult outcome = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, request, &outcome);
  if (match) {
    FcChar8* file = nullptr;
    FcLangSet* langs = nullptr;
    const bool slovak = FcPatternGetLangSet(match, FC_LANG, 0, &langs) == FcResultMatch &&
                        FcLangSetHasLang(langs, reinterpret_cast<const FcChar8*>("sk")) == FcLangEqual;
    if (slovak && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
      const std::string path(reinterpret_cast<const char*>(file));
      if (path.size() > 4 && (Lower(path.substr(path.size() - 4)) == ".ttf" ||
                              Lower(path.substr(path.size() - 4)) == ".otf")) {
        result = path;
      }
    }
    FcPatternDestroy(match);
  }
  FcPatternDestroy(request);
  return result;
}

}  // namespace

std::string FindFontPath(std::string_view face, bool bold) {
  if (Lower(face) == "tahoma") {
    std::string wine = WineTahoma(bold);
    if (!wine.empty()) return wine;
  }
  const std::string weight = bold ? ":weight=bold" : "";
  for (const std::string& family : {std::string(face), std::string("DejaVu Sans"), std::string("sans-serif")}) {
    std::string path = Match(family + weight + ":lang=sk");
    if (!path.empty()) return path;
  }
  return "";
}

std::vector<std::uint8_t> FindFontFile(std::string_view face, bool bold) {
  const std::string path = FindFontPath(face, bold);
  if (path.empty()) return {};
  std::ifstream in(path, std::ios::binary);
  return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

}  // namespace voranka
