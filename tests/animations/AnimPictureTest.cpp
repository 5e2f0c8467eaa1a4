// The whole-picture operations behind every animation frame.
#include <gtest/gtest.h>

#include "skin/forms/logic/acAnimPicture.h"

namespace {

TEST(AnimPicture, PremultipliedPixelsScaleEveryColourByTheirAlpha) {
  const struct {
    uint32_t straight;
    uint32_t premultiplied;
  } cases[] = {
      {MakePixel(255, 128, 1, 255), MakePixel(255, 128, 1, 255)},
      {MakePixel(255, 128, 1, 128), MakePixel(128, 64, 1, 128)},  // 0.5 rounds up, 0.502 to 1
      {MakePixel(255, 255, 255, 0), MakePixel(0, 0, 0, 0)},
      {MakePixel(200, 100, 50, 51), MakePixel(40, 20, 10, 51)},
  };
  for (const auto& c : cases) {
    PixelImage in(1, 1, c.straight), out(1, 1);
    PremultiplyInto(out.view(), in.view());
    EXPECT_EQ(out.at(0, 0), c.premultiplied) << std::hex << c.straight;
  }
}

TEST(AnimPicture, NearestStretchTakesTheSourcePixelUnderEachCentreAndClips) {
  PixelImage src(2, 2);
  src.at(0, 0) = 1, src.at(1, 0) = 2, src.at(0, 1) = 3, src.at(1, 1) = 4;
  PixelImage dst(5, 4);
  StretchNearest(dst.view(), TRect::FromSize(1, 0, 4, 4), src.view());
  const std::vector<uint32_t> expected{
      0, 1, 1, 2, 2,
      0, 1, 1, 2, 2,
      0, 3, 3, 4, 4,
      0, 3, 3, 4, 4,
  };
  EXPECT_EQ(dst.data(), expected);

  PixelImage small(3, 3);
  StretchNearest(small.view(), TRect::FromSize(-1, -1, 4, 4), src.view());
  EXPECT_EQ(small.data(), (std::vector<uint32_t>{1, 2, 2, 3, 4, 4, 3, 4, 4})) << "clipped, not squeezed";
  StretchNearest(small.view(), TRect::FromSize(0, 0, 3, 0), src.view());  // nothing to draw
}

}  // namespace
