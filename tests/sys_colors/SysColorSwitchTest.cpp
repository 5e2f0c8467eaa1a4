// When the default manager switches the system colour redirection on and off.
#include <gtest/gtest.h>

#include "skin/data/sSkinManager.h"
#include "tests/support/RecordingHost.h"
#include "tests/support/SlateFixture.h"

namespace {

struct FakeRedirect final : IacSysColorRedirect {
  explicit FakeRedirect(std::vector<bool>& history) : history_(history) {}
  void SetRedirected(bool on) override {
    if (on != on_) history_.push_back(on);
    on_ = on;
  }
  bool Redirected() const override { return on_; }
  std::vector<bool>& history_;
  bool on_ = false;
};

struct RedirectedManager {
  RecordingHost host;
  std::vector<bool> history;  // every change of the redirection
  std::unique_ptr<TsSkinManager> manager = std::make_unique<TsSkinManager>(host);

  RedirectedManager() {
    manager->SetSysColorRedirect(std::make_unique<FakeRedirect>(history));
    TsStoredSkin& item = manager->InternalSkins().Add();
    item.Name = "Slate (internal)";
    item.PackedData = SlatePackageBytes();
  }
  bool On() const { return !history.empty() && history.back(); }
};

}  // namespace

TEST(SysColorSwitch, OffAsInTheProgramTheRedirectionIsNeverSwitchedOn) {
  RedirectedManager m;
  m.manager->SetSkinName("Slate (internal)");
  ASSERT_TRUE(m.manager->IsActive());
  m.manager->SetActive(false);
  m.manager.reset();
  EXPECT_TRUE(m.history.empty());
}

TEST(SysColorSwitch, OnItFollowsTheSkinOfTheDefaultManager) {
  RedirectedManager m;
  m.manager->Options().SetChangeSysColors(true);
  EXPECT_TRUE(m.history.empty());  // no skin yet
  m.manager->SetSkinName("Slate (internal)");
  EXPECT_TRUE(m.On());
  m.manager->SetActive(false);  // the skin is removed
  EXPECT_FALSE(m.On());
  m.manager->SetActive(true);
  EXPECT_TRUE(m.On());
  m.manager.reset();
  EXPECT_EQ(m.history, (std::vector<bool>{true, false, true, false}));
}

TEST(SysColorSwitch, SwitchingTheOptionWhileASkinIsActiveTakesEffectAtOnce) {
  RedirectedManager m;
  m.manager->SetSkinName("Slate (internal)");
  m.manager->Options().SetChangeSysColors(true);
  EXPECT_TRUE(m.On());
  m.manager->Options().SetChangeSysColors(false);
  EXPECT_FALSE(m.On());
  EXPECT_EQ(m.history, (std::vector<bool>{true, false}));
}

TEST(SysColorSwitch, AManagerThatIsNotTheDefaultNeverRedirects) {
  RedirectedManager first;
  RedirectedManager second;
  ASSERT_FALSE(second.manager->IsDefault());
  second.manager->Options().SetChangeSysColors(true);
  second.manager->SetSkinName("Slate (internal)");
  EXPECT_TRUE(second.history.empty());
}
