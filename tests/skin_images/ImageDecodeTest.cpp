#include "skin/data/acImageDecode.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/ImageWriters.h"

namespace {

// Five columns of colours with different alpha, key colour included; three rows.
PixelImage TestPicture() {
  const uint32_t row[] = {0xFF102030, 0x80FF8040, 0x00FFFFFF, 0xFFFF00FF, 0x40123456};
  PixelImage image(5, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) image.at(x, y) = row[x] ^ static_cast<uint32_t>(y * 0x00010101);
  return image;
}

template <typename Fn>
PixelImage Mapped(const PixelImage& image, Fn fn) {
  PixelImage out = image;
  for (int y = 0; y < out.height(); ++y)
    for (int x = 0; x < out.width(); ++x) out.at(x, y) = fn(out.at(x, y));
  return out;
}

uint32_t Opaque(uint32_t p) { return p | 0xFF000000u; }
uint32_t GrayOf(uint32_t p, uint32_t a) { return MakePixel(PixelR(p), PixelR(p), PixelR(p), a); }

}  // namespace

TEST(ImageDecode, PngOfEveryColourTypeGivesTheSamePixelsOnBothBuilds) {
  const PixelImage picture = TestPicture();
  const struct {
    PngKind kind;
    PixelImage expected;
  } cases[] = {
      {PngKind::Rgba, picture},
      {PngKind::Palette, picture},
      {PngKind::Rgb, Mapped(picture, Opaque)},
      {PngKind::Gray, Mapped(picture, [](uint32_t p) { return GrayOf(p, 255); })},
      {PngKind::GrayAlpha, Mapped(picture, [](uint32_t p) { return GrayOf(p, PixelA(p)); })},
  };
  for (const auto& c : cases) {
    const auto decoded = DecodeImage(EncodePng(picture, c.kind));
    ASSERT_TRUE(decoded) << static_cast<int>(c.kind);
    EXPECT_EQ(decoded->Format, TacImageFormat::Png);
    EXPECT_TRUE(decoded->HasAlpha);  // a PNG always counts as a picture with alpha
    EXPECT_EQ(decoded->Pixels, c.expected) << static_cast<int>(c.kind);
  }
}

TEST(ImageDecode, BmpOfTwentyFourAndThirtyTwoBitsGivesTheSamePixelsOnBothBuilds) {
  const PixelImage picture = TestPicture();
  const struct {
    BmpKind kind;
    PixelImage expected;
    bool hasAlpha;
  } cases[] = {
      {BmpKind::Rgb24, Mapped(picture, Opaque), false},
      {BmpKind::Bgra32TopDown, picture, true},
      {BmpKind::Bgra32Bitfields, picture, true},
  };
  for (const auto& c : cases) {
    const auto decoded = DecodeImage(EncodeBmp(picture, c.kind));
    ASSERT_TRUE(decoded) << static_cast<int>(c.kind);
    EXPECT_EQ(decoded->Format, TacImageFormat::Bmp);
    EXPECT_EQ(decoded->HasAlpha, c.hasAlpha);
    EXPECT_EQ(decoded->Pixels, c.expected) << static_cast<int>(c.kind);
  }
}

TEST(ImageDecode, ThirtyTwoBitBmpWithoutAnyAlphaIsOpaque) {
  const PixelImage transparent = Mapped(TestPicture(), [](uint32_t p) { return p & 0xFFFFFF; });
  const auto decoded = DecodeImage(EncodeBmp(transparent, BmpKind::Bgra32TopDown));
  ASSERT_TRUE(decoded);
  EXPECT_FALSE(decoded->HasAlpha);
  EXPECT_EQ(decoded->Pixels, Mapped(transparent, Opaque));
}

TEST(ImageDecode, JpegDecodesToOpaquePixelsCloseToTheOriginal) {
  const auto decoded = DecodeImage(SolidJpeg8x8());
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->Format, TacImageFormat::Jpeg);
  EXPECT_FALSE(decoded->HasAlpha);
  ASSERT_EQ(decoded->Pixels.width(), 8);
  ASSERT_EQ(decoded->Pixels.height(), 8);
  const uint32_t p = decoded->Pixels.at(3, 4);
  EXPECT_EQ(PixelA(p), 255u);
  EXPECT_LE(std::abs(static_cast<int>(PixelR(p)) - 0x33), 6);
  EXPECT_LE(std::abs(static_cast<int>(PixelG(p)) - 0x66), 6);
  EXPECT_LE(std::abs(static_cast<int>(PixelB(p)) - 0xCC), 6);
}

TEST(ImageDecode, DamagedOrOversizedImagesAreRefused) {
  const PixelImage picture = TestPicture();
  std::vector<uint8_t> png = EncodePng(picture);
  std::vector<uint8_t> bmp = EncodeBmp(picture);
  std::vector<uint8_t> truncatedPng(png.begin(), png.begin() + static_cast<long>(png.size()) - 20);
  std::vector<uint8_t> truncatedBmp(bmp.begin(), bmp.end() - 4);
  std::vector<uint8_t> hugeBmp = bmp;
  hugeBmp[18] = 0xFF, hugeBmp[19] = 0xFF, hugeBmp[20] = 0xFF, hugeBmp[21] = 0x0F;  // width 268 million
  std::vector<uint8_t> eightBitWithoutPalette = bmp;
  eightBitWithoutPalette[28] = 8;  // the pixel rows are too short for the palette it needs
  const std::vector<uint8_t> hugePng = EncodePng(PixelImage(1, 1));
  std::vector<uint8_t> hugePngHeader = hugePng;
  hugePngHeader[16] = 0x00, hugePngHeader[17] = 0x01, hugePngHeader[18] = 0x86, hugePngHeader[19] = 0xA0;  // 100000 wide
  const std::vector<uint8_t> jpeg = SolidJpeg8x8();
  const std::vector<uint8_t> cases[] = {
      truncatedPng, truncatedBmp, hugeBmp, eightBitWithoutPalette, hugePngHeader, {}, {'B', 'M'}, {1, 2, 3, 4, 5, 6, 7, 8, 9},
      std::vector<uint8_t>(jpeg.begin(), jpeg.begin() + 100),
  };
  for (size_t i = 0; i < std::size(cases); ++i) EXPECT_FALSE(DecodeImage(cases[i])) << "case " << i;
}
