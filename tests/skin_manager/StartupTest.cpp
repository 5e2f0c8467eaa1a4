// The program's start: the stored settings name "Slate", no folder or package of that
// name exists, and the internal skin is used.
#include <gtest/gtest.h>

#include "app/Unit1SkinSettings.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager/ManagerFixtures.h"

TEST(ProgramStart, StoredSettingsEndWithTheInternalSlateActive) {
  RecordingHost host;
  TsSkinManager manager(host);
  ASSERT_TRUE(ApplySknmngr1Settings(manager, SlateStoredBytes()));
  // Read settings load the skin but tell nobody yet.
  EXPECT_EQ(manager.SkinName(), "Slate (internal)");
  EXPECT_TRUE(host.broadcasts.empty());

  manager.Loaded();
  EXPECT_EQ(manager.SkinName(), "Slate (internal)");
  EXPECT_TRUE(manager.IsActive());
  EXPECT_TRUE(manager.Active());
  EXPECT_EQ(manager.SkinInfo(), "14.01");
  EXPECT_EQ(manager.Version(), "14.31");
  EXPECT_TRUE(host.warnings.empty());
  EXPECT_TRUE(host.errors.errors.empty());
  EXPECT_EQ(host.BroadcastNames(), std::vector<std::string>{"SC_SKINLOADED"});
  EXPECT_EQ(host.broadcasts[0].LParam, reinterpret_cast<intptr_t>(&manager));
}

TEST(ProgramStart, StoredOptionsAndDefaultsAreInPlace) {
  RecordingHost host;
  const auto manager = ProgramManager(host);
  EXPECT_TRUE(manager->ExtendedBorders());
  EXPECT_TRUE(TacButtonsSupport::OldGlyphsMode());
  EXPECT_FALSE(manager->AnimEffects().DialogShow.Active);
  EXPECT_EQ(manager->AnimEffects().DialogShow.Time, 100);
  EXPECT_EQ(manager->AnimEffects().FormShow.Time, 100);
  EXPECT_EQ(manager->AnimEffects().FormHide.Time, 100);
  EXPECT_EQ(manager->AnimEffects().Minimizing.Time, 80);
  EXPECT_EQ(manager->ThirdLists(tpButton), std::vector<std::string>{"TButton"});
  EXPECT_EQ(manager->ThirdLists(tpEdit), std::vector<std::string>{" "});
  EXPECT_EQ(manager->MenuSupport().IcoLineSkin, "ICOLINE");
  EXPECT_EQ(manager->Options().ScaleMode(), smVCL);
  EXPECT_EQ(manager->Options().PixelsPerInch(), 96);
  EXPECT_TRUE(manager->IsDefault());
  EXPECT_TRUE(TacSkinEngine::Current().DialogSkinning());
}

TEST(ProgramStart, OnAnHighDensityScreenBothDensitiesAreLoadedAtOnce) {
  RecordingHost host;
  host.systemPPI = 144;
  const auto manager = ProgramManager(host);
  int loads = 0;
  manager->OnSkinLoading = [&](TsSkinManager&) { ++loads; };
  TacSkinData& at144 = manager->CommonSkinData(144);
  EXPECT_EQ(loads, 0);  // already there
  EXPECT_EQ(at144.PPI, 144);
  EXPECT_FALSE(at144.gd.empty());
  EXPECT_EQ(manager->Options().PixelsPerInch(), 144);
}
