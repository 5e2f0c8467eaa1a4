// Whole elements of the paint skin compared pixel by pixel with pictures kept in golden/.
// After a deliberate change of the painting, rewrite them with
//   MARV_UPDATE_GOLDEN=1 <build>/testbin/test_paint --gtest_filter='Golden*'
// and look at every changed picture before committing it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "skin/data/acImageDecode.h"
#include "skin/paint/sGraphUtils.h"
#include "tests/support/PaintSkin.h"
#include "tests/support/ImageWriters.h"

namespace {

struct GoldenCase {
  const char* name;
  const char* section;
  int state;
  int width, height;
};

const GoldenCase kGolden[] = {
    {"button-normal", "BUTTON", 0, 40, 16}, {"button-hot", "BUTTON", 1, 40, 16},
    {"textured", "TEXTURED", 0, 24, 12},    {"triangles", "TRIANGLES", 0, 24, 24},
    {"glass", "GLASS", 0, 20, 12},          {"alphaframe", "ALPHAFRAME", 0, 20, 12},
    {"keyframe", "KEYFRAME", 0, 20, 12},
};

// The element as a control of that size paints its cache over a checkered parent.
PixelImage Render(const TacSkinData& data, const GoldenCase& c) {
  PixelImage parent(c.width + 4, c.height + 4);
  for (int y = 0; y < parent.height(); ++y)
    for (int x = 0; x < parent.width(); ++x) parent.at(x, y) = (x / 2 + y / 2) % 2 ? 0xFFC0C0C0u : 0xFF808080u;
  TacElementOwnerData owner;
  owner.Data = &data;
  owner.Index = data.GetSkinIndex(c.section);
  PixelImage cache(c.width, c.height, 0xFF000000u);
  PaintElement(owner, MakeCacheInfo(parent.view(), 2, 2), c.state, cache.view(), {}, {0, 0, c.width, c.height}, true);
  return cache;
}

std::string GoldenPath(const GoldenCase& c) { return std::string(GOLDEN_DIR) + "/" + c.name + ".png"; }

TEST(Golden, ElementsMatchTheirPictures) {
  const LoadedModel model = LoadModel(PaintSkin(), 96);
  const bool update = std::getenv("MARV_UPDATE_GOLDEN") != nullptr;
  for (const GoldenCase& c : kGolden) {
    SCOPED_TRACE(c.name);
    ASSERT_GE(model.Data->GetSkinIndex(c.section), 0);
    const PixelImage got = Render(*model.Data, c);
    if (update) {
      const std::vector<uint8_t> png = EncodePng(got);
      std::ofstream(GoldenPath(c), std::ios::binary).write(reinterpret_cast<const char*>(png.data()), png.size());
      continue;
    }
    std::ifstream in(GoldenPath(c), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    const auto golden = DecodeImage(bytes);
    ASSERT_TRUE(golden) << "missing or unreadable " << GoldenPath(c);
    ASSERT_EQ(golden->Pixels.width(), got.width());
    ASSERT_EQ(golden->Pixels.height(), got.height());
    int differing = 0;
    for (int y = 0; y < got.height(); ++y)
      for (int x = 0; x < got.width(); ++x)
        if (golden->Pixels.at(x, y) != got.at(x, y) && differing++ == 0)
          ADD_FAILURE() << "first difference at " << x << "," << y << ": " << std::hex << got.at(x, y) << " instead of "
                        << golden->Pixels.at(x, y);
    EXPECT_EQ(differing, 0);
  }
}

}  // namespace
