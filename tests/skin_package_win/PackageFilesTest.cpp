// Package files at paths with non-ASCII characters, and entry names through the ANSI code page.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/acZLibExWriter.h"
#include "tests/support/ScratchDir.h"

TEST(SkinPackageFilesOnWindows, RoundTripThroughAFolderWithAChineseName) {
  const ScratchDir scratch;
  const auto dir = scratch / std::filesystem::path(u8"\u76AE\u80A4");
  std::filesystem::create_directories(dir);
  const std::vector<uint8_t> options{'[', 'G', ']'}, preview{0x89, 'P', 'N', 'G'};
  const std::vector<SkinPackageItem> entries{{"BUTTONHUGE.BMP", options}, {"Options.dat", options}};
  ASSERT_TRUE(WriteFileBytes(dir / "Slate.asz", PackSkin(entries, std::span<const uint8_t>(preview))));

  TacSkinConvertor convertor;
  RecordingErrorSink errors;
  ASSERT_TRUE(UnpackSkinFile(dir / "Slate.asz", convertor, errors));
  EXPECT_EQ(convertor.FileCount(), 1);
  EXPECT_EQ(convertor.Files[0].Name, "BUTTONHUGE.BMP");
  EXPECT_EQ(convertor.Options, options);
  std::vector<uint8_t> read;
  ASSERT_TRUE(ExtractPreviewFromFile(read, dir / "Slate.asz"));
  EXPECT_EQ(read, preview);
}

TEST(SkinPackageFilesOnWindows, AnsiNamesConvertBothWays) {
  EXPECT_EQ(Utf8ToAnsi("MASTER COPY.PNG"), "MASTER COPY.PNG");
  const std::string ansi = Utf8ToAnsi("a.bmp").value();
  EXPECT_EQ(AnsiToUtf8({reinterpret_cast<const uint8_t*>(ansi.data()), ansi.size()}), "a.bmp");
  EXPECT_FALSE(Utf8ToAnsi("\xFF\xFE"));  // not UTF-8
}
