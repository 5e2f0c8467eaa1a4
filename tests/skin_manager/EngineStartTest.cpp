// The engine's start runs once per program: "/acver" shows the version message once, even
// when several managers are made.
#include <gtest/gtest.h>

#include <stdexcept>

#include "skin/data/acSkinEngineStart.h"
#include "skin/data/sSkinManager.h"
#include "tests/support/RecordingHost.h"

TEST(EngineStart, TheVersionArgumentIsRecognisedInAnyCase) {
  EXPECT_TRUE(AsksForEngineVersion({"/acver"}));
  EXPECT_TRUE(AsksForEngineVersion({"x", "/ACVER"}));
  EXPECT_FALSE(AsksForEngineVersion({"/acversion", "acver"}));
  EXPECT_FALSE(AsksForEngineVersion({}));
}

TEST(EngineStart, TheVersionMessageIsShownOnceAndTheDefaultDataIsThere) {
  RecordingHost host;
  host.arguments = {"/AcVer"};
  TsSkinManager first(host);
  TsSkinManager second(host);
  EXPECT_EQ(host.infos, std::vector<std::string>{"Skin engine v14.31"});
  for (int slot = 0; slot < 4; ++slot) {
    EXPECT_EQ(TacSkinEngine::Current().DefaultSkinData(slot).PPI, kSlotPPI[slot]);
    EXPECT_EQ(TacSkinEngine::Current().DefaultSkinData(slot).FOwner, nullptr);
    EXPECT_GT(TacSkinEngine::Current().DefaultSkinData(slot).Spacing, 0);
  }
}

// The program's engine is the one in use while it lives: its managers keep their state in
// it, not in the shared one, and the shared one is in use again once it is gone.
TEST(EngineStart, TheProgramsEngineIsInUseWhileItLivesAndHoldsItsManagersState) {
  TacSkinEngine& shared = TacSkinEngine::Current();
  TsSkinManager* const sharedDefault = shared.DefaultManager();
  const bool sharedGlyphs = shared.OldGlyphsMode();
  RecordingHost host;
  {
    TacSkinEngine program;
    EXPECT_EQ(&TacSkinEngine::Current(), &program);
    {
      TsSkinManager manager(host);
      EXPECT_EQ(program.DefaultManager(), &manager);
      EXPECT_EQ(program.DefaultManagerView(), static_cast<IacSkinManagerView*>(&manager));
      manager.ButtonsOptions().SetOldGlyphsMode(!sharedGlyphs);
      EXPECT_EQ(program.OldGlyphsMode(), !sharedGlyphs);
      try {
        TacEngineSwitchScope applying(program, TacEngineSwitchScope::Switch::SkinApplying, true);
        EXPECT_TRUE(manager.SkinApplying());
        throw std::runtime_error("a step that fails");
      } catch (const std::runtime_error&) {
      }
      EXPECT_FALSE(manager.SkinApplying());
    }
    EXPECT_EQ(program.DefaultManager(), nullptr);
  }
  EXPECT_EQ(&TacSkinEngine::Current(), &shared);
  EXPECT_EQ(shared.DefaultManager(), sharedDefault);
  EXPECT_EQ(shared.OldGlyphsMode(), sharedGlyphs);
  EXPECT_FALSE(shared.SkinApplying());
}
