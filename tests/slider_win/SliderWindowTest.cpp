// The main window's notices switch, skinned with the embedded Slate, driven through its
// windows as the mouse would: the track, the thumb window and its capture.
#include <gtest/gtest.h>

#include "skin/controls/acSlider.h"
#include "skin/base/acSkinCommands.h"
#include "tests/support/MainWindowFixture.h"

namespace {

constexpr uint32_t kAccentTrack = 0xC06700;  // SLIDER_ON's face, COLORREF-style

class NoticesSwitch : public MainWindowTest {
 protected:
  TsSlider& Slider() { return *form_->sSlider1; }
  HWND SliderWindow() { return Slider().Handle(); }
  HWND ThumbWindow() { return Slider().Thumb().Handle(); }
  static LRESULT Command(HWND window, uint16_t command) {
    return SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(command), 0);
  }
  // The thumb window's left edge inside the slider.
  int ThumbLeft() {
    RECT r;
    GetWindowRect(ThumbWindow(), &r);
    MapWindowPoints(nullptr, SliderWindow(), reinterpret_cast<POINT*>(&r), 2);
    return r.left;
  }
  // The track as the slider last painted it, at its middle (COLORREF).
  uint32_t TrackMiddle() {
    RedrawWindow(SliderWindow(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    const PixelImage& cache = Slider().SkinData().CacheBmp();
    return cache.empty() ? 0xFFFFFFFF : PixelToColor(cache.at(cache.width() / 2, cache.height() / 2));
  }
  void ThumbMouse(UINT msg, int x, WPARAM keys) { SendMessageW(ThumbWindow(), msg, keys, MAKELPARAM(x, 6)); }
  // Presses the thumb at (6, 6) of it; MoveThumbTo moves the mouse so that the thumb's
  // left edge would follow to `left`.
  void PressThumb() { ThumbMouse(WM_LBUTTONDOWN, 6, MK_LBUTTON); }
  void MoveThumbTo(int left) { ThumbMouse(WM_MOUSEMOVE, left - ThumbLeft() + 6, MK_LBUTTON); }
  void ReleaseThumb() { ThumbMouse(WM_LBUTTONUP, 6, 0); }
};

TEST_F(NoticesSwitch, SliderAndThumbAreSkinnedWithTheOnLookAtStart) {
  EXPECT_EQ(Command(SliderWindow(), SC_ISSKINNED), 1);
  EXPECT_EQ(Command(ThumbWindow(), SC_ISSKINNED), 1);
  EXPECT_EQ(Command(SliderWindow(), SC_DEFAULTSECTION), 8);
  EXPECT_EQ(SendMessageW(SliderWindow(), WM_GETTEXTLENGTH, 0, 0), 0);
  EXPECT_TRUE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 1);
  EXPECT_EQ(Slider().Thumb().SkinData().SkinSection(), "THUMB_ON");
  EXPECT_EQ(TrackMiddle(), kAccentTrack);
  // The thumb asked the slider what lies under it and got the track's picture.
  const PixelImage& track = Slider().SkinData().CacheBmp();
  const PixelImage& thumb = Slider().Thumb().SkinData().CacheBmp();
  ASSERT_EQ(thumb.width(), 13);
  ASSERT_EQ(thumb.height(), 13);
  EXPECT_EQ(PixelToColor(thumb.at(0, 6)), PixelToColor(track.at(1, 7)));
  EXPECT_EQ(PixelToColor(thumb.at(12, 12)), PixelToColor(track.at(13, 13)));
  EXPECT_EQ(PixelToColor(thumb.at(6, 6)), 0xFFFFFFu);  // the white dot
}

TEST_F(NoticesSwitch, AClickTurnsNoticesOffAndAnotherTurnsThemOnAgain) {
  uitest::Click(Slider());  // on the track, beside the thumb
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 19);
  EXPECT_EQ(Slider().Thumb().SkinData().SkinSection(), "THUMB_OFF");
  EXPECT_EQ(TrackMiddle(), 0xFFFFFFu);  // the white inside of the outlined off track

  RunAppCommand(form_->btn9, form_->p1);  // 照片, 卸载
  ASSERT_TRUE(WaitForRuns(1));
  uitest::PumpFor(100);
  EXPECT_TRUE(watcher_.Boxes().empty());

  uitest::Click(Slider());
  EXPECT_TRUE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 1);
  EXPECT_EQ(TrackMiddle(), kAccentTrack);
  RunAppCommand(form_->btn9, form_->p1);
  ASSERT_TRUE(WaitForBoxes(1));
  EXPECT_EQ(watcher_.Boxes()[0].text, L"照片 卸载完成！");
}

// The bulk jobs read the switch from their own thread.
TEST_F(NoticesSwitch, ABulkJobStartedWithNoticesOffReportsNothing) {
  uitest::Click(Slider());
  ASSERT_FALSE(Slider().SliderOn());
  uitest::Click(*form_->btn23);  // 卸载全部: the question box is answered yes
  ASSERT_TRUE(WaitForRuns(1));
  uitest::PumpFor(500);
  ASSERT_EQ(watcher_.Boxes().size(), 1u);  // only the question
  EXPECT_NE(watcher_.Boxes()[0].buttons.count(IDYES), 0u);
}

// The main window listens to the switch's changes: a drag that turns the switch over
// ends there, and the thumb sits at its end for the new state until the button goes up.
TEST_F(NoticesSwitch, DraggingTheThumbToTheFarEndTurnsItOffAndEndsTheDrag) {
  PressThumb();
  EXPECT_EQ(GetCapture(), ThumbWindow());
  MoveThumbTo(10);
  EXPECT_EQ(ThumbLeft(), 10);
  EXPECT_TRUE(Slider().SliderOn());
  MoveThumbTo(17);  // within 3 pixels of its far place (19)
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 19);
  MoveThumbTo(8);  // the drag is over: the thumb no longer follows
  EXPECT_EQ(ThumbLeft(), 19);
  EXPECT_FALSE(Slider().SliderOn());
  ReleaseThumb();
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 19);
  EXPECT_NE(GetCapture(), ThumbWindow());
}

TEST_F(NoticesSwitch, ReleasedMidwayTheThumbGoesWhereItsPositionSays) {
  PressThumb();
  MoveThumbTo(12);
  MoveThumbTo(8);  // left of the middle: on
  ReleaseThumb();
  EXPECT_TRUE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 1);

  PressThumb();
  MoveThumbTo(12);  // right of the middle: off
  ReleaseThumb();
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 19);
}

TEST_F(NoticesSwitch, PressingAndReleasingTheThumbInPlaceToggles) {
  PressThumb();
  ReleaseThumb();
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 19);
}

// Moved to a 144-PPI monitor the switch is about 1.5 times as large (49 × 23: its edges
// are scaled, not its size); the thumb keeps Slate's one-pixel margin.
TEST_F(NoticesSwitch, AtAHigherDensityTheThumbIsLaidOutAgain) {
  form_->RescaleToDpi(144);
  uitest::PumpFor(50);
  const int w = Slider().Width(), h = Slider().Height(), side = h - 2;
  ASSERT_EQ(h, 23);
  RECT thumb;
  GetClientRect(ThumbWindow(), &thumb);
  EXPECT_EQ(thumb.right, side);
  EXPECT_EQ(thumb.bottom, side);
  EXPECT_EQ(ThumbLeft(), 1);
  EXPECT_EQ(TrackMiddle(), kAccentTrack);
  EXPECT_EQ(Slider().SkinData().CacheBmp().width(), w);
  uitest::Click(Slider());
  EXPECT_FALSE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), w - side - 1);
  EXPECT_EQ(TrackMiddle(), 0xFFFFFFu);
}

TEST_F(NoticesSwitch, RightButtonPressesOnTheThumbDoNothing) {
  ThumbMouse(WM_RBUTTONDOWN, 6, MK_RBUTTON);
  ThumbMouse(WM_MOUSEMOVE, 20, MK_RBUTTON);
  ThumbMouse(WM_RBUTTONUP, 20, 0);
  EXPECT_TRUE(Slider().SliderOn());
  EXPECT_EQ(ThumbLeft(), 1);
  EXPECT_NE(GetCapture(), ThumbWindow());
}

}  // namespace
