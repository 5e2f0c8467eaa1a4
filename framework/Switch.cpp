#include "framework/Switch.h"

#include "common/GdiHandles.h"

namespace marv {

void Switch::SetSliderOn(bool on) {
  if (on_.exchange(on) == on) return;
  Invalidate();
  if (OnChange) OnChange(*this);
}

void Switch::Click() {
  SetSliderOn(!SliderOn());
  WinControl::Click();
}

void Switch::FillCreateParams(CreateParams& params) {
  WinControl::FillCreateParams(params);
  params.className = L"MarvSwitch";
}

void Switch::Paint(HDC dc) {
  // A track with a square thumb: the thumb sits at the start when on, at the end when off.
  const int w = Width();
  const int h = Height();
  const bool on = SliderOn();
  UniqueBrush track(CreateSolidBrush(GetSysColor(on ? COLOR_HIGHLIGHT : COLOR_BTNSHADOW)));
  UniquePen border(CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DDKSHADOW)));
  {
    SelectedObject brush(dc, track.get());
    SelectedObject pen(dc, border.get());
    RoundRect(dc, 0, 0, w, h, h / 2, h / 2);
  }
  const int margin = 1;
  const int side = h - 2 * margin;
  const int left = on ? margin : w - side - margin;
  RECT thumb{left, margin, left + side, margin + side};
  FillRect(dc, &thumb, GetSysColorBrush(COLOR_WINDOW));
  FrameRect(dc, &thumb, GetSysColorBrush(COLOR_3DDKSHADOW));
}

}  // namespace marv
