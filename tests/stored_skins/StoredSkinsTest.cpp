#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"
#include "skin/data/sStoredSkin.h"

namespace {

struct CountingOwner : StoredSkinsOwner {
  void StoredSkinAdded() override { ++added; }
  void StoredSkinUpdated() override { ++updated; }
  int added = 0, updated = 0;
};

TEST(StoredSkins, IndexOfMatchesTheWholeNameExactly) {
  TsStoredSkins skins;
  skins.Add().Name = "Slate (internal)";
  skins.Add().Name = "Other";
  skins.Add().Name = "Other";
  EXPECT_EQ(skins.IndexOf("Slate (internal)"), 0);
  EXPECT_EQ(skins.IndexOf("Other"), 1);
  EXPECT_EQ(skins.IndexOf("slate (internal)"), -1);
  EXPECT_EQ(skins.IndexOf("Slate"), -1);
  EXPECT_EQ(skins.IndexOf(""), -1);
}

TEST(StoredSkins, OwnerHearsOfNewAndUpdatedItemsAndAssignChangesNothing) {
  CountingOwner owner;
  TsStoredSkins skins(&owner);
  skins.Add();
  skins.Add();
  skins.Update(1);
  EXPECT_EQ(owner.added, 2);
  EXPECT_EQ(owner.updated, 1);
  TsStoredSkins other;
  skins.Assign(other);
  EXPECT_EQ(skins.Count(), 2);
}

TEST(StoredSkins, PropertiesSurviveTheFormDataStream) {
  TsStoredSkins skins;
  TsStoredSkin& slate = skins.Add();
  slate.Name = "Slate (internal)";
  slate.Version = 14.01;
  slate.OrigName = "Slate.asz";
  slate.PackedData = {'A', 'S', 'z', 'f', 0, 0, 0, 0};
  slate.Shadow1Blur = 4;
  slate.BorderColor = 0x80112233;
  TsStoredSkin& plain = skins.Add();  // all defaults: nothing but the list markers is written

  const auto stream = WriteStoredSkins(skins);
  TsStoredSkins read;
  ReadStoredSkins(stream, read);
  ASSERT_EQ(read.Count(), 2);
  EXPECT_EQ(read[0].Name, "Slate (internal)");
  EXPECT_EQ(read[0].Version, 14.01);
  EXPECT_EQ(read[0].OrigName, "Slate.asz");
  EXPECT_EQ(read[0].PackedData, slate.PackedData);
  EXPECT_EQ(read[0].Shadow1Blur, 4);
  EXPECT_EQ(read[0].BorderColor, 0x80112233u);
  EXPECT_EQ(read[1].Shadow1Blur, -1);
  EXPECT_EQ(read[1].BorderColor, 0xFF00FFu);
  EXPECT_TRUE(read[1].PackedData.empty());

  std::vector<uint8_t> plainStream;
  WriteStoredSkin(plain, plainStream);
  EXPECT_EQ(plainStream, std::vector<uint8_t>{0});
}

std::vector<uint8_t> Property(std::string_view name, const std::vector<uint8_t>& value) {
  std::string out(1, static_cast<char>(name.size()));
  out += name;
  out.append(value.begin(), value.end());
  return {out.begin(), out.end()};
}

TEST(StoredSkins, ReadsOtherValueEncodingsOfTheSameProperties) {
  std::vector<uint8_t> stream;
  for (const auto& p : {Property("Version", {5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}),  // -2.5 extended
                        Property("Shadow1Offset", {2, 0xFE}),                            // int8 -2
                        Property("Shadow1Color", {3, 0x34, 0x12}),                       // int16
                        Property("Name", {6, 3, 'a', 'b', 'c'})})                        // short string
    stream.insert(stream.end(), p.begin(), p.end());
  stream.push_back(0);
  TsStoredSkin skin;
  ReadStoredSkin(stream, skin);
  EXPECT_EQ(skin.Version, -2.5);
  EXPECT_EQ(skin.Shadow1Offset, -2);
  EXPECT_EQ(skin.Shadow1Color, 0x1234u);
  EXPECT_EQ(skin.Name, "abc");
}

TEST(StoredSkins, DamagedStreamsAreRefusedWithoutAddingItems) {
  const std::vector<std::vector<uint8_t>> damaged{
      {},
      {1, 0},                                                    // no collection marker
      {14, 1, 0},                                                // no end of the collection
      {14, 7, 0, 0},                                             // item is no property list
      {14, 1, 4, 'D', 'a', 't', 'a', 10, 0xFF, 0xFF, 0xFF, 0xFF, 1, 0, 0},  // data past the end
      {14, 1, 3, 'B', 'a', 'd', 2, 1, 0, 0},                     // unknown property
      {14, 1, 4, 'N', 'a', 'm', 'e', 4, 1, 0, 0, 0, 0, 0},       // integer for a string
      {14, 1, 200, 'N'},                                         // name past the end
  };
  for (const auto& stream : damaged) {
    TsStoredSkins skins;
    EXPECT_THROW(ReadStoredSkins(stream, skins), SkinPackageError);
    EXPECT_EQ(skins.Count(), 0);
  }
}

}  // namespace
