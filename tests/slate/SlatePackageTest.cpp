// The package the build makes from resources/skins/Slate, and the stored form the program
// embeds.
#include <gtest/gtest.h>

#include "skin/data/acImageDecode.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/sStoredSkin.h"
#include "tests/support/SlateFixture.h"

namespace {

TEST(SlatePackage, HoldsTheOptionsFileAndEveryPictureItNames) {
  TacSkinConvertor package;
  RecordingErrorSink errors;
  ASSERT_TRUE(UnpackSkin(SlatePackageBytes(), package, errors));
  EXPECT_TRUE(errors.errors.empty());
  ASSERT_TRUE(package.Options.has_value());
  const TacOptionsFile options(OptionsTextFromBytes(*package.Options));
  EXPECT_EQ(options.ReadString("GLOBALINFO", "VERSION", ""), "14.01");
  const std::string master = options.ReadString("GLOBALINFO", "MASTERBITMAP", "");
  ASSERT_NE(package.FindFile(master), nullptr) << master;

  const auto masterImage = DecodeImage(package.FindFile(master)->Stream);
  ASSERT_TRUE(masterImage.has_value());
  EXPECT_EQ(masterImage->Format, TacImageFormat::Png);
  EXPECT_TRUE(masterImage->HasAlpha);
  const auto huge = DecodeImage(package.FindFile("BUTTONHUGE.BMP")->Stream);
  ASSERT_TRUE(huge.has_value());
  EXPECT_EQ(huge->Format, TacImageFormat::Bmp);
  for (const auto& file : package.Files) EXPECT_TRUE(DecodeImage(file.Stream).has_value()) << file.Name;
}

TEST(SlatePackage, CarriesA280By200Preview) {
  std::vector<uint8_t> preview;
  ASSERT_TRUE(ExtractPreview(preview, SlatePackageBytes()));
  const auto image = DecodeImage(preview);
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->Format, TacImageFormat::Png);
  EXPECT_EQ(image->Pixels.width(), 280);
  EXPECT_EQ(image->Pixels.height(), 200);
}

TEST(SlatePackage, StoredFormIsTheProgramsInternalSkin) {
  const auto stored = ReadFileBytes(SLATE_STORED);
  ASSERT_TRUE(stored.has_value());
  TsStoredSkins skins;
  ReadStoredSkins(*stored, skins);
  ASSERT_EQ(skins.Count(), 1);
  EXPECT_EQ(skins.IndexOf("Slate (internal)"), 0);
  EXPECT_EQ(skins[0].OrigName, "Slate.asz");
  EXPECT_DOUBLE_EQ(skins[0].Version, 14.01);
  EXPECT_EQ(skins[0].PackedData, SlatePackageBytes());
}

}  // namespace
