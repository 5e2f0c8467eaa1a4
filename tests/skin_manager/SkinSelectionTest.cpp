// Which skin a name selects: a skin folder, else a package file in the skin folder, else
// an internal skin (the first when none has the name); names never leave the skin folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/acZLibEx.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager/ManagerFixtures.h"
#include "tests/support/ScratchDir.h"

namespace {

void WritePackage(const std::filesystem::path& file, const FixtureSkin& skin) {
  ASSERT_TRUE(WriteFileBytes(file, skin.Pack()));
}

void WriteFolder(const std::filesystem::path& folder, const FixtureSkin& skin) {
  std::filesystem::create_directories(folder);
  const auto* text = reinterpret_cast<const uint8_t*>(skin.Options.data());
  ASSERT_TRUE(WriteFileBytes(folder / "Options.dat", {text, skin.Options.size()}));
  for (const FixtureFile& f : skin.Files) ASSERT_TRUE(WriteFileBytes(folder / f.Name, f.Bytes));
}

class SkinSelection : public ::testing::Test {
 protected:
  SkinSelection() {
    AddInternalSkin(manager, "Slate (internal)", TinySkin("INTERNAL", "14.01").Pack());
    manager.SetSkinDirectory(dir.path().string());
  }
  bool Has(const char* section) { return manager.GetSkinIndex(section) >= 0; }

  ScratchDir dir;
  RecordingHost host;
  TsSkinManager manager{host};
};

}  // namespace

TEST_F(SkinSelection, APackageFileOfTheNameWinsOverTheInternalSkin) {
  WritePackage(dir / "Slate.asz", TinySkin("FROMPACKAGE", "13.5"));
  manager.SetSkinName("Slate");
  EXPECT_EQ(manager.SkinName(), "Slate");
  EXPECT_TRUE(Has("FROMPACKAGE"));
  EXPECT_EQ(manager.SkinInfo(), "13.5");
  EXPECT_TRUE(manager.SkinIsPacked);
  EXPECT_EQ(manager.SkinCommonInfo.SkinPath, "");
}

TEST_F(SkinSelection, ASkinFolderWinsOverPackageAndInternalSkin) {
  WritePackage(dir / "Slate.asz", TinySkin("FROMPACKAGE", "13.5"));
  WriteFolder(dir / "Slate", TinySkin("FROMFOLDER", "12"));
  manager.SetSkinName("Slate");
  EXPECT_TRUE(Has("FROMFOLDER"));
  EXPECT_FALSE(manager.SkinIsPacked);
  EXPECT_EQ(manager.SkinCommonInfo.SkinPath, (dir / "Slate").string() + "/");
}

TEST_F(SkinSelection, ANameWithThePackageExtensionSelectsTheSkinWithoutIt) {
  WritePackage(dir / "Slate.asz", TinySkin("FROMPACKAGE", "13.5"));
  manager.SetSkinName("Slate.ASZ");
  EXPECT_EQ(manager.SkinName(), "Slate");
  EXPECT_TRUE(Has("FROMPACKAGE"));
}

TEST_F(SkinSelection, AnUnknownNameFallsBackToTheFirstInternalSkin) {
  manager.SetSkinName("Nowhere");
  EXPECT_EQ(manager.SkinName(), "Slate (internal)");
  EXPECT_TRUE(Has("INTERNAL"));
  EXPECT_TRUE(host.errors.errors.empty());
}

TEST_F(SkinSelection, NamesThatClimbOutOfTheSkinFolderAreNotLookedUpThere) {
  const ScratchDir outside;
  WritePackage(outside / "Evil.asz", TinySkin("EVIL", "1"));
  WriteFolder(outside / "Evil", TinySkin("EVIL", "1"));
  const std::string climbing = (std::filesystem::relative(outside.path(), dir.path()) / "Evil").string();
  for (const std::string& name : {climbing, outside.path().string() + "/Evil"}) {
    manager.SetSkinName(name);
    EXPECT_FALSE(Has("EVIL")) << name;
    EXPECT_EQ(manager.SkinName(), "Slate (internal)") << name;
  }
}

TEST_F(SkinSelection, ARelativeSkinFolderLiesInTheProgramFolder) {
  host.programFolder = dir.path().string() + "/";
  std::filesystem::create_directories(dir / "Skins");
  WritePackage(dir / "Skins" / "Slate.asz", TinySkin("FROMPACKAGE", "13.5"));
  manager.SetSkinDirectory("Skins");
  manager.SetSkinName("Slate");
  EXPECT_TRUE(Has("FROMPACKAGE"));
}

TEST(SkinSelectionWithoutInternalSkins, AnUnknownNameSwitchesSkinningOff) {
  RecordingHost host;
  TsSkinManager manager(host);
  AddInternalSkin(manager, "A", TinySkin("A", "14").Pack());
  manager.SetSkinName("A");
  ASSERT_TRUE(manager.IsActive());
  manager.InternalSkins().Clear();
  host.broadcasts.clear();
  manager.SetSkinName("Nowhere");
  EXPECT_FALSE(manager.Active());
  EXPECT_FALSE(manager.IsActive());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_EQ(host.BroadcastNames(), std::vector<std::string>{"SC_SKINREMOVED"});
}
