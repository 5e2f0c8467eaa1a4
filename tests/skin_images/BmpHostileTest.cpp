// Damaged and hostile BMP files are refused with a reason, never read out of bounds (the
// ASan build runs this table) and never allocated for by a size nobody checked.
#include <gtest/gtest.h>

#include "skin/data/acBmpReader.h"
#include "skin/data/acImageDecode.h"
#include "tests/skin_images/BmpBytes.h"

namespace {

struct HostileCase {
  const char* what;
  std::vector<uint8_t> bytes;
  const char* error;  // a part of the reason given
};

std::vector<uint8_t> Changed(std::vector<uint8_t> bytes, size_t at, uint32_t value, int width = 4) {
  if (width == 4) Put32(bytes, at, value);
  else Put16(bytes, at, static_cast<uint16_t>(value));
  return bytes;
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t keep) {
  bytes.resize(std::min(keep, bytes.size()));
  return bytes;
}

std::vector<HostileCase> Cases() {
  const auto info8 = FixtureBytes("info-8.bmp"), rle8 = FixtureBytes("info-8-rle.bmp"), info4 = FixtureBytes("info-4.bmp"),
             info24 = FixtureBytes("info-24.bmp"), core8 = FixtureBytes("core-8.bmp"), v565 = FixtureBytes("v5-16-565.bmp");
  const std::vector<uint32_t> palette = {0x000000, 0xFFFFFF};
  return {
      {"empty", {}, "not a BMP file"},
      {"signature only", {'B', 'M'}, "not a BMP file"},
      {"file header only", Cut(info24, 14), "header"},
      {"info header cut short", Cut(info24, 30), "header"},
      {"header larger than the file", Changed(info24, 14, 1000), "header"},
      {"unknown header size", Changed(info24, 14, 20), "header size 20"},
      {"OS/2 2.x header", Changed(info24, 14, 64), "header size 64"},
      {"width far too large", Changed(info24, kWidthAt, 0x0FFFFFFF), "size"},
      {"negative width", Changed(info24, kWidthAt, static_cast<uint32_t>(-13)), "size"},
      {"zero height", Changed(info24, kHeightAt, 0), "size"},
      {"most negative height", Changed(info24, kHeightAt, 0x80000000u), "size"},
      {"two bits a pixel", Changed(info24, kBitCountAt, 2, 2), "2 bits"},
      {"no bits", Changed(info24, kBitCountAt, 0, 2), "0 bits"},
      {"embedded JPEG", Changed(info24, kCompressionAt, 4), "compression 4"},
      {"RLE8 of 24 bits", Changed(info24, kCompressionAt, 1), "compression 1"},
      {"bit fields of 8 bits", Changed(info8, kCompressionAt, 3), "compression 3"},
      {"pixel rows cut short", Cut(info24, info24.size() - 4), "pixel data"},
      {"pixel data past the end", Changed(info24, 10, 0x7FFFFFF0), "pixel data"},
      {"palette cut short", Cut(core8, 14 + 12 + 100), "palette"},
      {"info palette cut short", Cut(info8, 14 + 40 + 500), "palette"},
      {"8-bit index past a short palette", Changed(info8, kColoursUsedAt, 2), "palette index"},
      {"4-bit index past a short palette", Changed(info4, kColoursUsedAt, 2), "palette index"},
      {"RLE8 index past a short palette", Changed(rle8, kColoursUsedAt, 2), "palette index"},
      {"RLE8 cut short", Cut(rle8, rle8.size() - 40), "compressed data"},
      {"RLE8 stored top-down", Changed(rle8, kHeightAt, static_cast<uint32_t>(-9)), "top-down"},
      {"RLE8 delta below the picture", HandMadeBmp(2, 2, 8, 1, palette, {0x00, 0x02, 0x00, 0x05, 0x00, 0x01}),
       "outside the picture"},
      {"RLE4 absolute run cut short", HandMadeBmp(4, 1, 4, 2, palette, {0x00, 0x08, 0x11}), "compressed data"},
      {"no red mask", Changed(v565, kMasksAt, 0), "mask"},
      {"mask of two runs of bits", Changed(v565, kMasksAt, 0xF0F0), "mask"},
  };
}

}  // namespace

TEST(BmpHostile, DamagedFilesAreRefusedWithTheirReason) {
  for (const HostileCase& c : Cases()) {
    SCOPED_TRACE(c.what);
    const TacBmpReadResult result = ReadBmp(c.bytes);
    EXPECT_FALSE(result.Image);
    EXPECT_NE(result.Error.find(c.error), std::string::npos) << result.Error;
    EXPECT_FALSE(DecodeImage(c.bytes));
  }
}

TEST(BmpHostile, AReadPictureHasNoError) {
  const TacBmpReadResult result = ReadBmp(FixtureBytes("info-8.bmp"));
  ASSERT_TRUE(result.Image);
  EXPECT_EQ(result.Error, "");
}
