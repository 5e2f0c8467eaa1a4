#include "skin/forms/logic/acBorderGeometry.h"

#include <algorithm>
#include <cstdlib>

#include "skin/forms/logic/acHitCodes.h"

namespace {

TRect Grow(const TRect& r, int left, int top, int right, int bottom) {
  return {r.Left - left, r.Top - top, r.Right + right, r.Bottom + bottom};
}

// How far beyond the content the frame still takes the mouse.
TRect FrameReach(const TacBorderHitInput& in, const TRect& content) {
  if (in.ExDrawMode == 1) {
    const TRect& o = in.ExShadowOffs;
    return Grow(content, o.Left, o.Top, o.Right, o.Bottom);
  }
  const int c = std::max(in.Metrics.ExBorderWidth, 6);
  return Grow(content, c, c, c, c);
}

int CombineSides(bool left, bool top, bool right, bool bottom) {
  if (top) return left ? acHtTopLeft : right ? acHtTopRight : acHtTop;
  if (bottom) return left ? acHtBottomLeft : right ? acHtBottomRight : acHtBottom;
  if (left) return acHtLeft;
  if (right) return acHtRight;
  return acHtTransparent;
}

// The sizing bands: inside the shadow offsets when the skin draws that way, else bands
// of max(e, 6) pixels around the content.
int SizingHit(const TacBorderHitInput& in, const TRect& content, TPoint p) {
  const TRect reach = FrameReach(in, content);
  if (!reach.Contains(p.X, p.Y)) return acHtTransparent;
  if (in.ExDrawMode == 1) {
    const int edge = in.Metrics.SysFrame + 1;
    return CombineSides(p.X < reach.Left + edge, p.Y <= reach.Top + 4, p.X >= reach.Right - edge,
                        p.Y >= reach.Bottom - edge);
  }
  return CombineSides(p.X < content.Left, p.Y < content.Top, p.X >= content.Right, p.Y >= content.Bottom);
}

}  // namespace

int BorderOffsetX(const TacBorderMetrics& m) { return m.ExBorderWidth + m.Shadow.Left - m.SysFrame; }

int BorderOffsetY(const TacBorderMetrics& m) {
  if (m.SysExHeight) return m.Shadow.Top + (m.CaptionHeight - m.SysCaptionHeight - m.SysFrame) + 4;
  return m.Shadow.Top + m.TitleHeight - m.SysFrame - m.SysCaptionHeight;
}

TRect BorderContentRect(const TacBorderMetrics& m, int width, int height) {
  return {m.Shadow.Left, m.Shadow.Top, width - m.Shadow.Right, height - m.Shadow.Bottom};
}

int BorderHitTest(const TacBorderHitInput& in, TPoint p) {
  if (in.Scaling) return acHtNowhere;
  if (in.ExtHitTest) {
    if (const int code = in.ExtHitTest(p)) return code;
  }
  if (in.OwnerDisabled) return acHtTransparent;
  if (in.ButtonHit) {
    if (const int code = in.ButtonHit(p); code != acHtTransparent) return code;
  }
  const TRect content = BorderContentRect(in.Metrics, in.Width, in.Height);
  if (in.Sizable && !in.Maximized) {
    if (const int code = SizingHit(in, content, p); code != acHtTransparent) return code;
  }
  const int titleBottom = in.Metrics.CaptionHeight + in.Metrics.Shadow.Top;
  if (p.Y >= 0 && p.Y <= titleBottom) {
    return in.IconRect.Contains(p.X, p.Y) ? acHtSysMenu : acHtCaption;
  }
  // The menu line lies under the title, so its band starts where the title's ends.
  if (in.MenuLineHeight > 0 && p.Y <= titleBottom + in.MenuLineHeight) return acHtMenu;
  if (!content.Contains(p.X, p.Y)) return acHtTransparent;
  if (in.GripTopLeft && p.X >= in.GripTopLeft->X && p.Y >= in.GripTopLeft->Y) return acHtBottomRight;
  return acHtTransparent;
}

bool BorderOutsideFrame(const TacBorderHitInput& in, TPoint p) {
  if (in.Maximized) return false;
  const TRect reach = FrameReach(in, BorderContentRect(in.Metrics, in.Width, in.Height));
  return !reach.Contains(p.X, p.Y);
}

namespace {

// `outer` less `hole`, as up to four disjoint bands.
std::vector<TRect> Subtract(const TRect& outer, const TRect& hole) {
  const TRect cut = outer.Intersect(hole);
  if (cut.IsEmpty()) return {outer};
  std::vector<TRect> parts = {
      {outer.Left, outer.Top, outer.Right, cut.Top},
      {outer.Left, cut.Top, cut.Left, cut.Bottom},
      {cut.Right, cut.Top, outer.Right, cut.Bottom},
      {outer.Left, cut.Bottom, outer.Right, outer.Bottom},
  };
  std::erase_if(parts, [](const TRect& r) { return r.IsEmpty(); });
  return parts;
}

}  // namespace

std::vector<TRect> BorderRegion(const TacBorderRegionInput& in) {
  const TacBorderMetrics& m = in.Metrics;
  TRect outer{0, 0, in.Width, in.Height};
  if (in.Maximized) {
    const int frame = m.SysFrame + m.ExBorderWidth;
    outer = {frame + m.Shadow.Left, m.Shadow.Top + 4, in.Width - frame - m.Shadow.Right,
             in.Height - frame - m.Shadow.Bottom};
  }
  if (in.Hole) return Subtract(outer, *in.Hole);
  // Moving or animating: the whole picture shows, but not above the monitor's top.
  const int aboveMonitor = in.MonitorTop - in.WindowTop;
  if (aboveMonitor > 0) outer.Top = std::max(outer.Top, aboveMonitor);
  if (outer.IsEmpty()) return {};
  return {outer};
}

TRect BorderClientHole(TPoint clientOffset, int clientWidth, int clientHeight, int menuLineHeight) {
  return TRect::FromSize(clientOffset.X, clientOffset.Y - menuLineHeight, clientWidth,
                         clientHeight + menuLineHeight);
}

std::optional<TPoint> MaximizedDragTopLeft(TPoint pressedAt, TPoint cursor, int restoredWidth) {
  if (std::abs(cursor.X - pressedAt.X) <= 5 && std::abs(cursor.Y - pressedAt.Y) <= 5) return std::nullopt;
  const int top = (cursor.Y >= 0 && cursor.Y <= 24) ? -8 : cursor.Y - 8;
  return TPoint{cursor.X - restoredWidth / 2, top};
}

TacSpan TacBorderStretch::Toggle(TacSpan current, TacSpan workArea, int leadFrame, int trailFrame) {
  // Put back only what this stretch made; an owner moved or sized since stretches anew.
  if (saved_ && current == stretched_) {
    const TacSpan back = *saved_;
    saved_.reset();
    return back;
  }
  saved_ = current;
  stretched_ = {workArea.Start + leadFrame, workArea.Length - leadFrame - trailFrame};
  return stretched_;
}

TacBorderCursor BorderCursor(int hitCode) {
  switch (hitCode) {
    case acHtCaption:
    case acHtMenu: return TacBorderCursor::Arrow;
    case acHtLeft:
    case acHtRight: return TacBorderCursor::SizeWE;
    case acHtTop:
    case acHtBottom: return TacBorderCursor::SizeNS;
    case acHtTopLeft:
    case acHtBottomRight: return TacBorderCursor::SizeNWSE;
    case acHtTopRight:
    case acHtBottomLeft: return TacBorderCursor::SizeNESW;
    default: return TacBorderCursor::Default;
  }
}
