#include "pixels/PixelBuffer.h"

#include <gtest/gtest.h>

TEST(PixelBuffer, SubViewIsClippedToTheBuffer) {
  PixelImage img(4, 3, 0);
  PixelBuffer v = img.view().sub(2, 1, 5, 5);
  EXPECT_EQ(v.width, 2);
  EXPECT_EQ(v.height, 2);
  v.fill(0xFF112233);
  EXPECT_EQ(img.at(1, 1), 0u);
  EXPECT_EQ(img.at(2, 1), 0xFF112233u);
  EXPECT_EQ(img.at(3, 2), 0xFF112233u);
  EXPECT_TRUE(img.view().sub(5, 0, 2, 2).empty());
  EXPECT_TRUE(img.view().sub(-3, 0, 2, 2).empty());
}

TEST(PixelBuffer, ColorRefAndPixelConvertBothWays) {
  EXPECT_EQ(ColorToPixel(0x0000FF), 0xFFFF0000u);  // red
  EXPECT_EQ(ColorToPixel(0xD77800, 0), 0x000078D7u);
  EXPECT_EQ(PixelToColor(0x80123456u), 0x563412u);
}
