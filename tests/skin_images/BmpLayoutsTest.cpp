// Every BMP layout, from files ImageMagick wrote at build time (and variants of them with
// rewritten headers), decoded by our reader to the pixels ImageMagick put in: the same
// table runs natively and under Wine.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/data/acImageDecode.h"
#include "tests/skin_images/BmpBytes.h"

namespace {

constexpr int kWidth = 13, kHeight = 9;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitfields = 3, kAlphaBitfields = 6;

struct LayoutCase {
  std::string name;
  std::vector<uint8_t> bytes;
  BmpFacts facts;  // what the header says, so that each case tests the layout it names
  std::string reference;  // the .rgba picture it must decode to
  int tolerance = 0;      // per channel: what 16-bit layouts lose of 8-bit colours
  bool hasAlpha = false;
};

LayoutCase Written(const std::string& file, BmpFacts facts, const std::string& reference, int tolerance = 0,
                   bool hasAlpha = false) {
  return {file, FixtureBytes(file + ".bmp"), facts, reference, tolerance, hasAlpha};
}

LayoutCase Derived(const std::string& name, std::vector<uint8_t> bytes, const LayoutCase& from) {
  LayoutCase c = from;
  c.name = name;
  c.facts = FactsOf(bytes);
  c.bytes = std::move(bytes);
  return c;
}

// Quantising 8-bit colours to 5 and 4 bits loses up to one step of 8 and 17.
constexpr int kFiveBits = 8, kFourBits = 17;

std::vector<LayoutCase> Cases() {
  std::vector<LayoutCase> c = {
      // ImageMagick picks the palette of the 1- and 4-bit files: they decode to its reading of them.
      Written("core-1", {12, 1, kRgb}, "core-1"),
      Written("core-4", {12, 4, kRgb}, "core-4"),
      Written("core-8", {12, 8, kRgb}, "source"),
      Written("core-24", {12, 24, kRgb}, "source"),
      Written("info-1", {40, 1, kRgb}, "info-1"),
      Written("info-4", {40, 4, kRgb}, "info-4"),
      Written("info-8", {40, 8, kRgb}, "source"),
      Written("info-8-rle", {40, 8, kRle8}, "source"),
      Written("info-24", {40, 24, kRgb}, "source"),
      Written("v5-8", {124, 8, kRgb}, "source"),
      Written("v5-8-rle", {124, 8, kRle8}, "source"),
      Written("v5-24", {124, 24, kRgb}, "source"),
      Written("v5-32-alpha", {124, 32, kBitfields}, "source-alpha", 0, true),
      Written("v5-16-565", {124, 16, kBitfields}, "source", kFiveBits),
      Written("v5-16-555", {124, 16, kBitfields}, "source", kFiveBits),
      Written("v5-16-1555", {124, 16, kBitfields}, "source", kFiveBits, true),
      Written("v5-16-4444", {124, 16, kBitfields}, "source-alpha", kFourBits, true),
  };
  const auto of = [&](std::string_view name) -> const LayoutCase& {
    return *std::find_if(c.begin(), c.end(), [&](const LayoutCase& k) { return k.name == name; });
  };
  std::vector<LayoutCase> derived = {
      Derived("v4-24", WithSmallerHeader(of("v5-24").bytes, 108, 108), of("v5-24")),
      Derived("v4-32-alpha", WithSmallerHeader(of("v5-32-alpha").bytes, 108, 108), of("v5-32-alpha")),
      Derived("info56-32-alpha", WithSmallerHeader(of("v5-32-alpha").bytes, 56, 56), of("v5-32-alpha")),
      Derived("info52-16-565", WithSmallerHeader(of("v5-16-565").bytes, 52, 52), of("v5-16-565")),
      // The masks follow a 40-byte header: three of them, or four with alpha.
      Derived("info40-bitfields-565", WithSmallerHeader(of("v5-16-565").bytes, 40, 52), of("v5-16-565")),
      Derived("info40-alphabitfields-4444", WithSmallerHeader(of("v5-16-4444").bytes, 40, 56, kAlphaBitfields),
              of("v5-16-4444")),
      // Sixteen bits without masks are 5-5-5.
      Derived("info40-16-rgb", WithSmallerHeader(of("v5-16-555").bytes, 40, 40, kRgb), of("v5-16-555")),
      Derived("top-down-info-1", TopDown(of("info-1").bytes), of("info-1")),
      Derived("top-down-info-4", TopDown(of("info-4").bytes), of("info-4")),
      Derived("top-down-info-8", TopDown(of("info-8").bytes), of("info-8")),
      Derived("top-down-info-24", TopDown(of("info-24").bytes), of("info-24")),
      Derived("top-down-v5-32-alpha", TopDown(of("v5-32-alpha").bytes), of("v5-32-alpha")),
      Derived("top-down-v5-16-565", TopDown(of("v5-16-565").bytes), of("v5-16-565")),
  };
  c.insert(c.end(), derived.begin(), derived.end());
  return c;
}

// The largest difference of one channel between two pictures of the same size.
int LargestDifference(const PixelImage& a, const PixelImage& b) {
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      for (int shift = 0; shift < 32; shift += 8) {
        const int pa = static_cast<int>(a.at(x, y) >> shift & 0xFF), pb = static_cast<int>(b.at(x, y) >> shift & 0xFF);
        largest = std::max(largest, std::abs(pa - pb));
      }
  return largest;
}

}  // namespace

TEST(BmpLayouts, EveryHeaderDepthAndCompressionDecodesToThePixelsWritten) {
  const std::vector<LayoutCase> cases = Cases();
  ASSERT_EQ(cases.size(), 30u);
  for (const LayoutCase& c : cases) {
    SCOPED_TRACE(c.name);
    const BmpFacts facts = FactsOf(c.bytes);
    EXPECT_EQ(facts.HeaderSize, c.facts.HeaderSize);
    EXPECT_EQ(facts.BitCount, c.facts.BitCount);
    EXPECT_EQ(facts.Compression, c.facts.Compression);
    const auto decoded = DecodeImage(c.bytes);
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->Format, TacImageFormat::Bmp);
    EXPECT_EQ(decoded->HasAlpha, c.hasAlpha);
    ASSERT_EQ(decoded->Pixels.width(), kWidth);
    ASSERT_EQ(decoded->Pixels.height(), kHeight);
    const PixelImage expected = RgbaFixture(c.reference, kWidth, kHeight);
    if (c.tolerance == 0) {
      EXPECT_EQ(decoded->Pixels, expected);
    } else {
      EXPECT_LE(LargestDifference(decoded->Pixels, expected), c.tolerance);
    }
  }
}

// Escapes ImageMagick does not write: absolute runs (with their padding), a delta that
// skips pixels and rows, a run past the end of its row (cut there) and an early end.
// Skipped pixels take the first palette colour, as ImageMagick shows them.
TEST(BmpLayouts, RunLengthEscapesDecodeAsTheFormatDefines) {
  const std::vector<uint32_t> palette = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};
  const uint32_t p0 = 0xFF102030, p1 = 0xFFFF0000, p2 = 0xFF00FF00, p3 = 0xFF0000FF;
  const struct {
    const char* name;
    std::vector<uint8_t> bytes;
    std::vector<uint32_t> expected;  // 5 x 3, top row first
  } cases[] = {
      {"RLE8",
       HandMadeBmp(5, 3, 8, kRle8, palette,
                   {0x00, 0x03, 0x01, 0x02, 0x03, 0x00,  // absolute: three pixels and a pad byte
                    0x00, 0x02, 0x01, 0x01,              // delta: one right, one up
                    0x01, 0x03, 0x00, 0x00,              // one pixel, end of line
                    0x07, 0x02,                          // a run of seven in a row of five
                    0x00, 0x01}),                        // end of picture
       {p2, p2, p2, p2, p2,  //
        p0, p0, p0, p0, p3,  //
        p1, p2, p3, p0, p0}},
      {"RLE4",
       HandMadeBmp(5, 3, 4, kRle4, palette,
                   {0x05, 0x12, 0x00, 0x00,                    // a run of alternating nibbles
                    0x00, 0x03, 0x20, 0x10, 0x02, 0x11, 0x00, 0x00,  // absolute: three pixels in two bytes
                    0x00, 0x05, 0x20, 0x12, 0x20, 0x00,        // five pixels in three bytes and a pad byte
                    0x00, 0x01}),
       {p2, p0, p1, p2, p2,  //
        p2, p0, p1, p1, p1,  //
        p1, p2, p1, p2, p1}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const auto decoded = DecodeImage(c.bytes);
    ASSERT_TRUE(decoded);
    EXPECT_FALSE(decoded->HasAlpha);
    ASSERT_EQ(decoded->Pixels.width(), 5);
    ASSERT_EQ(decoded->Pixels.height(), 3);
    EXPECT_EQ(decoded->Pixels.data(), c.expected);
  }
}
