#include "framework/Label.h"

#include "framework/GdiHandles.h"

namespace marv {

void Label::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const Font& font = GetFont();
  SelectedObject selected(dc, font.Handle(Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Enabled() ? font.TextColor() : kGrayTextColor));
  DrawTextW(dc, Caption().c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace marv
