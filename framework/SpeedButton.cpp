#include "framework/SpeedButton.h"

#include "common/GdiHandles.h"

namespace marv {

void SpeedButton::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  UINT state = DFCS_BUTTONPUSH;
  if (LooksPressed()) state |= DFCS_PUSHED;
  else if (MouseInside()) state |= DFCS_HOT;
  if (!Enabled()) state |= DFCS_INACTIVE;
  DrawFrameControl(dc, &r, DFC_BUTTON, state);

  const Font& font = GetFont();
  SelectedObject selected(dc, font.Handle(Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Enabled() ? font.TextColor() : kGrayTextColor));
  if (LooksPressed()) OffsetRect(&r, 1, 1);
  DrawTextW(dc, Caption().c_str(), -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (FocusCue()) {
    RECT focus{0, 0, Width(), Height()};
    InflateRect(&focus, -3, -3);
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace marv
