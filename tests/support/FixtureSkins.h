#pragma once
// Skins for the skin model's tests and benchmark, packed by the project's package writer.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pixels/PixelBuffer.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinFiles.h"

struct FixtureFile {
  std::string Name;
  std::vector<uint8_t> Bytes;
};

struct FixtureSkin {
  std::string Options;
  std::vector<FixtureFile> Files;

  FixtureSkin& Add(std::string name, std::vector<uint8_t> bytes);
  std::vector<uint8_t> Pack() const;  // "OPTIONS.DAT" first, then the files in order
};

// A picture of 8 x 8 blocks in changing colours, fully opaque.
PixelImage PatternPicture(int width, int height);

// A skin of the given options with a 64 x 64 pattern master bitmap "MASTER.PNG"; the
// options should name it ("MASTERBITMAP=MASTER.PNG").
FixtureSkin SmallSkin(std::string options);

// A skin like the program's own: some fifty sections, most kinds of elements, scaled
// variants for 200 %, a PNG master bitmap and one 24-bit BMP element file.
FixtureSkin RealisticSkin();

struct LoadedModel {
  std::unique_ptr<TacSkinFiles> Skin;
  std::unique_ptr<TacSkinData> Data;
};
// Packs, opens and loads the skin for one density; `adjust` changes settings first.
LoadedModel LoadModel(const FixtureSkin& skin, int ppi, const std::function<void(TacSkinSettings&)>& adjust = {});
