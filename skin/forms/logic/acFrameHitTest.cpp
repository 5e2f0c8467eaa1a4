#include "skin/forms/logic/acFrameHitTest.h"

namespace {

int ButtonAnswer(const TacHitTestInput& in, const TacCaptionButton& button) {
  const bool minimized = in.Form.State == TacWindowState::wsMinimized;
  switch (button.HitCode) {
    case kHitClose:
      return in.Rules.EnabledClose ? kHitClose : kHitCaption;
    case kHitMaxButton:
      return in.Rules.EnabledMax || (in.Rules.EnabledRestore && !minimized) ? kHitMaxButton : kHitCaption;
    case kHitMinButton:
      return minimized || in.Rules.EnabledMin ? kHitMinButton : kHitCaption;
    default:
      return button.HitCode;
  }
}

int BorderAnswer(const TacHitTestInput& in, TPoint p) {
  const int b = in.SideFrame;
  const int w = in.Form.WindowSize.X, h = in.Form.WindowSize.Y;
  const bool left = p.X < b, right = p.X >= w - b;
  if (p.Y >= h - b) return left ? kHitBottomLeft : right ? kHitBottomRight : kHitBottom;
  if (p.Y < in.TopFrame) return left ? kHitTopLeft : right ? kHitTopRight : kHitTop;
  return left ? kHitLeft : right ? kHitRight : kHitNowhere;
}

}  // namespace

int CalcHitTest(const TacHitTestInput& in, TPoint p) {
  if (in.Title) {
    for (const TacCaptionButton* button : in.Title->Buttons()) {
      const bool counts = button->Visible() ||
                          (button->HitCode == kHitMinButton && in.Form.State == TacWindowState::wsMinimized);
      if (counts && button->Rect.Contains(p.X, p.Y)) return ButtonAnswer(in, *button);
    }
  }
  if (IsSizable(in.Form.BorderStyle) && in.Form.State != TacWindowState::wsMaximized) {
    if (const int border = BorderAnswer(in, p); border != kHitNowhere) return border;
  }
  if (p.Y >= 0 && p.Y <= in.TopFrame + in.SysCaptionHeight) {
    if (in.Title && in.Title->IconRect.Contains(p.X, p.Y)) return kHitSysMenu;
    return kHitCaption;
  }
  return kHitClient;
}

bool IsProviderHitCode(int code) {
  return code == kHitSysMenu || IsCaptionButtonCode(code) || (code >= 101 && code <= 103) ||
         (code >= 1000 && code <= 2255);
}

bool IsCaptionButtonCode(int code) {
  return code == kHitMinButton || code == kHitMaxButton || code == kHitClose || code == kHitHelp;
}
