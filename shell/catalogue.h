// The picture list and the loading of the game's 35 pictures from the folder obr.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "shell/bitmap.h"
#include "shell/surface.h"

namespace voranka {

constexpr int PictureCount = 35;

struct PictureCollectionItem {
  std::optional<Bitmap> Picture;  // the bitmap as loaded, kept for the whole run
  bool Transparent = true;        // a new entry starts keyed
  Pixel TransparentColor = Black;
  std::optional<PreparedPicture> prepared;

  // Makes the prepared copy anew from the bitmap with the key in force now.
  void Restore();
};

struct PictureList {
  std::vector<PictureCollectionItem> Items;
};

// The file name of picture k as the loader builds it: "obr/0.bmp" .. "obr/21.bmp" for pictures
// 0..21, "obr/v1.bmp" .. "obr/v13.bmp" for pictures 22..34.
std::string PictureFileName(int k);

// Fills entries 0..34 of `list` from the folder obr below `root`, in index order. Each run adds
// one entry per picture it reaches and then loads picture k into entry k, so a run after a failed
// one puts every picture in its own entry again. Throws GameError with "Cannot open file <name>"
// or "Bitmap image is not valid" at the first picture that cannot be had.
void LoadPictureCatalogue(PictureList& list, const std::filesystem::path& root);

// Reads and decodes one bitmap file; `shownName` is the name the open error reports.
Bitmap LoadBitmapFile(const std::filesystem::path& path, const std::string& shownName);

}  // namespace voranka
