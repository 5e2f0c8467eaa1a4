// skinart: draws a skin's pictures from its options file.
//
//   skinart <skin folder> <output folder> [--preview <file.png>]
//
// Reads <skin folder>/Options.dat, draws every picture its image keys name (the master
// bitmap and the elements' own files) and writes them, with a copy of Options.dat, into
// <output folder>, which is then a complete skin folder ready to pack. --preview paints a
// small window of the finished skin with the engine's painters.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "tools/skinart/Preview.h"
#include "tools/skinart/SkinArt.h"

namespace fs = std::filesystem;

int main(int argc, char** argv) {
  if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--preview")) {
    std::cerr << "usage: skinart <skin folder> <output folder> [--preview <file.png>]\n";
    return 2;
  }
  const fs::path source = argv[1], output = argv[2];
  std::ifstream in(source / "Options.dat", std::ios::binary);
  if (!in) {
    std::cerr << "skinart: cannot read " << (source / "Options.dat") << "\n";
    return 1;
  }
  std::stringstream text;
  text << in.rdbuf();
  try {
    const SkinLayout layout{TacOptionsFile(text.str())};
    fs::create_directories(output);
    for (const auto& [name, picture] : DrawSkinPictures(layout))
      if (!WritePicture((output / name).string(), picture)) throw LayoutError("cannot write " + name);
    fs::copy_file(source / "Options.dat", output / "Options.dat", fs::copy_options::overwrite_existing);
    if (argc == 5 && !WritePicture(argv[4], DrawPreview(output))) throw LayoutError(std::string("cannot write ") + argv[4]);
  } catch (const std::exception& error) {
    std::cerr << "skinart: " << source.string() << ":\n" << error.what() << "\n";
    return 1;
  }
  return 0;
}
