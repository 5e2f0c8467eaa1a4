// A binding keeps the per-density data it found only while its manager, that manager's
// skin data and its own density stay the same. A skin loaded, reloaded, removed or served
// from another slot reaches the binding on its next question even when no broadcast
// reaches it, so it never reads data that was freed (the test also runs under ASan).
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>

#include "skin/base/acSkinCommands.h"
#include "tests/skin_binding/BindingSkin.h"
#include "tests/skin_binding/FakeOwner.h"
#include "tests/support/FixtureSkins.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

// A skin whose one section WHITE has the given colour.
std::string OneSectionSkin(uint32_t color) {
  return "[GLOBALINFO]\nVERSION=14.01\nMASTERBITMAP=MASTER.PNG\n[WHITE]\nCOLOR=" + std::to_string(color) + "\n";
}

// A window-less control bound to WHITE at a density; the test's broadcasts never reach it.
std::unique_ptr<FakeOwner> BoundAt(TsSkinManager& manager, int ppi) {
  auto node = std::make_unique<FakeOwner>(nullptr, TRect{0, 0, 40, 20}, 1, false);
  node->Data().SetSkinManager(&manager);
  node->Data().SetSkinSection("WHITE");
  node->Data().CurrentPPI = ppi;
  node->Data().Loaded(false);
  return node;
}

// What the binding paints from: its data, and the colour its children get as background.
struct Seen {
  const TacSkinData* data;
  uint32_t background;
  bool operator==(const Seen&) const = default;
};
void PrintTo(const Seen& s, std::ostream* os) {
  *os << "data " << s.data << ", background 0x" << std::hex << s.background << std::dec;
}

Seen SeenBy(FakeOwner& node) {
  BackgroundInfo info;
  node.SendToSelf(SC_GETBG, 0, reinterpret_cast<intptr_t>(&info));
  return {node.Data().CommonSkinData(), info.Color};
}

}  // namespace

TEST(SkinDataGeneration, ABindingPaintsFromTheDataTheManagerHasNowWithoutBeingTold) {
  const struct {
    const char* what;
    int ppi;
    std::function<void(TsSkinManager&, TsCommonData&)> change;
    bool colourChanges;
  } cases[] = {
      {"another skin loaded", 96, [](TsSkinManager& m, TsCommonData&) { m.SetSkinName("Second"); }, true},
      {"the skin recoloured", 96, [](TsSkinManager& m, TsCommonData&) { m.SetBrightness(40); }, true},
      {"the skin removed", 96, [](TsSkinManager& m, TsCommonData&) { m.SetActive(false); }, true},
      {"a fixed scale mode serves the density from another slot", 144,
       [](TsSkinManager& m, TsCommonData&) { m.Options().SetScaleMode(sm150); }, false},
      {"the control moved to another density", 96,
       [](TsSkinManager&, TsCommonData& binding) { binding.CurrentPPI = 144; }, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::string first = OneSectionSkin(kGrey);
    BindingSkin skin(first.c_str());
    TsStoredSkin& second = skin.manager->InternalSkins().Add();
    second.Name = "Second";
    second.PackedData = SmallSkin(OneSectionSkin(kRed)).Pack();
    auto node = BoundAt(*skin.manager, c.ppi);
    const Seen before = SeenBy(*node);
    ASSERT_NE(before.data, nullptr);
    ASSERT_EQ(before.background, kGrey);

    c.change(*skin.manager, node->Data());

    // A binding made after the change asks the manager afresh: the old one must agree.
    auto fresh = BoundAt(*skin.manager, node->Data().CurrentPPI);
    const Seen after = SeenBy(*node);
    EXPECT_EQ(after, SeenBy(*fresh));
    if (after.data) {
      EXPECT_EQ(after.data, &skin.manager->CommonSkinData(node->Data().CurrentPPI));
    }
    if (c.colourChanges) {
      EXPECT_NE(after.background, before.background);
    }
  }
}
