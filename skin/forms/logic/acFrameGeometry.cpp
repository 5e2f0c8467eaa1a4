#include "skin/forms/logic/acFrameGeometry.h"

#include <algorithm>

bool IsSizable(TacBorderStyle style) {
  return style == TacBorderStyle::bsSizeable || style == TacBorderStyle::bsSizeToolWin;
}

int SysCaptionHeight(const TacFormFrame& form, const TacSystemMetrics& metrics) {
  const bool minimized = form.State == TacWindowState::wsMinimized;
  switch (form.BorderStyle) {
    case TacBorderStyle::bsDialog:
      return form.Windows10 && !minimized ? metrics.CYSmCaption : metrics.CYCaption;
    case TacBorderStyle::bsToolWindow:
    case TacBorderStyle::bsSizeToolWin:
      return minimized ? metrics.CYCaption : metrics.CYSmCaption;
    default:
      return metrics.CYCaption;
  }
}

int CaptionHeight(const TacFormFrame& form, const TacSystemMetrics& metrics) {
  if (form.State != TacWindowState::wsMinimized &&
      (!form.CaptionStyle || (form.BorderStyle == TacBorderStyle::bsNone && !form.ChildWindow)))
    return 0;
  const int system = SysCaptionHeight(form, metrics);
  return form.SysExHeight ? system + 4 : system;
}

int FrameWidth(const TacFormFrame& form, const TacSystemMetrics& metrics, TacFrameKind kind) {
  int width = 0;
  switch (kind) {
    case TacFrameKind::Sizing:
      width = metrics.CXFrame;
      break;
    case TacFrameKind::ThinBorder:
      width = metrics.CXFixedFrame;
      break;
    case TacFrameKind::Other:
      width = (form.WindowSize.X - form.ClientSize.X) / 2 - form.BorderWidth;
      if (width <= 0) width = IsSizable(form.BorderStyle) ? metrics.CXFrame : metrics.CXFixedFrame;
      break;
  }
  if (IsSizable(form.BorderStyle)) width += metrics.CXPaddedBorder;
  return width;
}

TPoint ClientOffset(const TacFormFrame& form, int bottomFrame) {
  return {(form.WindowSize.X - form.ClientSize.X) / 2, form.WindowSize.Y - form.ClientSize.Y - bottomFrame};
}

TPoint FramePictureSize(const TacFormFrame& form, int topFrame, int captionHeight) {
  if (form.State == TacWindowState::wsMinimized && !form.IsMainForm) return {160, topFrame + captionHeight + 2};
  return form.WindowSize;
}

TacMaximizedPlace MaximizedPlace(TRect workArea, int frame, int extraTitle) {
  const int e = std::max(0, extraTitle);
  return {{-frame, e - frame}, {workArea.Width() + 2 * frame, workArea.Height() + 2 * frame - e}};
}
