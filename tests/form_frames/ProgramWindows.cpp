#include "tests/form_frames/ProgramWindows.h"

namespace {
// A window around a client area with a 3-pixel frame and a caption of the given height.
TacFormFrame Framed(TacBorderStyle style, TacBorderIcons icons, TPoint client, int caption) {
  TacFormFrame f;
  f.BorderStyle = style;
  f.Icons = icons;
  f.ClientSize = client;
  f.WindowSize = {client.X + 6, client.Y + caption + 6};
  return f;
}
}  // namespace

TacFormFrame MainWindowFrame() {
  TacFormFrame f = Framed(TacBorderStyle::bsSingle, {.SystemMenu = true, .Minimize = true, .Maximize = false},
                          {412, 290}, kWin10Metrics.CYCaption);
  f.IsMainForm = true;
  return f;
}

TacFormFrame AboutFrame() {
  return Framed(TacBorderStyle::bsDialog, {.SystemMenu = true, .Minimize = true, .Maximize = true}, {301, 119},
                kWin10Metrics.CYSmCaption);
}

TacFormFrame UpdateNoticeFrame() {
  return Framed(TacBorderStyle::bsDialog, {.SystemMenu = false, .Minimize = false, .Maximize = false}, {270, 113},
                kWin10Metrics.CYSmCaption);
}
