#include "tests/support/SlateFixture.h"

#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"

std::vector<uint8_t> SlatePackageBytes() {
  static const std::vector<uint8_t> bytes = [] {
    auto read = ReadFileBytes(SLATE_PACKAGE);
    if (!read) throw std::runtime_error("the build made no " SLATE_PACKAGE);
    return *read;
  }();
  return bytes;
}

SlateModel LoadSlate(int ppi) {
  SlateModel m;
  m.Skin = TacSkinFiles::FromPackage(SlatePackageBytes());
  m.Skin->MutableSettings().ExtendedBorders = true;
  m.Data = std::make_unique<TacSkinData>(m.Skin.get(), ppi);
  m.Data->Init();
  return m;
}

namespace {
uint32_t PicturePixel(const TacSkinData& data, const TsMaskData& mask, int state, int x, int y, int rowsDown) {
  const PixelBuffer source = data.MaskSource(mask);
  const int px = mask.R.Left + state * mask.Width + x, py = mask.R.Top + rowsDown + y;
  if (!source.contains(px, py)) throw std::out_of_range(mask.ClassName + " " + mask.PropertyName + ": pixel outside");
  return source.at(px, py);
}
}  // namespace

int ElementMask(const TacSkinData& data, const TsMaskData& mask, int state, int x, int y) {
  return mask.MaskType == 0 ? 0 : static_cast<int>(PixelB(PicturePixel(data, mask, state, x, y, mask.Height)));
}

TColor ElementPixel(const TacSkinData& data, const TsMaskData& mask, int state, int x, int y, TColor below) {
  const uint32_t picture = PicturePixel(data, mask, state, x, y, 0);
  const uint32_t keep = static_cast<uint32_t>(ElementMask(data, mask, state, x, y));
  const auto mix = [&](uint32_t image, uint32_t target) { return ((target - image) * keep + image * 256) >> 8; };
  const uint32_t b = ColorToPixel(below);
  return PixelToColor(MakePixel(mix(PixelR(picture), PixelR(b)) & 0xFF, mix(PixelG(picture), PixelG(b)) & 0xFF,
                                mix(PixelB(picture), PixelB(b)) & 0xFF));
}
