#include <gtest/gtest.h>

#include "skin/base/acColorMix.h"

TEST(MixColor, DividesBy256SoFullWeightIsSlightlyLess) {
  EXPECT_EQ(MixColor(0xFFFFFF, 0x000000, 255), 0xFEFEFEu);
  EXPECT_EQ(MixColor(0x000000, 0xFFFFFF, 0), 0xFEFEFEu);
  EXPECT_EQ(MixColor(0x0000FF, 0xFF0000, 128), 0x7E007Fu);
  EXPECT_EQ(MixColor(0x102030, 0x102030, 77), 0x0F1F2Fu);
}

TEST(MixColor, TopByteComesFromTheFirstColourAndWeightIsClamped) {
  EXPECT_EQ(MixColor(0x80FFFFFF, 0x11000000, 0), 0x80000000u);
  EXPECT_EQ(MixColor(0x00FFFFFF, 0xFF000000, 255), 0x00FEFEFEu);
  EXPECT_EQ(MixColor(0xFFFFFF, 0, 1000), MixColor(0xFFFFFF, 0, 255));
  EXPECT_EQ(MixColor(0xFFFFFF, 0, -5), MixColor(0xFFFFFF, 0, 0));
}
