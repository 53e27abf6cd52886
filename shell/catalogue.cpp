#include "shell/catalogue.h"

#include <fstream>
#include <new>

#include "shell/host.h"

namespace voranka {

namespace {
// No picture file of the game comes near this; a larger file is not a picture of ours.
constexpr std::uintmax_t MaxFileBytes = 64u << 20;
}  // namespace

std::string PictureFileName(int k) {
  const std::string folder = "obr/";
  if (k <= 21) return folder + std::to_string(k) + ".bmp";
  return folder + "v" + std::to_string(k - 21) + ".bmp";
}

Bitmap LoadBitmapFile(const std::filesystem::path& path, const std::string& shownName) {
  std::ifstream in(path, std::ios::binary);
  std::error_code error;
  if (!in || std::filesystem::is_directory(path, error)) {
    throw GameError("Cannot open file " + shownName);
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0) throw GameError("Cannot open file " + shownName);
  if (static_cast<std::uintmax_t>(size) > MaxFileBytes) throw GameError("Bitmap image is not valid");
  in.seekg(0);
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  if (!in.read(reinterpret_cast<char*>(bytes.data()), size)) {
    throw GameError("Cannot open file " + shownName);
  }
  return DecodeBmp(bytes);
}

void PictureCollectionItem::Restore() {
  if (!Picture) return;
  prepared.reset();
  try {
    PreparedPicture copy;
    copy.width = Picture->width;
    copy.height = Picture->height;
    copy.pixels = Picture->pixels;
    copy.keyed = Transparent;
    copy.key = TransparentColor;
    prepared = std::move(copy);
  } catch (const std::bad_alloc&) {
    throw GameError("Surface cannot be made");
  }
}

void LoadPictureCatalogue(PictureList& list, const std::filesystem::path& root) {
  for (int k = 0; k < PictureCount; ++k) {
    list.Items.emplace_back();
    PictureCollectionItem& entry = list.Items[static_cast<size_t>(k)];
    const std::string name = PictureFileName(k);
    entry.Picture = LoadBitmapFile(root / name, name);
    if (k == 19 || k >= 22) {
      entry.TransparentColor = KeyColour;
    } else {
      entry.Transparent = false;
    }
    entry.Restore();
  }
}

}  // namespace voranka
