#include <gtest/gtest.h>

#include "skin/forms/logic/acBorderGeometry.h"
#include "skin/forms/logic/acHitCodes.h"

namespace {

// The program's skin at 96 PPI around a bsSingle main window on Windows 10: extended
// frame 8, shadow (13, 11, 13, 15), system frame 3, system caption 23, skin title 30.
TacBorderMetrics MainWindowMetrics() {
  TacBorderMetrics m;
  m.ExBorderWidth = 8;
  m.Shadow = {13, 11, 13, 15};
  m.SysFrame = 3;
  m.SysCaptionHeight = 23;
  m.TitleHeight = 30;
  m.CaptionHeight = 30;
  return m;
}

TEST(BorderOffsets, FollowTheSkinAndTheSystemFrame) {
  TacBorderMetrics m = MainWindowMetrics();
  EXPECT_EQ(BorderOffsetX(m), 18);  // 8 + 13 - 3
  EXPECT_EQ(BorderOffsetY(m), 15);  // 11 + 30 - 3 - 23
  m.SysExHeight = true;             // the skin title is more than 4 px taller
  EXPECT_EQ(BorderOffsetY(m), 19);  // 11 + (30 - 23 - 3) + 4
  m.TitleHeight = 0;                // no caption: the skin title adds nothing
  m.SysExHeight = false;
  EXPECT_EQ(BorderOffsetY(m), 11 - 3 - 23);
}

// A 400 x 300 frame inside its shadow, with an icon and two caption buttons.
constexpr int kWidth = 13 + 400 + 13, kHeight = 11 + 300 + 15;
const TRect kClose = TRect::FromSize(13 + 400 - 8 - 30, 11 + 8, 30, 22);
const TRect kMinimize = kClose.Offset(-30, 0);

TacBorderHitInput MainWindowInput() {
  TacBorderHitInput in;
  in.Width = kWidth;
  in.Height = kHeight;
  in.Metrics = MainWindowMetrics();
  in.IconRect = TRect::FromSize(13 + 8 + 4, 11 + 7, 16, 16);
  in.ButtonHit = [](TPoint p) {
    if (kClose.Contains(p.X, p.Y)) return int(acHtClose);
    if (kMinimize.Contains(p.X, p.Y)) return int(acHtMinButton);
    return int(acHtTransparent);
  };
  return in;
}

struct HitCase {
  const char* where;
  TPoint point;
  int code;
  bool outsideFrame;
};

TEST(BorderHitTest, MainWindow) {
  const HitCase cases[] = {
      {"left shadow beyond the frame's reach", {13 - 9, 200}, acHtTransparent, true},
      {"left shadow within max(6, e) of the frame", {13 - 8, 200}, acHtTransparent, false},
      {"top shadow above the title", {200, 0}, acHtCaption, true},
      {"title band", {200, 11 + 15}, acHtCaption, false},
      {"title band's last row (caption + shadow top)", {200, 41}, acHtCaption, false},
      {"icon", {13 + 8 + 4 + 8, 11 + 7 + 8}, acHtSysMenu, false},
      {"close", {kClose.Left + 5, kClose.Top + 5}, acHtClose, false},
      {"minimize", {kMinimize.Left + 5, kMinimize.Top + 5}, acHtMinButton, false},
      {"left frame band below the title", {13 + 2, 200}, acHtTransparent, false},
      {"right shadow", {kWidth - 1, 200}, acHtTransparent, true},
  };
  const TacBorderHitInput in = MainWindowInput();
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(BorderHitTest(in, c.point), c.code);
    EXPECT_EQ(BorderOutsideFrame(in, c.point), c.outsideFrame);
  }
}

TEST(BorderHitTest, OwnerStatesOverrideTheFrame) {
  TacBorderHitInput in = MainWindowInput();
  const TPoint title{200, 20}, close{kClose.Left + 5, kClose.Top + 5};
  in.OwnerDisabled = true;  // a modal box is open: the whole frame lets the mouse through
  EXPECT_EQ(BorderHitTest(in, title), acHtTransparent);
  EXPECT_EQ(BorderHitTest(in, close), acHtTransparent);
  in.OwnerDisabled = false;
  in.ExtHitTest = [](TPoint p) { return p.X < 100 ? int(acHtHelp) : 0; };  // the owner's say first
  EXPECT_EQ(BorderHitTest(in, TPoint{50, 20}), acHtHelp);
  EXPECT_EQ(BorderHitTest(in, title), acHtCaption);
  in.Scaling = true;
  EXPECT_EQ(BorderHitTest(in, close), acHtNowhere);
  in.Scaling = false;
  in.Maximized = true;  // nothing lets the mouse through while maximized
  EXPECT_FALSE(BorderOutsideFrame(in, TPoint{0, 200}));
}

TEST(BorderHitTest, SizableOwnerBands) {
  TacBorderHitInput in = MainWindowInput();
  in.Sizable = true;
  const TRect content = BorderContentRect(in.Metrics, kWidth, kHeight);
  const HitCase cases[] = {
      {"top-left corner", {content.Left - 1, content.Top - 1}, acHtTopLeft, false},
      {"top-right corner", {content.Right, content.Top - 8}, acHtTopRight, false},
      {"bottom-left corner", {content.Left - 8, content.Bottom}, acHtBottomLeft, false},
      {"bottom-right corner", {content.Right + 7, content.Bottom + 7}, acHtBottomRight, false},
      {"left band", {content.Left - 3, 200}, acHtLeft, false},
      {"right band", {content.Right, 200}, acHtRight, false},
      {"top band", {200, content.Top - 1}, acHtTop, false},
      {"bottom band", {200, content.Bottom + 1}, acHtBottom, false},
      {"beyond the bands", {content.Left - 9, 200}, acHtTransparent, true},
      {"inside: the title", {200, content.Top + 5}, acHtCaption, false},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(BorderHitTest(in, c.point), c.code);
    EXPECT_EQ(BorderOutsideFrame(in, c.point), c.outsideFrame);
  }
  in.Maximized = true;  // no sizing while maximized
  EXPECT_EQ(BorderHitTest(in, TPoint{content.Left - 3, 200}), acHtTransparent);
}

TEST(BorderHitTest, SizableOwnerInsideTheShadowOffsets) {
  TacBorderHitInput in = MainWindowInput();
  in.Sizable = true;
  in.ExDrawMode = 1;
  in.ExShadowOffs = {4, 2, 4, 6};
  const TRect content = BorderContentRect(in.Metrics, kWidth, kHeight);
  const TRect reach{content.Left - 4, content.Top - 2, content.Right + 4, content.Bottom + 6};
  const int s1 = in.Metrics.SysFrame + 1;
  const HitCase cases[] = {
      {"top rows reach + 0..4", {200, reach.Top + 4}, acHtTop, false},
      {"below the top rows: title", {200, reach.Top + 5}, acHtCaption, false},
      {"left s + 1 columns", {reach.Left + s1 - 1, 200}, acHtLeft, false},
      {"inside the left columns", {reach.Left + s1, 200}, acHtTransparent, false},
      {"bottom-right corner", {reach.Right - 1, reach.Bottom - 1}, acHtBottomRight, false},
      {"bottom s + 1 rows", {200, reach.Bottom - s1}, acHtBottom, false},
      {"beyond the offsets", {reach.Left - 1, 200}, acHtTransparent, true},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.where);
    EXPECT_EQ(BorderHitTest(in, c.point), c.code);
    EXPECT_EQ(BorderOutsideFrame(in, c.point), c.outsideFrame);
  }
}

TEST(BorderHitTest, MenuLineAndGrip) {
  TacBorderHitInput in = MainWindowInput();
  in.MenuLineHeight = 20;
  in.GripTopLeft = TPoint{kWidth - 13 - 16, kHeight - 15 - 16};
  EXPECT_EQ(BorderHitTest(in, TPoint{200, 42}), acHtMenu);
  EXPECT_EQ(BorderHitTest(in, TPoint{200, 61}), acHtMenu);
  EXPECT_EQ(BorderHitTest(in, TPoint{200, 62}), acHtTransparent);
  EXPECT_EQ(BorderHitTest(in, TPoint{kWidth - 13 - 1, kHeight - 15 - 1}), acHtBottomRight);
  EXPECT_EQ(BorderHitTest(in, TPoint{kWidth - 13 - 17, kHeight - 15 - 1}), acHtTransparent);
}

int Area(const std::vector<TRect>& rects) {
  int area = 0;
  for (const TRect& r : rects) area += r.Width() * r.Height();
  return area;
}

bool Covers(const std::vector<TRect>& rects, int x, int y) {
  for (const TRect& r : rects) {
    if (r.Contains(x, y)) return true;
  }
  return false;
}

TEST(BorderRegion, WholeWindowLessTheClientHole) {
  TacBorderRegionInput in;
  in.Width = kWidth;
  in.Height = kHeight;
  in.Metrics = MainWindowMetrics();
  in.Hole = BorderClientHole({13 + 11, 11 + 41}, 378, 245, 0);
  const std::vector<TRect> region = BorderRegion(in);
  EXPECT_EQ(Area(region), kWidth * kHeight - 378 * 245);
  EXPECT_FALSE(Covers(region, 13 + 11, 11 + 41));
  EXPECT_TRUE(Covers(region, 13 + 10, 11 + 41));
  EXPECT_TRUE(Covers(region, 0, 0));
  EXPECT_TRUE(Covers(region, kWidth - 1, kHeight - 1));
  // The menu line belongs to the hole.
  EXPECT_EQ(BorderClientHole({24, 52}, 378, 245, 20), TRect::FromSize(24, 32, 378, 265));
}

TEST(BorderRegion, MaximizedKeepsOnlyTheFramePart) {
  TacBorderRegionInput in;
  in.Width = kWidth;
  in.Height = kHeight;
  in.Metrics = MainWindowMetrics();
  in.Maximized = true;
  const std::vector<TRect> region = BorderRegion(in);
  ASSERT_EQ(region.size(), 1u);
  EXPECT_EQ(region[0], (TRect{3 + 8 + 13, 11 + 4, kWidth - 3 - 8 - 13, kHeight - 3 - 8 - 15}));
}

TEST(BorderRegion, MovingAboveTheMonitorCutsTheTopStrip) {
  TacBorderRegionInput in;
  in.Width = kWidth;
  in.Height = kHeight;
  in.Metrics = MainWindowMetrics();
  in.WindowTop = -20;  // no hole while moving
  in.MonitorTop = 0;
  EXPECT_EQ(BorderRegion(in), (std::vector<TRect>{{0, 20, kWidth, kHeight}}));
  in.WindowTop = 5;
  EXPECT_EQ(BorderRegion(in), (std::vector<TRect>{{0, 0, kWidth, kHeight}}));
}

TEST(MaximizedDrag, RestoresFromSixPixelsCentredUnderTheCursor) {
  const TPoint pressed{500, 10};
  EXPECT_FALSE(MaximizedDragTopLeft(pressed, {505, 15}, 400));
  EXPECT_FALSE(MaximizedDragTopLeft(pressed, {495, 5}, 400));
  EXPECT_EQ(MaximizedDragTopLeft(pressed, {506, 10}, 400), (TPoint{306, -8}));
  EXPECT_EQ(MaximizedDragTopLeft(pressed, {500, 24}, 400), (TPoint{300, -8}));
  EXPECT_EQ(MaximizedDragTopLeft(pressed, {500, 25}, 400), (TPoint{300, 17}));
  EXPECT_EQ(MaximizedDragTopLeft({500, 0}, {500, -6}, 400), (TPoint{300, -14}));
}

TEST(BorderStretch, DoubleClickStretchesAndTheSecondPutsBackExactly) {
  TacBorderStretch stretch;
  const TacSpan work{0, 1920};
  const TacSpan normal{137, 523};
  const TacSpan wide = stretch.Toggle(normal, work, 8, 8);
  EXPECT_EQ(wide, (TacSpan{8, 1904}));
  EXPECT_EQ(stretch.Toggle(wide, work, 8, 8), normal);
  // Moved after stretching: a double-click stretches anew rather than jumping back.
  EXPECT_EQ(stretch.Toggle(normal, work, 8, 8), wide);
  EXPECT_EQ(stretch.Toggle({40, 1904}, work, 8, 8), wide);
  // Vertically with different frames above and below.
  TacBorderStretch vertical;
  EXPECT_EQ(vertical.Toggle({100, 300}, {0, 1040}, 30, 8), (TacSpan{30, 1002}));
}

TEST(BorderCursor, ByHitCode) {
  const std::pair<int, TacBorderCursor> cases[] = {
      {acHtCaption, TacBorderCursor::Arrow},        {acHtMenu, TacBorderCursor::Arrow},
      {acHtLeft, TacBorderCursor::SizeWE},          {acHtRight, TacBorderCursor::SizeWE},
      {acHtTop, TacBorderCursor::SizeNS},           {acHtBottom, TacBorderCursor::SizeNS},
      {acHtTopLeft, TacBorderCursor::SizeNWSE},     {acHtBottomRight, TacBorderCursor::SizeNWSE},
      {acHtTopRight, TacBorderCursor::SizeNESW},    {acHtBottomLeft, TacBorderCursor::SizeNESW},
      {acHtClose, TacBorderCursor::Default},        {acHtTransparent, TacBorderCursor::Default},
  };
  for (const auto& [code, cursor] : cases) EXPECT_EQ(BorderCursor(code), cursor) << code;
}

}  // namespace
