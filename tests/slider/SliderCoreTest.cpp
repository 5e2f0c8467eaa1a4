// The slider's behaviour against a view that records what the windows would show: the
// thumb's places, the track picture of every frame, redraws and the events' order.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/controls/logic/acSliderCore.h"

namespace {

constexpr uint32_t kTrackOn = 0xFF2060C0;   // the track picture with the thumb at the start
constexpr uint32_t kTrackOff = 0xFFE0E0E0;  // ... and at the end

class RecordingView final : public IacSliderView, public IacFrameClock {
 public:
  // A whole frame: shown when redrawing came back on.
  struct Frame {
    int thumbPos;
    uint32_t trackPixel;
    uint64_t shownAt;
    std::string thumbSection;
    bool thumbMovedUnseen;  // the thumb moved while redrawing was off
  };

  explicit RecordingView(TacSliderCore*& core) : core_(core) {}

  void MoveThumb(const TRect& thumb) override {
    thumbs.push_back(thumb);
    if (!redrawOn) movedUnseen = true;
  }
  void UpdateThumbSection(bool guard) override {
    section = core_ && core_->SliderOn() ? "THUMB_ON" : "THUMB_OFF";
    if (guard) log.push_back("section " + section);
  }
  std::string_view ThumbSection() override { return section; }
  void ApplyThumbState() override {}
  void BeginStateUpdate() override { log.push_back("begin"); }
  void EndStateUpdate() override { log.push_back("end"); }
  void UpdateIndexes() override {}
  bool Loading() override { return false; }
  void RedrawAll(bool pictureStale) override {
    if (pictureStale) ++staleRedraws;
    if (!core_ || !core_->Changing()) return;
    redrawsWhileChanging.push_back(core_->Thumb().Left);
    if (redrawOn && frameOpen) {
      frames.push_back({core_->Thumb().Left, cache.at(5, 5), now, section, movedUnseen});
      frameOpen = false;
      movedUnseen = false;
    }
  }
  void RedrawThumbWithFrame() override {}
  bool SliderHoldsCapture() override { return false; }
  bool Skinned() override { return skinned; }
  bool FullPaint() override { return false; }
  bool AnimationAllowed() override { return animation; }
  PixelBuffer Cache() override { return cache.view(); }
  void RebuildCache() override { cache = PixelImage(33, 15, core_->ThumbAtStart() ? kTrackOn : kTrackOff); }
  void MarkThumbStale() override {}
  void SetRedraw(bool on) override {
    redrawOn = on;
    if (!on) frameOpen = true;
  }
  IacFrameClock& Clock() override { return *this; }
  uint64_t NowMs() override { return now; }
  void GiveWay() override { now += 1; }

  bool skinned = true;
  bool animation = true;
  bool redrawOn = true;
  bool frameOpen = false;
  bool movedUnseen = false;
  uint64_t now = 0;
  std::string section = "THUMB_ON";
  PixelImage cache{33, 15, kTrackOn};
  std::vector<TRect> thumbs;
  std::vector<Frame> frames;
  std::vector<int> redrawsWhileChanging;  // the thumb's left at each redraw during a toggle
  int staleRedraws = 0;                   // redraws that asked for a fresh track picture
  std::vector<std::string> log;

 private:
  TacSliderCore*& core_;
};

// The main window's switch: 33 × 15, skinned, margin 1; starts on.
class SliderCore : public ::testing::Test {
 protected:
  void SetUp() override {
    core = &owned;
    TacSliderShape& s = owned.Properties();
    s.Width = 33;
    s.Height = 15;
    s.MarginRule = {.ImageThumb = false, .Skinned = true, .SliderMargin = 1, .StretchedPPI = -1};
    owned.OnChanging = [this](bool& can) {
      events.push_back("changing");
      can = allow;
    };
    owned.OnSliderChange = [this] { events.push_back(owned.SliderOn() ? "changed on" : "changed off"); };
    owned.UpdateThumbPos();
  }
  // A press on the thumb at (6, 6), moves to thumb-relative x positions, a release.
  void Drag(std::initializer_list<int> xs, bool release = true) {
    owned.ThumbMouseDown(true, {6, 6});
    for (int x : xs) owned.ThumbMouseMove({x - owned.Thumb().Left + 6, 6});
    if (release) owned.ThumbMouseUp();
  }

  TacSliderCore* core = nullptr;
  RecordingView view{core};
  TacSliderCore owned{view};
  std::vector<std::string> events;
  bool allow = true;
};

TEST_F(SliderCore, AClickSlidesTheThumbOverThirteenFramesWhileTheTrackFades) {
  ASSERT_EQ(owned.Thumb(), TRect::FromSize(1, 1, 13, 13));
  owned.AnimatedToggle();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb(), TRect::FromSize(19, 1, 13, 13));
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed off"}));

  ASSERT_EQ(view.frames.size(), 13u);
  const int positions[] = {7, 11, 14, 15, 17, 17, 18, 18, 19, 19, 19, 19, 19};
  for (size_t i = 0; i < 13; ++i) {
    EXPECT_EQ(view.frames[i].thumbPos, positions[i]) << i;
    EXPECT_TRUE(view.frames[i].thumbMovedUnseen) << i;
    if (i > 0) {
      EXPECT_GE(view.frames[i].shownAt - view.frames[i - 1].shownAt, 12u) << i;
    }
    // The thumb takes the off look once it is less than a pixel from its end (frame 8).
    EXPECT_EQ(view.frames[i].thumbSection, i < 7 ? "THUMB_ON" : "THUMB_OFF") << i;
  }
  // Frame 1 fades from the off picture toward the on picture by weight 161:
  // blue (0xE0·256 + (0xC0 − 0xE0)·161) >> 8 = (57344 − 5152) >> 8 = 203.
  EXPECT_EQ(PixelB(view.frames[0].trackPixel), 203u);
  EXPECT_EQ(PixelG(view.frames[0].trackPixel), (0xE0 * 256 + (0x60 - 0xE0) * 161) >> 8);
  // The last one (weight 1) is nearly off: red (57344 − 192) >> 8 = 223.
  EXPECT_EQ(PixelR(view.frames[12].trackPixel), 223u);
  // Afterwards the track is the off picture, painted afresh, and the thumb looks off.
  EXPECT_EQ(view.cache.at(0, 0), kTrackOff);
  EXPECT_EQ(view.section, "THUMB_OFF");
}

TEST_F(SliderCore, ASecondClickSlidesBackAndTheThumbLooksOnAgain) {
  owned.AnimatedToggle();
  events.clear();
  owned.AnimatedToggle();
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb(), TRect::FromSize(1, 1, 13, 13));
  EXPECT_EQ(view.frames.back().thumbPos, 1);
  EXPECT_EQ(view.section, "THUMB_ON");
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed on"}));
}

TEST_F(SliderCore, ARefusedClickChangesNothingAndMovesNothing) {
  allow = false;
  const size_t moves = view.thumbs.size();
  owned.AnimatedToggle();
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_EQ(view.thumbs.size(), moves);
  EXPECT_TRUE(view.frames.empty());
  EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
}

TEST_F(SliderCore, WithoutAnimationsTheThumbJumpsToTheOtherEnd) {
  view.animation = false;
  owned.AnimatedToggle();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_TRUE(view.frames.empty());
  EXPECT_EQ(view.now, 0u);
  EXPECT_EQ(owned.Thumb().Left, 19);
  EXPECT_EQ(view.section, "THUMB_OFF");
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed off"}));
  EXPECT_EQ(view.staleRedraws, 1);  // the track is painted afresh for the off state
}

TEST_F(SliderCore, UnskinnedTheThumbSlidesAQuarterOfTheWayPerFrame) {
  view.skinned = false;
  owned.Properties().MarginRule.Skinned = false;  // one pixel of bevel: same travel 1..19
  owned.UpdateThumbPos();
  owned.AnimatedToggle();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 19);
  EXPECT_TRUE(view.frames.empty());  // no cross-fade: redrawing stays on
  // 19 frames (1 + 18/4 = 5.5 rounds to 6 first), then the closing redraw.
  ASSERT_EQ(view.redrawsWhileChanging.size(), 20u);
  EXPECT_EQ(view.redrawsWhileChanging[0], 6);
  EXPECT_EQ(view.redrawsWhileChanging[18], 19);
  EXPECT_GE(view.now, 19u * 12);
}

TEST_F(SliderCore, AThumbThatFillsTheTrackTogglesWithoutFrames) {
  owned.Properties().Width = 15;  // thumb 13 + margins 1 + 1: no travel
  owned.UpdateThumbPos();
  owned.AnimatedToggle();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_TRUE(view.frames.empty());
  EXPECT_EQ(owned.Thumb().Left, 1);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed off"}));
}

TEST_F(SliderCore, SettingTheStateAsksFirstAndTellsLastAndNothingForTheSameValue) {
  owned.SetSliderOn(true);
  EXPECT_TRUE(events.empty());
  owned.SetSliderOn(false);
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed off"}));
  EXPECT_EQ(owned.Thumb().Left, 19);
  allow = false;
  owned.SetSliderOn(true);
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 19);
}

TEST_F(SliderCore, PressAndReleaseWithoutMovingIsAClick) {
  owned.ThumbMouseDown(true, {6, 6});
  owned.ThumbMouseUp();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(view.frames.size(), 13u);
}

TEST_F(SliderCore, MovingAwayAndBackToThePressPointIsStillAClick) {
  owned.ThumbMouseDown(true, {6, 6});
  owned.ThumbMouseMove({7, 6});
  owned.ThumbMouseMove({6, 6});  // the thumb moved with the mouse: (6, 6) is the press point again
  EXPECT_FALSE(owned.Dragged());
  owned.ThumbMouseUp();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(view.frames.size(), 13u);
}

TEST_F(SliderCore, RightButtonPressesDoNothing) {
  owned.ThumbMouseDown(false, {6, 6});
  owned.ThumbMouseMove({16, 6});
  owned.ThumbMouseUp();
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 1);
  EXPECT_TRUE(events.empty());
}

// The thumb (13 wide) may go up to left 18 (18 + 13 < 32); past left 16 (33 − 13 − 3 − 1)
// the state turns off while the button is still down.
TEST_F(SliderCore, DraggingNearTheFarEndTurnsTheStateOverBeforeRelease) {
  owned.OnSliderChange = nullptr;  // nobody listens: the drag outlives the flip
  Drag({10, 16}, false);
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 16);
  owned.ThumbMouseMove({17 - owned.Thumb().Left + 6, 6});
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 17);
  EXPECT_EQ(events, (std::vector<std::string>{"changing"}));
  // The drag goes on: the thumb still follows the mouse.
  EXPECT_TRUE(owned.Capturing());
  owned.ThumbMouseMove({12 - owned.Thumb().Left + 6, 6});
  EXPECT_EQ(owned.Thumb().Left, 12);
  owned.ThumbMouseUp();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 19);
  EXPECT_TRUE(view.frames.empty());
}

TEST_F(SliderCore, ReleasingMidwayDecidesByThePosition) {
  struct Case {
    int to;
    bool on;
  };
  for (const Case c : {Case{8, true}, Case{9, false}}) {
    owned.SetSliderOn(true);
    events.clear();
    Drag({c.to});
    EXPECT_EQ(owned.SliderOn(), c.on) << c.to;
    EXPECT_EQ(owned.Thumb().Left, c.on ? 1 : 19) << c.to;
    EXPECT_FALSE(owned.Dragged());
  }
}

TEST_F(SliderCore, DraggingBackFromTheFarEndAndReleasingMiddleLeftTurnsItOnAgain) {
  owned.OnSliderChange = nullptr;
  Drag({17}, false);
  ASSERT_FALSE(owned.SliderOn());
  owned.ThumbMouseMove({8 - owned.Thumb().Left + 6, 6});
  owned.ThumbMouseUp();
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_EQ(owned.Thumb().Left, 1);
}

TEST_F(SliderCore, PushedPastAnEndTheThumbStopsThereAndTheStateFollows) {
  owned.OnSliderChange = nullptr;
  Drag({40}, false);  // n + 13 > 33: put at the end
  EXPECT_EQ(owned.Thumb().Left, 19);
  EXPECT_FALSE(owned.SliderOn());
  owned.ThumbMouseMove({-30, 6});  // n < 1: back to the start
  EXPECT_EQ(owned.Thumb().Left, 1);
  EXPECT_TRUE(owned.SliderOn());
  owned.ThumbMouseUp();
  EXPECT_TRUE(owned.SliderOn());
}

// Someone listening to the change: the flip ends the drag, the thumb goes to the new
// state's end and later moves are ignored.
TEST_F(SliderCore, WithAChangeHandlerAFlipDuringADragEndsTheDrag) {
  Drag({10, 17}, false);
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(events, (std::vector<std::string>{"changing", "changed off"}));
  EXPECT_FALSE(owned.Capturing());
  EXPECT_FALSE(owned.Dragged());
  EXPECT_EQ(owned.Thumb().Left, 19);
  owned.ThumbMouseMove({8 - owned.Thumb().Left + 6, 6});
  EXPECT_EQ(owned.Thumb().Left, 19);
  owned.ThumbMouseUp();
  EXPECT_FALSE(owned.SliderOn());
  EXPECT_EQ(events.size(), 2u);
}

TEST_F(SliderCore, ARefusedChangeWhileDraggingSendsTheThumbBackAndEndsTheDrag) {
  allow = false;
  Drag({17}, false);
  EXPECT_TRUE(owned.SliderOn());
  EXPECT_FALSE(owned.Capturing());
  EXPECT_EQ(owned.Thumb().Left, 1);
  owned.ThumbMouseMove({10, 6});
  EXPECT_EQ(owned.Thumb().Left, 1);
  owned.ThumbMouseUp();
  EXPECT_TRUE(owned.SliderOn());
}

}  // namespace
