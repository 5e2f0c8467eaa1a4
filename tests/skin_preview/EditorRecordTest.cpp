// The skin editor's record: what is accepted and how its texts end.
#include <gtest/gtest.h>

#include <string>

#include "skin/data/acPreviewHost.h"
#include "tests/support/EditorRecords.h"

TEST(EditorRecord, ValidRecordGivesItsTexts) {
  const auto bytes = EditorRecord("Ember", "C:\\Skins", "[GLOBALINFO]\r\nVERSION=14.01\r\n");
  const auto preview = ParseSkinEditorData(bytes);
  ASSERT_TRUE(preview);
  EXPECT_EQ(*preview, (TacSkinPreview{"Ember", "C:\\Skins", "[GLOBALINFO]\r\nVERSION=14.01\r\n"}));
}

TEST(EditorRecord, ShortOrForeignRecordsAreRefused) {
  const auto valid = EditorRecord("Ember", "C:\\Skins", "[GLOBALINFO]");
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {
      {"one byte short", {valid.begin(), valid.end() - 1}},
      {"only the magic", {valid.begin(), valid.begin() + 4}},
      {"nothing", {}},
      {"another magic", EditorRecord("Ember", "C:\\Skins", "", 0xA401)},
      {"magic in the wrong byte order", EditorRecord("Ember", "C:\\Skins", "", 0x00A40000)},
  };
  for (const Case& c : cases) EXPECT_FALSE(ParseSkinEditorData(c.bytes)) << c.what;
}

TEST(EditorRecord, TextsEndAtTheLastByteOfTheirFieldWhenUnterminated) {
  auto bytes = EditorRecord("", "", "");
  std::memset(bytes.data() + 4, 'n', 128);
  std::memset(bytes.data() + 132, 'd', 512);
  std::memset(bytes.data() + 644, 'o', 30001);
  bytes.push_back('x');  // bytes past the record are not read
  const auto preview = ParseSkinEditorData(bytes);
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->SkinName, std::string(127, 'n'));
  EXPECT_EQ(preview->SkinDir, std::string(511, 'd'));
  EXPECT_EQ(preview->OptionsText, std::string(30000, 'o'));
}

TEST(EditorRecord, AnsiTextsArriveAsUtf8) {
  const auto preview = ParseSkinEditorData(EditorRecord("Caf\xE9", "C:\\", ""));
  ASSERT_TRUE(preview);
  EXPECT_EQ(preview->SkinName, "Caf\xC3\xA9");
}

TEST(EditorRecord, OnlyCopyDataOfKindSevenIsAPreview) {
  const auto bytes = EditorRecord("Ember", "C:\\Skins", "");
  EXPECT_TRUE(AcceptEditorCopyData(7, bytes));
  EXPECT_FALSE(AcceptEditorCopyData(6, bytes));
  EXPECT_FALSE(AcceptEditorCopyData(7, std::span(bytes).first(100)));
}
