#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/sStoredSkin.h"
#include "tests/support/ScratchDir.h"

namespace {

namespace fs = std::filesystem;

class ExtractInternalSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    TsStoredSkin& slate = skins_.Add();
    slate.Name = "Slate (internal)";
    slate.PackedData = {'A', 'S', 'z', 'f', 0, 0, 0, 0};
    skins_.Add().Name = "Empty";
  }
  std::string Dir(const fs::path& p) const { return p.string(); }

  ScratchDir scratch_;
  const fs::path& root_ = scratch_.path();
  TsStoredSkins skins_;
  RecordingErrorSink errors_;
};

TEST_F(ExtractInternalSkinTest, WritesThePackageBytesUnderTheSkinName) {
  ExtractInternalSkin(skins_, "Slate (internal)", Dir(root_), errors_);
  EXPECT_TRUE(errors_.errors.empty());
  EXPECT_EQ(ReadFileBytes(root_ / "Slate (internal) extracted.asz"), skins_[0].PackedData);
}

TEST_F(ExtractInternalSkinTest, ReportsMissingFolderUnknownSkinAndFailedCreation) {
  ExtractInternalSkin(skins_, "Slate (internal)", Dir(root_ / "missing"), errors_);
  ExtractInternalSkin(skins_, "slate (internal)", Dir(root_), errors_);
  fs::path file = root_ / "file";
  WriteFileBytes(file, std::vector<uint8_t>{1});
  EXPECT_FALSE(ExtractByIndex(skins_, 0, Dir(file / "sub"), errors_));
  EXPECT_EQ(errors_.errors, (std::vector<std::string>{"Directory does not exists.", "Skin does not exists.",
                                                       Dir(file / "sub") + "/ directory creation error."}));
  EXPECT_FALSE(fs::exists(root_ / "missing"));
}

TEST_F(ExtractInternalSkinTest, ByIndexCreatesTheFolderAndSkipsItemsWithoutData) {
  EXPECT_TRUE(ExtractByIndex(skins_, 0, Dir(root_ / "new" / "dir") + "/", errors_));
  EXPECT_TRUE(fs::exists(root_ / "new" / "dir" / "Slate (internal) extracted.asz"));
  EXPECT_FALSE(ExtractByIndex(skins_, 1, Dir(root_), errors_));
  EXPECT_FALSE(fs::exists(root_ / "Empty extracted.asz"));
  EXPECT_TRUE(errors_.errors.empty());
}

TEST(NormalizeSkinDir, EndsInOneSeparatorAndMakesDrivesOfSingleLetters) {
  const std::tuple<const char*, PathRules, const char*> cases[] = {
      {"C:\\out", PathRules::Windows, "C:\\out\\"}, {"C:\\out\\", PathRules::Windows, "C:\\out\\"},
      {"C:/out/", PathRules::Windows, "C:/out\\"},   {"D", PathRules::Windows, "D:\\"},
      {"/tmp/out", PathRules::Posix, "/tmp/out/"},   {"/tmp/out/", PathRules::Posix, "/tmp/out/"},
      {"D", PathRules::Posix, "D/"}};
  for (const auto& [in, rules, out] : cases) EXPECT_EQ(NormalizeSkinDir(in, rules), out) << in;
}

}  // namespace
