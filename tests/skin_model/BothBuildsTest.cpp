#include <gtest/gtest.h>

#include "skin/data/acSkinModelText.h"
#include "tests/support/FixtureSkins.h"

namespace {
// FNV-1a over the model text and every cached picture.
uint64_t ModelDigest(const TacSkinData& d, const PixelImage* master) {
  uint64_t h = 1469598103934665603ull;
  const auto add = [&](const void* data, size_t size) {
    for (size_t i = 0; i < size; ++i) h = (h ^ static_cast<const uint8_t*>(data)[i]) * 1099511628211ull;
  };
  const std::string text = SkinModelText(d);
  add(text.data(), text.size());
  for (const TacBmpData& e : d.BmpArray) add(e.Bmp->data().data(), e.Bmp->data().size() * 4);
  if (master) add(master->data().data(), master->data().size() * 4);
  return h;
}
}  // namespace

// Decoding, rescaling and generating pictures give the same model, pixel for pixel, on
// Windows (the Imaging Component) and natively (libpng). The digest was taken natively.
TEST(ModelOnBothBuilds, RealisticFixtureAt144PixelsPerInchIsTheSame) {
  const LoadedModel m = LoadModel(RealisticSkin(), 144);
  EXPECT_EQ(m.Data->ma.size(), 52u);
  EXPECT_EQ(ModelDigest(*m.Data, m.Skin->MasterBitmap()), 9809184608009549672ull);
}
