// What forms and controls are told, in which order, and what they find while they are told.
#include <gtest/gtest.h>

#include <cstring>

#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager/ManagerFixtures.h"

using Names = std::vector<std::string>;

namespace {

class Broadcasts : public ::testing::Test {
 protected:
  Broadcasts() {
    AddInternalSkin(manager, "A", TinySkin("FROM_A", "14").Pack());
    AddInternalSkin(manager, "B", TinySkin("FROM_B", "14").Pack());
    manager.SetSkinName("A");
    host.broadcasts.clear();
    host.events.clear();
  }
  RecordingHost host;
  TsSkinManager manager{host};
};

}  // namespace

TEST_F(Broadcasts, ASkinChangeIsBroadcastOnceBetweenOneLockAndOneUnlock) {
  manager.SetSkinName("B");
  EXPECT_EQ(host.events, (Names{"lock", "SC_SKINLOADED", "SC_STOPFADE", "SC_SKINREFRESH", "redraw-dialogs", "unlock"}));
}

TEST_F(Broadcasts, WhileTheNewSkinIsBroadcastReceiversGetItsDataButItIsNotActiveYet) {
  bool active = true;
  int fromB = -1;
  host.onBroadcast = [&](const RecordedBroadcast& b) {
    if (b.Command != SC_SKINLOADED) return;
    active = manager.IsActive();
    fromB = manager.GetSkinIndex("FROM_B");
  };
  manager.SetSkinName("B");
  EXPECT_FALSE(active);
  EXPECT_GE(fromB, 0);
  EXPECT_TRUE(manager.IsActive());
  EXPECT_FALSE(TacSkinEngine::Current().SkinApplying());
}

TEST_F(Broadcasts, BeginAndEndUpdateBatchSkinChangesIntoOneBroadcast) {
  int afterChange = 0;
  manager.OnAfterChange = [&](TsSkinManager&) { ++afterChange; };
  manager.BeginUpdate();
  manager.SetSkinName("B");
  manager.SetSkinName("A");
  EXPECT_TRUE(host.broadcasts.empty());
  EXPECT_EQ(afterChange, 0);
  manager.EndUpdate(true);
  EXPECT_EQ(host.CountOf(SC_SKINLOADED), 1);
  EXPECT_EQ(afterChange, 1);
  EXPECT_GE(manager.GetSkinIndex("FROM_A"), 0);
}

TEST_F(Broadcasts, SwitchingSkinningOffAndOnRemovesAndReloadsTheSkin) {
  int deactivated = 0, activated = 0;
  manager.OnDeactivate = [&](TsSkinManager&) { ++deactivated; };
  manager.OnActivate = [&](TsSkinManager&) { ++activated; };
  manager.SetActive(false);
  EXPECT_EQ(host.BroadcastNames(), Names{"SC_SKINREMOVED"});
  EXPECT_FALSE(manager.IsActive());
  EXPECT_EQ(manager.MasterBitmap(), nullptr);
  EXPECT_EQ(deactivated, 1);
  manager.SetActive(true);
  EXPECT_EQ(host.CountOf(SC_SKINLOADED), 1);
  EXPECT_TRUE(manager.IsActive());
  EXPECT_EQ(activated, 1);
}

TEST_F(Broadcasts, AVetoedChangeKeepsTheNameButLoadsAndTellsNothing) {
  manager.OnSkinChanging = [](TsSkinManager&, const std::string& name, bool& allow) { allow = name != "B"; };
  manager.SetSkinName("B");
  EXPECT_EQ(manager.SkinName(), "B");
  EXPECT_GE(manager.GetSkinIndex("FROM_A"), 0);
  EXPECT_TRUE(host.broadcasts.empty());
}

TEST_F(Broadcasts, ASectionChangeNamesTheSectionInUpperCase) {
  std::string named;
  host.onBroadcast = [&](const RecordedBroadcast& b) { named = reinterpret_cast<const char*>(b.LParam); };
  manager.UpdateSkinSection("Button");
  EXPECT_EQ(host.BroadcastNames(), Names{"SC_SECTIONCHANGED"});
  EXPECT_EQ(named, "BUTTON");
}

TEST_F(Broadcasts, OptionChangesReachTheScreenTheWayEachNeeds) {
  manager.Options().SetDrawNonClientArea(false);
  ASSERT_EQ(host.broadcasts.size(), 1u);
  EXPECT_EQ(host.broadcasts[0].Command, SC_SETDRAWNONCLIENT);
  EXPECT_EQ(host.broadcasts[0].LParam, 0);
  EXPECT_EQ(host.broadcasts[0].Scope, TacBroadcastScope::ProviderFormsAndDialogs);
  host.events.clear();
  manager.Effects().SetAllowOuterEffects(false);
  EXPECT_EQ(host.events, (Names{"SC_STOPFADE", "SC_SKINREFRESH", "redraw-dialogs"}));
  host.events.clear();
  manager.Options().SetGroupBoxStyle(gsCard);
  EXPECT_EQ(host.events, (Names{"SC_STOPFADE", "lock", "SC_SKINREFRESH", "unlock", "redraw-dialogs"}));
  host.events.clear();
  manager.Options().SetGroupBoxStyle(gsCard);  // unchanged
  EXPECT_TRUE(host.events.empty());
}

TEST_F(Broadcasts, FontChangesAreBroadcastOnceAndNotForTheCurrentFont) {
  std::vector<std::pair<std::string, std::string>> changes;
  manager.OnFontChanged = [&](TsSkinManager&, const std::string& o, const std::string& n) { changes.emplace_back(o, n); };
  manager.ChangeAppFont("Segoe UI", false);
  manager.ChangeAppFont("Segoe UI", false);
  EXPECT_EQ(host.BroadcastNames(), Names{"SC_FONTCHANGED"});
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_EQ(changes[0], (std::pair<std::string, std::string>{"Tahoma", "Segoe UI"}));
  EXPECT_EQ(manager.DefStoredFontName, "Tahoma");
}

TEST_F(Broadcasts, ControlsKeepAFontTheProgrammerChose) {
  manager.ChangeAppFont("Segoe UI", false);
  const auto want = [&](TacFontTarget t) { return manager.UpdateFontName(t); };
  EXPECT_EQ(want({.FontName = "Tahoma", .Windowed = true, .HasWindow = true}), "Segoe UI");
  EXPECT_EQ(want({.FontName = "Segoe UI", .Windowed = false, .HasParent = true}), "Segoe UI");
  EXPECT_EQ(want({.FontName = "Courier New", .Windowed = true, .HasWindow = true}), std::nullopt);
  EXPECT_EQ(want({.UsesParentFont = true, .FontName = "Tahoma", .Windowed = true, .HasWindow = true}), std::nullopt);
  EXPECT_EQ(want({.FontName = "Tahoma", .Windowed = true, .HasWindow = false}), std::nullopt);
}

TEST_F(Broadcasts, TheControlUnderTheMouseIsToldWhenItComesAndGoes) {
  host.parentOf = {{11, 10}};  // window 11 sits in window 10
  manager.SetActiveControl(11);
  EXPECT_EQ(host.sent, (Names{"SC_MOUSEENTER 11"}));
  host.cursorWindow = 11;
  manager.SetActiveControl(10);  // an ancestor, while the cursor is still inside 11
  EXPECT_EQ(manager.ActiveControl(), 11u);
  host.cursorWindow = 0;
  host.timerTick();  // the cursor left: the 100 ms check lets go of it
  EXPECT_EQ(manager.ActiveControl(), 0u);
  EXPECT_EQ(host.sent, (Names{"SC_MOUSEENTER 11", "SC_MOUSELEAVE 11"}));
}

TEST_F(Broadcasts, AHotWindowlessControlIsKeptWhileItHasTheMouse) {
  int control = 0;
  manager.SetActiveGraphControl(&control);
  host.mouseOverControl = &control;
  manager.SetActiveGraphControl(nullptr);
  EXPECT_EQ(manager.ActiveGraphControl(), &control);
  host.mouseOverControl = nullptr;
  manager.SetActiveGraphControl(nullptr);
  EXPECT_EQ(manager.ActiveGraphControl(), nullptr);
  ASSERT_EQ(host.sent.size(), 1u);
  EXPECT_TRUE(host.sent[0].starts_with("SC_MOUSELEAVE control"));
}
