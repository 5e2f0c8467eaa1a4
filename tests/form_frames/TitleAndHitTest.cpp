// The title laid out for the program's windows with Slate's title metrics, and what the
// frame answers for points on it.
#include <gtest/gtest.h>

#include "skin/forms/logic/acFrameHitTest.h"
#include "skin/forms/logic/acFramePicture.h"
#include "skin/forms/logic/acTitleLayout.h"
#include "tests/form_frames/ProgramWindows.h"
#include "tests/support/SlateFixture.h"

namespace {

struct LaidOut {
  TacFormFrame form;
  TacSystemMenuRules rules;
  TacTitleLayout title;
  TacHitTestInput hit;
};

LaidOut Lay(const TacFormFrame& form, const TacTitleSkin& skin) {
  LaidOut l{form, SystemMenuRules(form), {}, {}};
  const int frame = FrameWidth(form, kWin10Metrics, TacFrameKind::Other);
  TacTitleInput in{form, l.rules, form.WindowSize, frame, frame, CaptionHeight(form, kWin10Metrics),
                   FormShowsIcon(form), {}};
  l.title = LayTitleOut(in, skin);
  l.hit = {form, l.rules, nullptr, frame, frame, SysCaptionHeight(form, kWin10Metrics)};
  return l;
}

TacTitleSkin SlateTitle() {
  static const TacTitleSkin skin = TitleSkinOf(*LoadSlate(96).Data);
  return skin;
}

TEST(TitleLayout, MainWindowHasCloseAndMinimizeAndAnIconCentredOnTheTitle) {
  const TacTitleSkin skin = SlateTitle();
  ASSERT_EQ(skin.GlyphWidth[tgClose], 46) << "Slate's close glyph at 96 PPI";
  ASSERT_EQ(skin.CloseHeight, 28);
  const LaidOut l = Lay(MainWindowFrame(), skin);
  const int width = MainWindowFrame().WindowSize.X;  // 418
  // VCenter = caption / 2 + frame / 2 = 11 + 1.
  EXPECT_EQ(l.title.VCenter, 12);
  EXPECT_EQ(l.title.Close.Rect, (TRect{width - 4 - 46, 12 - 14, width - 4, 12 + 14}));
  EXPECT_EQ(l.title.Min.Rect, (TRect{width - 4 - 92, -2, width - 4 - 46, 26}));
  EXPECT_TRUE(l.title.Max.Rect.IsEmpty()) << "maximize is hidden";
  EXPECT_FALSE(l.title.Max.Visible());
  EXPECT_FALSE(l.title.Help.Visible());
  EXPECT_EQ(l.title.IconRect, (TRect{3, 4, 19, 20})) << "16 x 16, centred on the title's centre line";
  EXPECT_EQ(l.title.CaptionRect.Left, 19 + skin.Spacing + skin.BILeftMargin + 2) << "after the icon";
  EXPECT_EQ(l.title.CaptionRect.Right, width - 4 - 92 - skin.Spacing);
}

TEST(TitleLayout, DialogsShowNoIconAndTheNoticeNoButtons) {
  const LaidOut about = Lay(AboutFrame(), SlateTitle());
  EXPECT_TRUE(about.title.Close.Visible());
  EXPECT_FALSE(about.title.Min.Visible() || about.title.Max.Visible());
  EXPECT_EQ(about.title.IconRect.Width(), 0);
  const LaidOut notice = Lay(UpdateNoticeFrame(), SlateTitle());
  for (const TacCaptionButton* b : notice.title.Buttons()) EXPECT_FALSE(b->Visible());
  EXPECT_EQ(notice.title.IconRect.Width(), 0);
}

TEST(TitleLayout, ASkinWithoutGlyphMasksLaysOutTwentyOnePixelButtons) {
  const LaidOut l = Lay(MainWindowFrame(), TacTitleSkin{});
  EXPECT_EQ(l.title.Close.Rect.Width(), 21);
  EXPECT_EQ(l.title.Close.Rect.Height(), 21);
  EXPECT_EQ(l.title.Min.Rect.Right, l.title.Close.Rect.Left);
}

TEST(TitleLayout, IconSizeGrowsWithTheCaption) {
  EXPECT_EQ(AutoIconSize(47, 0), 16);
  EXPECT_EQ(AutoIconSize(48, 0), 24);
  EXPECT_EQ(AutoIconSize(64, 0), 24);
  EXPECT_EQ(AutoIconSize(65, 0), 32);
  EXPECT_EQ(AutoIconSize(70, 10), 24) << "less the top margin";
}

TEST(TitleLayout, MaximizedFormsUseTheRestoreGlyphAndSitTwoPixelsLower) {
  TacFormFrame f = MainWindowFrame();
  f.BorderStyle = TacBorderStyle::bsSizeable;
  f.Icons.Maximize = true;
  const LaidOut normal = Lay(f, SlateTitle());
  f.State = TacWindowState::wsMaximized;
  const LaidOut maximized = Lay(f, SlateTitle());
  EXPECT_EQ(normal.title.Max.Glyph, tgMax);
  EXPECT_EQ(maximized.title.Max.Glyph, tgNormal);
  EXPECT_EQ(maximized.title.VCenter, normal.title.VCenter + 2);
}

struct HitCase {
  const char* name;
  TPoint point;
  int expected;
};

TEST(FrameHitTest, MainWindowTitle) {
  LaidOut l = Lay(MainWindowFrame(), SlateTitle());
  l.hit.Title = &l.title;
  const int width = MainWindowFrame().WindowSize.X;
  const HitCase cases[] = {
      {"icon", {10, 10}, kHitSysMenu},
      {"caption", {150, 10}, kHitCaption},
      {"close", {width - 20, 10}, kHitClose},
      {"minimize", {width - 70, 10}, kHitMinButton},
      {"where a maximize would be", {width - 100, 10}, kHitCaption},
      {"bottom of the caption, inclusive", {150, 26}, kHitCaption},
      {"client", {150, 100}, kHitClient},
      {"side frame of a fixed border", {1, 100}, kHitClient},
  };
  for (const HitCase& c : cases) EXPECT_EQ(CalcHitTest(l.hit, c.point), c.expected) << c.name;
}

TEST(FrameHitTest, UpdateNoticeIconAreaIsCaption) {
  LaidOut l = Lay(UpdateNoticeFrame(), SlateTitle());
  l.hit.Title = &l.title;
  EXPECT_EQ(CalcHitTest(l.hit, {8, 10}), kHitCaption);
  EXPECT_EQ(CalcHitTest(l.hit, {UpdateNoticeFrame().WindowSize.X - 20, 10}), kHitCaption) << "no close button";
}

TEST(FrameHitTest, DisabledButtonsAnswerCaptionAndSizableFormsHaveBorders) {
  TacFormFrame f = MainWindowFrame();
  f.BorderStyle = TacBorderStyle::bsSizeable;
  f.Icons.Maximize = true;
  LaidOut l = Lay(f, SlateTitle());
  l.hit.Title = &l.title;
  const TPoint maxCentre{(l.title.Max.Rect.Left + l.title.Max.Rect.Right) / 2, 10};
  EXPECT_EQ(CalcHitTest(l.hit, maxCentre), kHitMaxButton);
  l.hit.Rules.EnabledMax = false;
  EXPECT_EQ(CalcHitTest(l.hit, maxCentre), kHitCaption);
  const int w = f.WindowSize.X, h = f.WindowSize.Y;
  const HitCase borders[] = {
      {"left", {0, 100}, kHitLeft},       {"right", {w - 1, 100}, kHitRight},
      {"bottom", {100, h - 1}, kHitBottom}, {"bottom right", {w - 1, h - 1}, kHitBottomRight},
      {"top", {100, 0}, kHitTop},          {"top left", {0, 0}, kHitTopLeft},
  };
  for (const HitCase& c : borders) EXPECT_EQ(CalcHitTest(l.hit, c.point), c.expected) << c.name;
}

}  // namespace
