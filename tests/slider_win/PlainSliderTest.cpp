// The notices switch without a skin: a lowered panel with a raised square thumb that
// slides a quarter of the remaining way per frame.
#include <gtest/gtest.h>

#include "framework/DibBitmap.h"
#include "skin/controls/acSlider.h"
#include "skin/base/acSkinCommands.h"
#include "tests/support/MainWindowFixture.h"

namespace {

class PlainSwitch : public MainWindowTest {
 protected:
  TsSlider& Slider() { return *form_->sSlider1; }
  // The slider as it is on the screen, thumb included (COLORREF pixels).
  PixelImage Screen() {
    const HWND window = Slider().Handle();
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const int w = Slider().Width(), h = Slider().Height();
    marv::DibBitmap copy(w, h);
    HDC screen = GetDC(window);
    BitBlt(copy.Dc(), 0, 0, w, h, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    GdiFlush();
    PixelImage picture(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) picture.at(x, y) = PixelToColor(copy.Pixels().at(x, y));
    return picture;
  }
};

TEST_F(PlainSwitch, ALoweredTrackWithARaisedThumbThatAClickMovesOver) {
  ASSERT_EQ(SendMessageW(Slider().Handle(), WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0), 0);
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  const COLORREF face = marv::ToColorRef(Slider().BackColor());
  ASSERT_NE(light, dark);

  PixelImage on = Screen();
  EXPECT_EQ(on.at(5, 0), dark);    // the track's lowered bevel: dark above,
  EXPECT_EQ(on.at(5, 14), light);  // light below
  EXPECT_EQ(on.at(1, 1), light);   // the thumb (1..13) is raised: light at its top-left,
  EXPECT_EQ(on.at(13, 13), dark);  // dark at its bottom-right,
  EXPECT_EQ(on.at(7, 7), face);    // its colour inside
  EXPECT_EQ(on.at(20, 7), face);   // and the track's colour beside it

  uitest::Click(Slider());
  ASSERT_FALSE(Slider().SliderOn());
  PixelImage off = Screen();
  EXPECT_EQ(off.at(19, 1), light);
  EXPECT_EQ(off.at(31, 13), dark);
  EXPECT_EQ(off.at(5, 7), face);
}

}  // namespace
