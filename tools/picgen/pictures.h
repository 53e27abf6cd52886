// The game's 35 pictures, in the order of the game's picture list.
#pragma once

#include <string>
#include <vector>

#include "art.h"

namespace picgen {

constexpr int kScreenWidth = 1022;
constexpr int kScreenHeight = 760;

struct Picture {
  std::string file;  // file name inside the picture folder
  Image image;
};

// The file name of picture k: "0.bmp" .. "21.bmp", then "v1.bmp" .. "v13.bmp" for 22..34.
std::string PictureFile(int k);

std::vector<Picture> MakeAllPictures(Studio& studio);

}  // namespace picgen
