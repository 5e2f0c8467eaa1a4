// High contrast switched on while the program runs drops the skin: the buttons show the
// system's colours; switched off, the skin's picture comes back.
#include <map>

#include "framework/DibBitmap.h"
#include "tests/accessibility_win/AccessFixture.h"

namespace {

// The colour most pixels of a control show on the screen.
COLORREF MainColour(marv::Control& control) {
  const RECT r = control.BoundsRect();
  const int w = r.right - r.left, h = r.bottom - r.top;
  marv::DibBitmap dib(w, h);
  HDC dc = GetDC(control.Parent()->Handle());
  BitBlt(dib.Dc(), 0, 0, w, h, dc, r.left, r.top, SRCCOPY);
  ReleaseDC(control.Parent()->Handle(), dc);
  GdiFlush();
  std::map<uint32_t, int> counts;
  const PixelBuffer pixels = dib.Pixels();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) ++counts[pixels.at(x, y) & 0xFFFFFF];
  uint32_t best = 0;
  int most = 0;
  for (auto [colour, count] : counts)
    if (count > most) std::tie(best, most) = std::tie(colour, count);
  // The pixel reads 0x00RRGGBB; COLORREF holds red in the low byte.
  return RGB((best >> 16) & 0xFF, (best >> 8) & 0xFF, best & 0xFF);
}

void ChangeHighContrast(TForm1& form, bool on) {
  form.HighContrast().SetQuery([on] { return on; });
  SendMessageW(form.Handle(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
  UpdateWindow(form.Handle());
  uitest::PumpFor(100);
}

TEST_F(AccessTest, HighContrastDropsTheSkinAndSwitchedOffBringsItBack) {
  ASSERT_TRUE(form_->sknmngr1->IsActive());
  const COLORREF skinned = MainColour(*form_->btn9);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  ASSERT_NE(skinned, face) << "the skin's buttons must differ from the system's to tell them apart";

  ChangeHighContrast(*form_, true);
  EXPECT_FALSE(form_->sknmngr1->IsActive());
  EXPECT_TRUE(form_->HighContrast().SkinDropped());
  EXPECT_EQ(MainColour(*form_->btn9), face);
  EXPECT_EQ(MainColour(*form_->btn23), face);

  // Another setting changing meanwhile changes nothing.
  SendMessageW(form_->Handle(), WM_SETTINGCHANGE, SPI_SETWORKAREA, 0);
  EXPECT_FALSE(form_->sknmngr1->IsActive());

  ChangeHighContrast(*form_, false);
  EXPECT_TRUE(form_->sknmngr1->IsActive());
  EXPECT_FALSE(form_->HighContrast().SkinDropped());
  EXPECT_EQ(MainColour(*form_->btn9), skinned);
}

TEST_F(AccessTest, HighContrastOffLeavesASkinTheProgramTurnedOffAlone) {
  // The skin was off for another reason: high contrast ending does not bring it back.
  form_->sknmngr1->SetActive(false);
  ChangeHighContrast(*form_, true);
  ChangeHighContrast(*form_, false);
  EXPECT_FALSE(form_->sknmngr1->IsActive());
}

}  // namespace
