// Packages written by PackSkin and read back by UnpackSkin.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExWriter.h"
#include "tests/support/PackageFixtures.h"
#include "tests/support/ScratchDir.h"

namespace {

std::vector<uint8_t> Pattern(size_t size, uint32_t seed) {
  std::vector<uint8_t> out(size);
  for (size_t i = 0; i < size; ++i) {
    seed = seed * 1103515245u + 12345u;
    out[i] = static_cast<uint8_t>((i % 7 == 0) ? seed >> 24 : i / 64);
  }
  return out;
}

std::vector<uint8_t> Noise(size_t size, uint32_t seed) {
  std::vector<uint8_t> out(size);
  for (auto& b : out) b = static_cast<uint8_t>((seed = seed * 1103515245u + 12345u) >> 23);
  return out;
}

struct SlateLikeSkin {
  std::vector<uint8_t> options = Bytes("[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER COPY.PNG\n");
  std::vector<uint8_t> bitmap = Pattern(110646, 1);
  std::vector<uint8_t> master = Pattern(46819, 2);
  std::vector<uint8_t> preview = Pattern(2369, 3);
};

TacSkinConvertor Unpack(std::span<const uint8_t> package) {
  RecordingErrorSink errors;
  TacSkinConvertor convertor;
  EXPECT_TRUE(UnpackSkin(package, convertor, errors));
  EXPECT_TRUE(errors.errors.empty());
  return convertor;
}

TEST(SkinPackageRoundTrip, EntriesKeepPackageOrderTypesAndBytes) {
  const SlateLikeSkin skin;
  const std::vector<SkinPackageItem> entries{
      {"OPTIONS.DAT", skin.options}, {"BUTTONHUGE.BMP", skin.bitmap}, {"MASTER COPY.PNG", skin.master}};
  const auto package = PackSkin(entries, skin.preview);

  const TacSkinConvertor c = Unpack(package);
  ASSERT_EQ(c.FileCount(), 2);
  EXPECT_EQ(c.Options, skin.options);
  EXPECT_EQ(c.OptionsName, "OPTIONS.DAT");
  EXPECT_EQ(c.Files[0].Name, "BUTTONHUGE.BMP");
  EXPECT_EQ(c.Files[0].FileType, TacFileType::ftBmp);
  EXPECT_EQ(c.Files[0].Stream, skin.bitmap);
  EXPECT_EQ(c.Files[1].Name, "MASTER COPY.PNG");
  EXPECT_EQ(c.Files[1].FileType, TacFileType::ftOther);
  EXPECT_EQ(c.Files[1].Stream, skin.master);

  std::vector<uint8_t> preview;
  ASSERT_TRUE(ExtractPreview(preview, package));
  EXPECT_EQ(preview, skin.preview);
}

TEST(SkinPackageRoundTrip, OptionsEntryAnywhereLeavesTheOthersInPackageOrder) {
  const SlateLikeSkin skin;
  const std::vector<SkinPackageItem> entries{{"b.png", skin.master},
                                             {"Options.dat", skin.options},
                                             {"a.bmp", skin.bitmap},
                                             {"empty.ttf", {}}};
  const TacSkinConvertor c = Unpack(PackSkin(entries));
  ASSERT_EQ(c.FileCount(), 3);
  EXPECT_EQ(c.Files[0].Name, "b.png");
  EXPECT_EQ(c.Files[1].Name, "a.bmp");
  EXPECT_EQ(c.Files[2].Name, "empty.ttf");
  EXPECT_TRUE(c.Files[2].Stream.empty());
  EXPECT_EQ(c.Options, skin.options);
}

TEST(SkinPackageRoundTrip, OptionsFileIsFoundInAnyLetterCase) {
  for (const char* name : {"OPTIONS.DAT", "options.dat", "Options.DAT", "oPtIoNs.DaT"}) {
    const auto text = Bytes("[GLOBALINFO]");
    const std::vector<SkinPackageItem> entries{{"x.bmp", text}, {name, text}};
    const TacSkinConvertor c = Unpack(PackSkin(entries));
    EXPECT_EQ(c.Options, text) << name;
    EXPECT_EQ(c.OptionsName, name);
    EXPECT_EQ(c.FileCount(), 1) << name;
  }
}

TEST(SkinPackageRoundTrip, FileTypeComesFromTheExtension) {
  const std::pair<const char*, TacFileType> cases[] = {
      {"x.bmp", TacFileType::ftBmp},        {"X.BMP", TacFileType::ftBmp},      {"a.ttf", TacFileType::ftFont},
      {"b.OTF", TacFileType::ftFont},       {"c.png", TacFileType::ftOther},    {"d.jpg", TacFileType::ftOther},
      {"e.jpeg", TacFileType::ftOther},     {"noext", TacFileType::ftOther},    {"bmp", TacFileType::ftOther},
      {"pic.bmp.png", TacFileType::ftOther}, {"pic.png.Bmp", TacFileType::ftBmp}};
  for (const auto& [name, type] : cases) EXPECT_EQ(FileTypeOf(name), type) << name;
}

TEST(SkinPackageRoundTrip, LookupMatchesUpperCasedNamesFirstItemWins) {
  const auto first = Bytes("1"), second = Bytes("2");
  const std::vector<SkinPackageItem> entries{{"Master Copy.png", first}, {"MASTER COPY.PNG", second}};
  const TacSkinConvertor c = Unpack(PackSkin(entries));
  ASSERT_NE(c.FindFile("MASTER COPY.PNG"), nullptr);
  EXPECT_EQ(c.FindFile("MASTER COPY.PNG")->Stream, first);
  // The wanted name is compared as given: only upper-case names can match.
  EXPECT_EQ(c.FindFile("Master Copy.png"), nullptr);
  EXPECT_EQ(c.FindFile("MISSING.BMP"), nullptr);
}

TEST(SkinPackageRoundTrip, PackageWithoutPreviewHasNone) {
  const auto text = Bytes("[GLOBALINFO]");
  const std::vector<SkinPackageItem> entries{{"Options.dat", text}};
  const auto package = PackSkin(entries);
  std::vector<uint8_t> dest = Bytes("untouched");
  EXPECT_FALSE(ExtractPreview(dest, package));
  EXPECT_EQ(dest, Bytes("untouched"));
  EXPECT_EQ(LocatePreview(package).State, PreviewState::Missing);
}

TEST(SkinPackageRoundTrip, Latin1NameSurvivesNatively) {
  const auto text = Bytes("x");
  const std::vector<SkinPackageItem> entries{{"Caf\xC3\xA9.bmp", text}};
  const auto package = PackSkin(entries);
  EXPECT_EQ(package[12], 0x43);                // 'C'
  EXPECT_EQ(package[12 + 3], 0xE9);            // é stored as one ANSI byte
  EXPECT_EQ(Unpack(package).Files[0].Name, "Caf\xC3\xA9.bmp");
}

TEST(SkinPackageRoundTrip, WriterRefusesNamesAndDataTheReaderWouldMisread) {
  // Noise is stored uncompressed, so a marker inside it lands in the package as it is.
  std::vector<uint8_t> withMarker = Noise(4000, 7);
  const auto marker = Bytes("previewimg");
  std::copy(marker.begin(), marker.end(), withMarker.begin() + 2000);
  const auto text = Bytes("x");
  const std::vector<std::vector<SkinPackageItem>> refused{
      {{"", text}},
      {{"dir/a.bmp", text}},
      {{"..\\a.bmp", text}},
      {{"\xE5\x90\x8D.bmp", text}},  // no ANSI form on this build
      {{"previewimg.png", text}},
      {{"noise.png", withMarker}},
  };
  for (const auto& entries : refused) EXPECT_THROW(PackSkin(entries), SkinPackageError) << entries[0].Name;
}

TEST(SkinPackageRoundTrip, UnpackSkinFileReadsTheFileAndMissingFileIsFalse) {
  const ScratchDir dir;
  const auto text = Bytes("[GLOBALINFO]");
  const std::vector<SkinPackageItem> entries{{"Options.dat", text}, {"a.bmp", text}};
  ASSERT_TRUE(WriteFileBytes(dir / "Slate.asz", PackSkin(entries, text)));

  RecordingErrorSink errors;
  TacSkinConvertor c;
  ASSERT_TRUE(UnpackSkinFile(dir / "Slate.asz", c, errors));
  EXPECT_EQ(c.FileCount(), 1);
  EXPECT_EQ(c.Options, text);
  std::vector<uint8_t> preview;
  EXPECT_TRUE(ExtractPreviewFromFile(preview, dir / "Slate.asz"));
  EXPECT_EQ(preview, text);

  EXPECT_FALSE(UnpackSkinFile(dir / "Missing.asz", c, errors));
  EXPECT_EQ(c.FileCount(), 1);  // a missing file leaves the open package alone
  EXPECT_FALSE(ExtractPreviewFromFile(preview, dir / "Missing.asz"));
  EXPECT_TRUE(errors.errors.empty());
}

}  // namespace
