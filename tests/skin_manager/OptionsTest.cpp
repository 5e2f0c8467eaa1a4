// Settings of the manager: defaults, the values a setter adjusts, the version warning,
// fonts a skin carries, and which manager is the program's default.
#include <gtest/gtest.h>

#include "skin/data/acZLibExWriter.h"
#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager/ManagerFixtures.h"

TEST(ManagerOptions, ANewManagerHasTheDocumentedDefaults) {
  RecordingHost host;
  TsSkinManager m(host);
  EXPECT_TRUE(m.Active());
  EXPECT_EQ(m.SkinDirectory(), "c:\\Skins");
  EXPECT_TRUE(m.SkinnedPopups());
  EXPECT_FALSE(m.ExtendedBorders());
  EXPECT_EQ(m.SkinningRules(), (TacSet<TacSkinningRule>{srStdForms, srStdDialogs, srThirdParty}));
  EXPECT_EQ(m.SkinsFilter(), (TacSet<TacSkinsFilterValue>{sfiInternal, sfiExternal}));
  EXPECT_TRUE(m.Effects().AllowOuterEffects());
  EXPECT_FALSE(m.Effects().DiscoloredGlyphs());
  EXPECT_EQ(m.AnimEffects().SkinChanging.Mode, atFading);
  EXPECT_EQ(m.AnimEffects().BlendOnMoving.BlendValue, 170);
  EXPECT_TRUE(m.AnimEffects().Buttons.Events.Has(beMouseUp));
  EXPECT_EQ(m.ButtonsOptions().ModalButtonsColoring, TacSet<TacButtonColoring>{bcGlyph});
  EXPECT_EQ(m.ScrollsOptions().ButtonsSize, -1);
  EXPECT_EQ(m.Options().ScaleMode(), smVCL);
  EXPECT_EQ(m.Fonts().MainMode(), fmDefault);
  EXPECT_EQ(m.SkinInfo(), "N/A");
  EXPECT_EQ(m.ThirdParty()[tpButton], "TButton");
  EXPECT_EQ(m.ThirdParty()[tpNativePaint], " ");
}

TEST(ManagerOptions, EmptyThirdPartyListsTakeTheirDefaultsWhenLoaded) {
  RecordingHost host;
  TsSkinManager m(host);
  m.BeginLoad();
  m.SetThirdParty(tpButton, "");
  m.SetThirdParty(tpGrid, "TStringGrid\r\nTDrawGrid");
  m.Loaded();
  EXPECT_EQ(m.ThirdParty()[tpButton], "TButton");
  EXPECT_EQ(m.ThirdLists(tpGrid), (std::vector<std::string>{"TStringGrid", "TDrawGrid"}));
}

TEST(ManagerOptions, BrightnessIsClampedAndOnlyAChangeReloads) {
  RecordingHost host;
  const auto m = ProgramManager(host);
  int loads = 0;
  m->OnSkinLoading = [&](TsSkinManager&) { ++loads; };
  m->SetBrightness(150);
  EXPECT_EQ(m->Brightness(), 100);
  EXPECT_EQ(loads, 1);
  m->SetBrightness(100);
  m->SetBrightness(120);
  EXPECT_EQ(loads, 1);
  m->SetBrightness(-300);
  EXPECT_EQ(m->Brightness(), -100);
  EXPECT_EQ(loads, 2);
  EXPECT_TRUE(m->IsActive());
}

TEST(ManagerOptions, CommonSectionsLoseTheirBlanksAndReloadTheSkin) {
  RecordingHost host;
  const auto m = ProgramManager(host);
  host.broadcasts.clear();
  m->SetCommonSections({"; a comment stays as it is", "[MY SECTION]", "KEY = 1"});
  EXPECT_EQ(m->CommonSections(), (std::vector<std::string>{"; a comment stays as it is", "[MYSECTION]", "KEY=1"}));
  EXPECT_EQ(host.CountOf(SC_SKINLOADED), 1);
}

TEST(ManagerOptions, TheVersionWarningFollowsTheSkinsVersionAndTheFirstArgument) {
  const struct {
    const char* version;
    std::vector<std::string> arguments;
    bool warned;
  } cases[] = {
      {"14.01", {}, false},        {"9.5", {}, false},         {"14.99", {}, false},
      {"15.0", {}, true},          {"not a number", {}, true}, {"15.0", {"/acpreview"}, false},
      {"15.0", {"/ACPREVIEW"}, true}, {"15.0", {"x", "/acpreview"}, true},
  };
  for (const auto& c : cases) {
    RecordingHost host;
    host.arguments = c.arguments;
    TsSkinManager m(host);
    AddInternalSkin(m, "V", LookupSkin(c.version).Pack());
    m.SetSkinName("V");
    EXPECT_TRUE(m.IsActive()) << c.version;
    EXPECT_EQ(host.warnings.size(), c.warned ? 1u : 0u) << c.version;
    if (c.warned) {
      EXPECT_EQ(host.warnings[0], kVersionWarning);
    }
  }
}

TEST(ManagerOptions, FontsASkinCarriesAreRegisteredWhileItIsActive) {
  FixtureSkin skin = LookupSkin();
  skin.Options.insert(skin.Options.find("[BUTTON]"), "FontCount=2\nFontFile0=OTHER.TTF\nFontName0=Other\n"
                                                     "FontFile1=Slate Sans.ttf\nFontName1=Slate Sans\n");
  skin.Add("Slate Sans.ttf", std::vector<uint8_t>(100, 1));
  RecordingHost host;
  TsSkinManager m(host);
  AddInternalSkin(m, "Fonts", skin.Pack());
  AddInternalSkin(m, "Plain", LookupSkin().Pack());
  m.SetSkinName("Fonts");
  EXPECT_EQ(host.registeredFonts, std::vector<std::string>{"Slate Sans"});
  host.events.clear();
  m.SetSkinName("Plain");
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "font-released"), 1);
}

TEST(ManagerOptions, TheFirstManagerIsTheDefaultUntilAnotherIsMadeDefault) {
  RecordingHost host;
  TsSkinManager first(host);
  TsSkinManager second(host);
  EXPECT_TRUE(first.IsDefault());
  second.SetIsDefault(false);
  EXPECT_TRUE(first.IsDefault());
  second.Options().SetScaleMode(sm150);
  second.SetIsDefault(true);
  EXPECT_TRUE(second.IsDefault());
  EXPECT_EQ(TacSkinEngine::Current().ProgramScaleMode(), sm150);
  TacSkinEngine::Current().SetProgramScaleMode(smVCL);
}

TEST(ManagerOptions, ALaterDensityOfARecolouredSkinLeavesTheSharedMasterBitmapAlone) {
  RecordingHost host;
  TsSkinManager m(host);
  AddInternalSkin(m, "S", LookupSkin().Pack());
  m.SetBrightness(40);
  m.SetSkinName("S");
  const PixelImage before = *m.MasterBitmap();
  TacSkinData& at144 = m.CommonSkinData(144);
  ASSERT_FALSE(at144.gd.empty());
  EXPECT_EQ(*m.MasterBitmap(), before);  // recoloured once, not again
  RecordingHost plainHost;
  TsSkinManager plain(plainHost);
  AddInternalSkin(plain, "S", LookupSkin().Pack());
  plain.SetSkinName("S");
  EXPECT_NE(*plain.MasterBitmap(), before);  // and it was recoloured
}
