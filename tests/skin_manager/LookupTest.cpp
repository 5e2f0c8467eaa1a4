// Section, element and texture lookups: exact names, the first match, PARENTCLASS
// inheritance that always ends, and the density a lookup reads.
#include <gtest/gtest.h>

#include "tests/skin_manager/ManagerFixtures.h"

namespace {

class Lookups : public ::testing::Test {
 protected:
  Lookups() {
    AddInternalSkin(manager, "Lookups", LookupSkin().Pack());
    manager.SetSkinName("Lookups");
  }
  int Index(const char* section) { return manager.GetSkinIndex(section); }

  RecordingHost host;
  TsSkinManager manager{host};
};

}  // namespace

TEST_F(Lookups, SectionNamesAreExactAndCaseSensitive) {
  ASSERT_TRUE(manager.IsActive());
  EXPECT_GE(Index("BUTTON"), 0);
  EXPECT_EQ(Index("button"), -1);
  EXPECT_EQ(Index(""), -1);
  EXPECT_EQ(Index("NOSUCHSECTION"), -1);
  EXPECT_TRUE(manager.IsValidSkinIndex(Index("BUTTON")));
  EXPECT_FALSE(manager.IsValidSkinIndex(manager.LengthOfGD()));
  EXPECT_FALSE(manager.IsValidSkinIndex(-1));
}

TEST_F(Lookups, ElementsAreInheritedAlongParentClassChains) {
  const int own = manager.GetMaskIndex(Index("BUTTON"), "BUTTON", "BORDERSMASK");
  ASSERT_GE(own, 0);
  EXPECT_EQ(manager.ma()[own].ClassName, "BUTTON");
  // One and two steps down the chain, with each overload that inherits.
  EXPECT_EQ(manager.GetMaskIndex(Index("SPEEDBUTTON"), "SPEEDBUTTON", "BORDERSMASK"), own);
  EXPECT_EQ(manager.GetMaskIndex(Index("TOOLBUTTON"), "TOOLBUTTON", "BORDERSMASK"), own);
  EXPECT_EQ(manager.GetMaskIndex(Index("TOOLBUTTON"), "BORDERSMASK"), own);
  // Looked up by section name there is no inheritance.
  EXPECT_EQ(manager.GetMaskIndex("BUTTON", "BORDERSMASK"), own);
  EXPECT_EQ(manager.GetMaskIndex("SPEEDBUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(manager.GetMaskIndex("", "BORDERSMASK"), -1);
  EXPECT_EQ(manager.GetMaskIndex(Index("BUTTON"), "BUTTON", "bordersmask"), -1);
}

TEST_F(Lookups, ChainsThatLoopOrBreakEndWithNone) {
  for (const char* section : {"SELFISH", "LOOPA", "LOOPB", "ORPHAN"}) {
    ASSERT_GE(Index(section), 0) << section;
    EXPECT_EQ(manager.GetMaskIndex(Index(section), section, "BORDERSMASK"), -1) << section;
    EXPECT_EQ(manager.GetMaskIndex(Index(section), "BORDERSMASK"), -1) << section;
    EXPECT_EQ(manager.GetTextureIndex(Index(section), section, "PATTERN"), -1) << section;
    EXPECT_EQ(manager.GetTextureIndex(Index(section), "PATTERN"), -1) << section;
  }
  EXPECT_EQ(manager.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(manager.GetMaskIndex(-1, "BORDERSMASK"), -1);
}

TEST_F(Lookups, TexturesAreOnlyTextureElementsAndAreInheritedToo) {
  const int pattern = manager.GetTextureIndex(Index("BUTTON"), "BUTTON", "PATTERN");
  ASSERT_GE(pattern, 0);
  EXPECT_EQ(manager.ma()[pattern].ImgType, TacImgType::itisaTexture);
  EXPECT_EQ(manager.GetTextureIndex(Index("TOOLBUTTON"), "TOOLBUTTON", "PATTERN"), pattern);
  EXPECT_EQ(manager.GetTextureIndex(Index("SPEEDBUTTON"), "PATTERN"), pattern);
  EXPECT_EQ(manager.GetTextureIndex(Index("BUTTON"), "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(manager.GetTextureIndex(Index("BUTTON"), "", "PATTERN"), -1);
  EXPECT_EQ(manager.GetTextureIndex(-1, "BUTTON", "PATTERN"), -1);
}

TEST_F(Lookups, TheFirstOfTwoMatchingTexturesWins) {
  // The common sections add a second PATTERN texture to BUTTON after the skin's own.
  auto skin = LookupSkin();
  skin.Add("OTHER.BMP", skin.Files[0].Bytes);
  manager.InternalSkins().Clear();
  AddInternalSkin(manager, "Lookups", skin.Pack());
  manager.SetCommonSections({"[BUTTON]", "PATTERN = OTHER.BMP"});
  const int own = manager.GetTextureIndex(Index("BUTTON"), "BUTTON", "PATTERN");
  ASSERT_GE(own, 0);
  int matches = 0;
  for (const TsMaskData& m : manager.ma())
    if (m.ClassName == "BUTTON" && m.PropertyName == "PATTERN" && m.ImgType == TacImgType::itisaTexture) ++matches;
  EXPECT_EQ(matches, 2);
  EXPECT_TRUE(manager.ma()[own].FileName.empty());  // the skin's own, cut from the master bitmap
}

TEST_F(Lookups, WithoutSkinDataTheLookupsReadTheNinetySixPpiData) {
  TacSkinData& at144 = manager.CommonSkinData(144);
  const int own96 = manager.GetMaskIndex(Index("BUTTON"), "BUTTON", "BORDERSMASK");
  const int own144 = manager.GetMaskIndex(Index("BUTTON"), "BUTTON", "BORDERSMASK", &at144);
  ASSERT_GE(own144, 0);
  EXPECT_EQ(manager.ma()[own96].DivPPI, 96);
  EXPECT_EQ(at144.ma[own144].DivPPI, 144);  // the *150 variant
  EXPECT_EQ(manager.GetMaskIndex(at144.GetSkinIndex("TOOLBUTTON"), "TOOLBUTTON", "BORDERSMASK", &at144), own144);
}

TEST_F(Lookups, SectionListAndCountsFollowTheActiveSkin) {
  std::vector<std::string> names;
  manager.GetSkinSections(names);
  ASSERT_EQ(static_cast<int>(names.size()), manager.LengthOfGD());
  EXPECT_EQ(names[Index("LOOPA")], "LOOPA");
  manager.SetActive(false);
  manager.GetSkinSections(names);
  EXPECT_TRUE(names.empty());
  EXPECT_EQ(manager.LengthOfGD(), 0);
  EXPECT_EQ(Index("BUTTON"), -1);
  EXPECT_FALSE(manager.IsValidImgIndex(0));
}
