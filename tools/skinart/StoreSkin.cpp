// skinstore: wraps a skin package as the program stores its internal skins.
//
//   skinstore <package.asz> <output> <item name> <origin name> <version>
//
// Writes a stored-skins collection with one item: the package bytes as its data, the
// item name, the name of the file the package came from and the skin's version. The
// program embeds this as a resource and reads it back as its internal skins.
#include <charconv>
#include <iostream>

#include "skin/data/acZLibEx.h"
#include "skin/data/sStoredSkin.h"

int main(int argc, char** argv) {
  if (argc != 6) {
    std::cerr << "usage: skinstore <package.asz> <output> <item name> <origin name> <version>\n";
    return 2;
  }
  const std::string_view versionText = argv[5];
  double version = 0;
  const auto [end, ec] = std::from_chars(versionText.data(), versionText.data() + versionText.size(), version);
  if (ec != std::errc() || end != versionText.data() + versionText.size()) {
    std::cerr << "skinstore: \"" << versionText << "\" is not a version number\n";
    return 2;
  }
  try {
    auto package = ReadFileBytes(argv[1]);
    if (!package) {
      std::cerr << "skinstore: " << argv[1] << " does not exist\n";
      return 1;
    }
    TsStoredSkins skins;
    TsStoredSkin& item = skins.Add();
    item.Name = argv[3];
    item.OrigName = argv[4];
    item.Version = version;
    item.PackedData = std::move(*package);
    if (!WriteFileBytes(argv[2], WriteStoredSkins(skins))) {
      std::cerr << "skinstore: cannot write " << argv[2] << "\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "skinstore: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
