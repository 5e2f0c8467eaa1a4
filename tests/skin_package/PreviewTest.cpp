// The preview trailer: found by its marker, bounds-checked against the package.
#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"
#include "tests/support/PackageFixtures.h"

namespace {

std::vector<uint8_t> Trailer(uint32_t declared, std::string_view bytes) {
  auto out = Bytes("previewimg");
  PutU32(out, declared);
  out.insert(out.end(), bytes.begin(), bytes.end());
  return out;
}

TEST(SkinPackagePreview, TrailerGivesExactlyItsBytes) {
  const auto package = RawPackage().Entry("a.bmp", "x").Tail(Trailer(5, "\x89PNG!extra")).Build();
  std::vector<uint8_t> dest;
  ASSERT_TRUE(ExtractPreview(dest, package));
  EXPECT_EQ(dest, Bytes("\x89PNG!"));
}

TEST(SkinPackagePreview, DamagedTrailerGivesNoPreviewAndLeavesDestAlone) {
  const std::pair<const char*, std::vector<uint8_t>> cases[] = {
      {"size past the end", RawPackage().Tail(Trailer(6, "12345")).Build()},
      {"huge size", RawPackage().Tail(Trailer(0xFFFFFFFFu, "1")).Build()},
      {"size cut short", RawPackage().Tail(Bytes("previewimg\x01\x00")).Build()},
      {"marker cut short", RawPackage().Tail(Bytes("previewim")).Build()},
  };
  for (const auto& [what, package] : cases) {
    std::vector<uint8_t> dest = Bytes("old");
    EXPECT_FALSE(ExtractPreview(dest, package)) << what;
    EXPECT_EQ(dest, Bytes("old")) << what;
  }
  EXPECT_EQ(LocatePreview(cases[0].second).State, PreviewState::Truncated);
  EXPECT_EQ(LocatePreview(cases[3].second).State, PreviewState::Missing);
}

TEST(SkinPackagePreview, FirstMarkerWins) {
  auto package = RawPackage().Tail(Trailer(1, "A")).Tail(Trailer(1, "B")).Build();
  std::vector<uint8_t> dest;
  ASSERT_TRUE(ExtractPreview(dest, package));
  EXPECT_EQ(dest, Bytes("A"));
}

TEST(SkinPackagePreview, HorspoolSearchFindsFirstOccurrence) {
  const auto hay = Bytes("abcabcabd previewimpreviewimg");
  EXPECT_EQ(FindBytes(hay, Bytes("abd")), 6u);
  EXPECT_EQ(FindBytes(hay, Bytes("previewimg")), 19u);
  EXPECT_EQ(FindBytes(hay, Bytes("abc")), 0u);
  EXPECT_EQ(FindBytes(hay, Bytes("g")), 28u);
  EXPECT_FALSE(FindBytes(hay, Bytes("abcd")));
  EXPECT_FALSE(FindBytes(Bytes("ab"), Bytes("abc")));
}

}  // namespace
