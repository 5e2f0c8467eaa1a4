// Display scaling: integer scaling and scale slots per mode, the density each mode loads,
// rescaling a form, and what a change of mode does.
#include <gtest/gtest.h>

#include "skin/base/acSkinCommands.h"
#include "tests/skin_manager/ManagerFixtures.h"

namespace {

// A form as UpdateScale sees it; it answers SC_GETPPI with what it was last told.
class FakeForm final : public IacScalableControl {
 public:
  int ppi = 0;  // answer to SC_GETPPI
  TPoint client{400, 300};
  TRect bounds{50, 60, 466, 399};
  std::optional<bool> scaled;
  std::vector<std::string> calls;

  bool IsForm() const override { return true; }
  void SetScaled(bool s) override { scaled = s; }
  int AskPPI() override { return ppi; }
  TPoint ClientSize() override { return client; }
  TRect BoundsRect() override { return bounds; }
  void ScaleBy(int mul, int div, int newPPI) override {
    calls.push_back("scale " + std::to_string(mul) + "/" + std::to_string(div));
    bounds = TRect::FromSize(bounds.Left + 7, bounds.Top + 7, bounds.Width() * mul / div, bounds.Height() * mul / div);
    (void)newPPI;
  }
  void SetPosition(int left, int top) override { bounds = bounds.Offset(left - bounds.Left, top - bounds.Top); }
  void SetClientSize(int w, int h) override { client = {w, h}; }
  void SendSetPPI(int p) override {
    ppi = p;
    calls.push_back("SC_SETPPI " + std::to_string(p));
  }
  void InvalidateOnScreen(const TRect&) override { calls.emplace_back("invalidate"); }
};

std::unique_ptr<TsSkinManager> ManagerIn(RecordingHost& host, TacScaleMode mode, int customPPI = 96) {
  auto m = std::make_unique<TsSkinManager>(host);
  m->BeginLoad();
  m->Options().SetPixelsPerInch(customPPI);
  m->Options().SetScaleMode(mode);
  AddInternalSkin(*m, "Lookups", LookupSkin().Pack());
  m->SetSkinName("Lookups");
  m->Loaded();
  return m;
}

}  // namespace

TEST(Scaling, ScaleIntFollowsTheMode) {
  const struct {
    TacScaleMode mode;
    int value, sysScale, expected;
  } cases[] = {
      {sm125, 10, -1, 12}, {sm150, 10, -1, 15}, {sm200, 10, -1, 20}, {smOldMode, 10, -1, 10}, {smVCL, 10, -1, 10},
      {sm100, 10, -1, 10}, {smVCL, 7, 2, 10},   {smVCL, -7, 2, -10}, {sm200, 7, 1, 8},         {smOldMode, 10, 3, 10},
  };
  for (const auto& c : cases) {
    RecordingHost host;
    const auto m = ManagerIn(host, c.mode);
    EXPECT_EQ(m->ScaleInt(c.value, c.sysScale), c.expected) << int{c.mode} << " " << c.value;
  }
  RecordingHost host;
  EXPECT_EQ(ManagerIn(host, smCustomPPI, 144)->ScaleInt(10, -1), 15);
}

TEST(Scaling, EachModeLoadsItsDensityIntoItsSlot) {
  const struct {
    TacScaleMode mode;
    int systemPPI, customPPI;
    int slot, loadedPPI;  // GetScale and the PPI of the data CommonSkinData(96) answers
  } cases[] = {
      {smVCL, 96, 96, 0, 96},     {smVCL, 144, 96, 0, 96},   {smOldMode, 144, 96, 0, 96}, {sm100, 144, 96, 0, 96},
      {sm125, 96, 96, 1, 120},    {sm150, 96, 96, 2, 144},   {sm200, 96, 96, 3, 192},     {smAuto, 120, 96, 1, 120},
      {smAuto, 192, 96, 3, 192},  {smCustomPPI, 96, 130, 1, 130},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "mode " << int{c.mode} << " system " << c.systemPPI);
    RecordingHost host;
    host.systemPPI = c.systemPPI;
    const auto m = ManagerIn(host, c.mode, c.customPPI);
    EXPECT_EQ(m->GetScale(), c.slot);
    TacSkinData& data = m->CommonSkinData(96);
    EXPECT_EQ(data.PPI, c.loadedPPI);
    EXPECT_FALSE(data.gd.empty());
  }
}

TEST(Scaling, UnderTheFrameworksScalingEachDensityGetsDataOfItsOwn) {
  RecordingHost host;
  const auto m = ManagerIn(host, smVCL);
  for (int ppi : {96, 120, 144, 192}) {
    TacSkinData& data = m->CommonSkinData(ppi);
    EXPECT_EQ(data.PPI, ppi);
    EXPECT_EQ(data.ScaleValue, ScaleSlotOfPPI(ppi));
    EXPECT_EQ(data.FOwner, m.get());
    EXPECT_FALSE(data.gd.empty()) << ppi;
  }
  EXPECT_EQ(&m->CommonSkinData(130), &m->CommonSkinData(120));  // one object per slot
}

TEST(Scaling, AControlIsDrawnAtTheModesDensityOrItsOwn) {
  const auto own = [] { return 168; };
  RecordingHost host;
  {
    const auto m = ManagerIn(host, sm150);
    EXPECT_EQ(GetControlPPI(m.get(), false, own), 144);
    EXPECT_EQ(GetControlPPI(nullptr, false, own), 144);  // the default manager
    m->Options().SetScaleMode(smVCL);
    EXPECT_EQ(GetControlPPI(m.get(), false, own), 168);
    m->SetActive(false);
    m->Options().SetScaleMode(sm125);
    EXPECT_EQ(GetControlPPI(m.get(), true, own), 168);  // no active skin
    EXPECT_EQ(GetControlPPI(m.get(), false, own), 120);
  }
  EXPECT_EQ(GetControlPPI(nullptr, false, own), 168);  // no manager at all
}

TEST(Scaling, UpdateScaleRescalesAFormOnceToTheModesDensity) {
  RecordingHost host;
  const auto m = ManagerIn(host, sm150);
  FakeForm form;
  m->UpdateScale(form, 96, 0);
  EXPECT_EQ(form.scaled, false);
  EXPECT_EQ(form.client, (TPoint{600, 450}));
  EXPECT_EQ(form.calls, (std::vector<std::string>{"scale 144/96", "SC_SETPPI 144"}));
  EXPECT_EQ(form.bounds.Left, 50);  // the position stays
  EXPECT_TRUE(m->Effects().AllowAnimation);
  form.calls.clear();
  m->UpdateScale(form, 96, 0);  // it now answers 144
  EXPECT_TRUE(form.calls.empty());
  EXPECT_EQ(form.client, (TPoint{600, 450}));
}

TEST(Scaling, UpdateScaleLeavesFormsThatAnswerMinusOneAndReadsZeroAs96) {
  RecordingHost host;
  const auto m = ManagerIn(host, sm125);
  FakeForm refusing;
  refusing.ppi = -1;
  m->UpdateScale(refusing, 96, 0);
  EXPECT_TRUE(refusing.calls.empty());
  FakeForm silent;  // answers 0
  m->UpdateScale(silent, 96, 0);
  EXPECT_EQ(silent.client, (TPoint{500, 375}));
  FakeForm shrinking;
  shrinking.ppi = 192;
  m->UpdateScale(shrinking, 96, 0);
  EXPECT_EQ(shrinking.calls.back(), "invalidate");
  EXPECT_EQ(shrinking.client, (TPoint{250, 188}));  // 187.5 rounds away from zero
}

TEST(Scaling, UnderTheFrameworksScalingOnlyAnExplicitChangeRescales) {
  RecordingHost host;
  const auto m = ManagerIn(host, smVCL);
  FakeForm form;
  m->UpdateScale(form, 96, 0);
  EXPECT_EQ(form.scaled, true);
  EXPECT_TRUE(form.calls.empty());
  m->UpdateScale(form, 96, 144);  // a per-monitor change
  EXPECT_EQ(form.client, (TPoint{600, 450}));
  EXPECT_EQ(form.calls.back(), "SC_SETPPI 144");
}

TEST(Scaling, LeavingAFixedModeForTheFrameworksPassesThroughTheMonitorsPPI) {
  RecordingHost host;
  host.mainFormPPI = 120;
  const auto m = ManagerIn(host, sm150);
  FakeForm provider;
  host.providerForms = {&provider};
  std::vector<TScaleChangeData> changes;
  m->OnScaleModeChange = [&](TsSkinManager&, TScaleChangeData& d) {
    changes.push_back(d);
    d.NewPPI = 1;  // ignored
  };
  const void* sender = nullptr;
  m->OnScaleChanged = [&](TacOptions& options) { sender = &options; };
  host.events.clear();
  host.broadcasts.clear();
  m->Options().SetScaleMode(smVCL);

  ASSERT_EQ(changes.size(), 2u);
  EXPECT_EQ(changes[0].OldScaleMode, sm150);
  EXPECT_EQ(changes[0].NewScaleMode, smCustomPPI);
  EXPECT_EQ(changes[0].OldScalePercent, 150);
  EXPECT_EQ(changes[0].NewPPI, 120);
  EXPECT_EQ(changes[0].OldPPI, 144);
  EXPECT_EQ(changes[1].OldScaleMode, smCustomPPI);
  EXPECT_EQ(changes[1].NewScaleMode, smVCL);
  EXPECT_EQ(changes[1].OldScalePercent, 125);
  EXPECT_EQ(changes[1].NewPPI, 0);
  EXPECT_EQ(sender, &m->Options());
  EXPECT_EQ(m->Options().ScaleMode(), smVCL);
  EXPECT_TRUE(m->IsActive());
  EXPECT_EQ(provider.scaled, true);
  // Each change reloads once behind the provider forms' lock and broadcasts once.
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "provider-lock"), 2);
  EXPECT_EQ(host.CountOf(SC_SKINLOADED), 2);
}

TEST(Scaling, AChangeOfModeRescalesTheProviderForms) {
  RecordingHost host;
  const auto m = ManagerIn(host, smVCL);
  FakeForm provider;
  host.providerForms = {&provider};
  m->Options().SetScaleMode(sm200);
  EXPECT_EQ(provider.client, (TPoint{800, 600}));
  EXPECT_EQ(m->CommonSkinData(96).PPI, 192);
  m->Options().SetPixelsPerInch(144);  // only stored outside smCustomPPI
  EXPECT_EQ(m->CommonSkinData(96).PPI, 192);
  m->Options().SetScaleMode(smCustomPPI);
  EXPECT_EQ(m->CommonSkinData(96).PPI, 144);
  EXPECT_EQ(provider.client, (TPoint{600, 450}));
  m->Options().SetPixelsPerInch(120);
  EXPECT_EQ(m->CommonSkinData(96).PPI, 120);
}

TEST(Scaling, WhileLoadingAChangeOfModeIsOnlyStoredAndScalesTheMessageFont) {
  RecordingHost host;
  TsSkinManager m(host);
  m.BeginLoad();
  m.Options().SetScaleMode(sm150);
  EXPECT_EQ(m.Options().ScaleMode(), sm150);
  EXPECT_EQ(host.messageFontScales, (std::vector<std::pair<int, int>>{{150, 100}}));
  EXPECT_TRUE(host.broadcasts.empty());
  EXPECT_EQ(TacSkinEngine::Current().ProgramScaleMode(), sm150);
  m.Loaded();
  TacSkinEngine::Current().SetProgramScaleMode(smVCL);
}
