// A skin that cannot be loaded leaves the active one as it was, tells nobody about a
// change, and shows the error once the old skin is back.
#include <gtest/gtest.h>

#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExWriter.h"
#include "tests/support/ImageWriters.h"
#include "tests/skin_manager/ManagerFixtures.h"
#include "tests/support/ScratchDir.h"

namespace {

struct BrokenSkin {
  const char* what;
  std::vector<uint8_t> bytes;
  std::string error;  // the text shown, or empty to accept any
};

std::vector<uint8_t> PackageWithoutOptions() {
  const std::vector<uint8_t> master = SmallSkin("").Files[0].Bytes;
  const SkinPackageItem items[] = {{"MASTER.PNG", master}};
  return PackSkin(items);
}

std::vector<BrokenSkin> BrokenSkins() {
  std::vector<uint8_t> truncated = LookupSkin().Pack();
  truncated.resize(truncated.size() / 2);
  FixtureSkin badMaster = LookupSkin();
  badMaster.Files[0].Bytes.assign(200, 0x42);
  badMaster.Files[0].Bytes[0] = 0x89;  // looks like PNG at first glance
  FixtureSkin badElement = LookupSkin();
  badElement.Options += "[BROKEN]\nBORDERSMASK=^00x0^0000^0012^0008^0002^0002^0002^0002^3^0^1\n";
  FixtureSkin noSections{"; nothing here\n", {}};
  FixtureSkin badSteppedGradient = LookupSkin();
  badSteppedGradient.Options += "[SHADED]\nGRADIENTDATA=16777215;15461355;9x;0;0;15461355;15461355;0;0;0\n";
  FixtureSkin badLetteredGradient = LookupSkin();
  badLetteredGradient.Options += "[SHADED]\nHOTGRADIENTDATA=-394759;0;12;blue;100;12;B\n";
  // A palette of two colours for a picture that uses eight in its top row.
  FixtureSkin badBmpMaster = LookupSkin();
  badBmpMaster.Options.replace(badBmpMaster.Options.find("MASTER.PNG"), 10, "MASTER.BMP");
  badBmpMaster.Files[0] = {"MASTER.BMP", EncodeBmp(PatternPicture(64, 64), BmpKind::Indexed8)};
  badBmpMaster.Files[0].Bytes[46] = 2;
  return {
      {"not a package", std::vector<uint8_t>(64, 'x'), std::string(kNotPackedSkinText)},
      {"truncated package", truncated, ""},
      {"package without options", PackageWithoutOptions(), InternalFormatErrorText("Broken")},
      {"damaged master bitmap", badMaster.Pack(), "The master bitmap \"MASTER.PNG\" of the skin is damaged."},
      {"damaged BMP master bitmap", badBmpMaster.Pack(),
       "The master bitmap \"MASTER.BMP\" of the skin is damaged: palette index 2 is out of range (2 colours)."},
      {"malformed element", badElement.Pack(), ""},
      {"options without sections", noSections.Pack(), InternalFormatErrorText("Broken")},
      {"gradient field not a number", badSteppedGradient.Pack(),
       "\"16777215;15461355;9x;0;0;15461355;15461355;0;0;0\" is not a valid gradient"},
      {"lettered gradient field not a number", badLetteredGradient.Pack(),
       "\"-394759;0;12;blue;100;12;B\" is not a valid gradient"},
  };
}

}  // namespace

TEST(FailedLoad, TheActiveSkinStaysAndTheErrorIsShownOnce) {
  for (const BrokenSkin& broken : BrokenSkins()) {
    SCOPED_TRACE(broken.what);
    const ScratchDir dir;
    RecordingHost host;
    const auto manager = ProgramManager(host);
    manager->SetSkinDirectory(dir.path().string());
    ASSERT_TRUE(WriteFileBytes(dir / "Broken.asz", broken.bytes));
    TacSkinData* before = &manager->CommonSkinData(96);
    const size_t sections = before->gd.size();
    host.broadcasts.clear();

    manager->SetSkinName("Broken");

    EXPECT_EQ(manager->SkinName(), "Slate (internal)");
    EXPECT_TRUE(manager->IsActive());
    EXPECT_EQ(manager->SkinInfo(), "14.01");
    EXPECT_EQ(&manager->CommonSkinData(96), before);
    EXPECT_EQ(before->gd.size(), sections);
    EXPECT_NE(manager->MasterBitmap(), nullptr);
    EXPECT_TRUE(host.broadcasts.empty());
    ASSERT_EQ(host.errors.errors.size(), 1u);
    if (!broken.error.empty()) {
      EXPECT_EQ(host.errors.errors[0], broken.error);
    }
  }
}

TEST(FailedLoad, ABrokenSkinAtStartLeavesNoSkinAndNothingToBroadcast) {
  RecordingHost host;
  TsSkinManager manager(host);
  manager.BeginLoad();
  AddInternalSkin(manager, "Slate (internal)", PackageWithoutOptions());
  manager.SetSkinName("Slate");
  manager.Loaded();
  EXPECT_FALSE(manager.IsActive());
  EXPECT_EQ(manager.SkinInfo(), "N/A");
  EXPECT_EQ(manager.SkinName(), "");
  EXPECT_TRUE(host.broadcasts.empty());
  EXPECT_EQ(host.errors.errors, std::vector<std::string>{InternalFormatErrorText("Slate (internal)")});
  // Metrics are still there for painting without a skin.
  EXPECT_EQ(manager.CommonSkinData(96).FOwner, nullptr);
}

TEST(FailedLoad, AnErrorIsShownOnlyAfterTheOldSkinIsBack) {
  const ScratchDir dir;
  RecordingHost host;
  const auto manager = ProgramManager(host);
  manager->SetSkinDirectory(dir.path().string());
  ASSERT_TRUE(WriteFileBytes(dir / "Broken.asz", PackageWithoutOptions()));
  TacSkinData* before = &manager->CommonSkinData(96);
  bool oldSkinBack = false;
  // A modal box lets windows repaint: they must find the old skin whole.
  host.errors.whileShown = [&] {
    oldSkinBack = manager->SkinName() == "Slate (internal)" && &manager->CommonSkinData(96) == before &&
                  manager->SkinColorToRGB(0xFF00000F) == manager->GetGlobalColor();
  };
  manager->SetSkinName("Broken");
  ASSERT_EQ(host.errors.errors.size(), 1u);
  EXPECT_TRUE(oldSkinBack);
}
