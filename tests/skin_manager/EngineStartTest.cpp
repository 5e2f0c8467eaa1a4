// The engine's start runs once per program: "/acver" shows the version message once, even
// when several managers are made.
#include <gtest/gtest.h>

#include "skin/data/acSkinEngineStart.h"
#include "skin/data/sSkinManager.h"
#include "tests/skin_manager/RecordingHost.h"

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
