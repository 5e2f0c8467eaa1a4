#include "skin/controls/logic/acButtonLogic.h"

#include <algorithm>

namespace {

// Left and right edges of the caption for the glyph-left and glyph-right layouts.
std::pair<int, int> HorizontalEdges(const TacCaptionLayout& l) {
  const int W = l.W, a = l.a, tw = l.tw, g = l.g, sp = l.sp, m = l.m;
  const bool glyph = g > 0;
  if (l.layout == TacGlyphLayout::Left) {
    switch (l.alignment) {
      case TacAlign::Center: {
        const int left = (W - a - tw - g - sp - 2 * m) / 2 + g + m + sp;
        return {left, left + tw};
      }
      case TacAlign::Right:
        return {W - a - m - tw, W - a - m};
      case TacAlign::Left: {
        int left = m;
        if (l.textAlignment == TacAlign::Left) left = m + g + sp;
        else if (l.textAlignment == TacAlign::Right) left = glyph ? W - m - tw - a : m;
        else left = glyph ? (W - a - tw - g - sp - 2 * m) / 2 + g + m : m;
        return {left, left + tw};
      }
    }
  }
  switch (l.alignment) {  // glyph right
    case TacAlign::Left:
      return {m, m + tw};
    case TacAlign::Center: {
      const int left = (W - a - g - sp - tw) / 2;
      return {left, left + tw};
    }
    case TacAlign::Right:
      if (l.textAlignment == TacAlign::Left) return {glyph ? m : W - m - tw - a, W - a - g - sp - m};
      if (l.textAlignment == TacAlign::Right) return {W - m - g - sp - tw - a, W - a - g - sp - m};
      {
        const int left = glyph ? (W - m - g - tw - a) / 2 : W - m - tw - a;
        return {left, left + tw};
      }
  }
  return {0, tw};
}

}  // namespace

TRect SpeedButtonCaptionRect(const TacCaptionLayout& l) {
  TRect r;
  if (l.layout == TacGlyphLayout::Left || l.layout == TacGlyphLayout::Right) {
    const auto [left, right] = HorizontalEdges(l);
    r = {left, (l.H - l.th) / 2, right, (l.H - l.th) / 2 + l.th};
    return r.Offset(l.textOffset, 0);
  }
  const int left = (l.W - l.tw - l.a) / 2;
  const int s = l.hasCaption ? l.sp : 0;
  const int v = (l.H - l.gh - s - l.th) / 2 - l.m;
  if (l.layout == TacGlyphLayout::Top) r = {left, s + l.m + v + l.gh, l.W - left - l.a, l.H - v - l.m};
  else r = {left, l.m + v, l.W - left - l.a, l.H - v - l.m - l.gh - s};
  return r.Offset(0, l.textOffset);
}

int ActMargin(int margin, int ppi) { return margin < 0 ? 0 : margin * ppi / 96 + 3; }

int SpeedButtonCurrentState(const TacSpeedButtonStateInput& in) {
  if ((in.down || in.menuOpen) && !in.menuOwnerMode) return 2;
  if (in.defaultState == 1 || in.hotState || in.menuOwnerMode) return 1;
  return 0;
}

bool SpeedButtonCacheStale(const TacSpeedButtonStaleness& s) {
  return s.currentState > 0 || s.down != s.storedDown || s.bgChanged || s.halfVisible || s.glyphChanged;
}

int PushButtonCurrentState(const TacPushButtonStateInput& in) {
  if ((in.pushed && (in.mouseAbove || !in.leftHeldOnControl || in.hoverOff)) || in.down || in.menuOpen) return 2;
  if (in.designing || in.defaultState == 0) return in.isDefault ? 3 : 0;
  return 1;
}

int PictureState(int state, int sectionStates) {
  if (state == 3 && sectionStates < 4) return std::min(1, std::max(0, sectionStates - 1));
  return std::max(0, std::min(state, sectionStates - 1));
}

TRect PushButtonCaptionRect(int W, int H, int tw, int th, int splitWidth) {
  const int left = (W - splitWidth - tw) / 2, top = (H - th) / 2;
  return {left, top, left + tw, top + th};
}

TRect FocusFrameRect(TRect text, int focusMargin, int H) {
  TRect r{text.Left - focusMargin - 1, text.Top - focusMargin, text.Right + focusMargin + 1,
          text.Bottom + focusMargin};
  r.Top = std::max(r.Top, 3);
  r.Bottom = std::min(r.Bottom, H - 3);
  return r;
}

std::vector<TPoint> FocusFrameDots(TRect f) {
  std::vector<TPoint> dots;
  if (f.IsEmpty()) return dots;
  for (int x = f.Left; x < f.Right; x += 2) {
    dots.push_back({x, f.Top});
    dots.push_back({x, f.Bottom - 1});
  }
  for (int y = f.Top + 2; y < f.Bottom - 1; y += 2) {
    dots.push_back({f.Left, y});
    dots.push_back({f.Right - 1, y});
  }
  return dots;
}
