// Forms at another density: rescaled by a fixed scale mode, and following a monitor's
// density under the framework's own scaling, with skin data of that density.
#include <gtest/gtest.h>

#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "skin/windows/acFormScaling.h"
#include "skin/windows/acFrameworkHost.h"
#include "tests/skin_manager_win/ObservedForms.h"

TEST(FormScaling, AFixedScaleModeRescalesAFormOnce) {
  marv::Application app;
  auto& form = app.CreateForm<marv::Form>(L"Plain");
  form.SetClientSize(400, 300);
  ASSERT_EQ(form.ClientSizeInPixels().cx, 400);
  TacFrameworkHost host(&form);
  TsSkinManager manager(host);
  manager.Options().SetScaleMode(sm150);
  TacFormScaling scaling(form);
  const RECT before = form.BoundsRect();
  manager.UpdateScale(scaling, 96, 0);
  EXPECT_FALSE(form.Scaled());
  EXPECT_EQ(form.CurrentDpi(), 144);
  EXPECT_EQ(form.ClientSizeInPixels().cx, 600);
  EXPECT_EQ(form.ClientSizeInPixels().cy, 450);
  EXPECT_EQ(form.BoundsRect().left, before.left);
  EXPECT_EQ(form.BoundsRect().top, before.top);
  manager.UpdateScale(scaling, 96, 0);
  EXPECT_EQ(form.ClientSizeInPixels().cx, 600);
  manager.Options().SetScaleMode(smVCL);
  manager.UpdateScale(scaling, 96, 0);
  EXPECT_TRUE(form.Scaled());
  EXPECT_EQ(form.ClientSizeInPixels().cx, 600);
}

TEST(FormScaling, AFormMovedToA144PpiMonitorIsDrawnWith144PpiSkinData) {
  marv::Application app;
  auto& form = app.CreateForm<ObservedForm1>();
  TsSkinManager& manager = *form.sknmngr1;
  ASSERT_TRUE(manager.IsActive());
  form.received.clear();
  RECT suggested = form.BoundsRect();
  suggested.right = suggested.left + (suggested.right - suggested.left) * 3 / 2;
  suggested.bottom = suggested.top + (suggested.bottom - suggested.top) * 3 / 2;
  SendMessageW(form.Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));

  EXPECT_EQ(form.CurrentDpi(), 144);
  ASSERT_FALSE(form.received.empty());
  EXPECT_EQ(form.received.front().Control, L"Form1");
  EXPECT_EQ(form.received.front().Command, SC_SETPPI);
  EXPECT_EQ(form.received.front().LParam, 144);
  for (marv::Control* control : ControlsOf(form)) {
    const int ppi = GetControlPPI(&manager, control, true);
    EXPECT_EQ(ppi, 144) << std::string(control->Name().begin(), control->Name().end());
    TacSkinData& data = manager.CommonSkinData(ppi);
    EXPECT_EQ(data.PPI, 144);
    EXPECT_FALSE(data.gd.empty());
  }
  const int button = manager.GetSkinIndex("BUTTON");
  const int mask96 = manager.GetMaskIndex(button, "BUTTON", "BORDERSMASK");
  const int mask144 = manager.GetMaskIndex(button, "BUTTON", "BORDERSMASK", &manager.CommonSkinData(144));
  EXPECT_GT(manager.CommonSkinData(144).ma[mask144].Height, manager.CommonSkinData(96).ma[mask96].Height);
}
