// Finds font files on a desktop machine: Wine's free Tahoma where it is installed (its files are
// not registered with fontconfig), otherwise fontconfig's best bold sans with Slovak coverage.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace voranka {

// The path of the font file for `face` in the given weight, or "" when none can be found.
std::string FindFontPath(std::string_view face, bool bold);

// The bytes of that file, or nothing.
std::vector<std::uint8_t> FindFontFile(std::string_view face, bool bold);

}  // namespace voranka
