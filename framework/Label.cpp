#include "framework/Label.h"

#include "framework/Dpi.h"
#include "common/GdiHandles.h"

namespace marv {

void Label::SetAutoSize(bool autoSize) {
  autoSize_ = autoSize;
  AdjustSize();
}

void Label::Paint(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const Font& font = GetFont();
  SelectedObject selected(dc, font.Handle(Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, ToColorRef(Enabled() ? font.TextColor() : kGrayTextColor));
  DrawTextW(dc, Caption().c_str(), -1, &r, DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
  if (FocusCue()) DrawFocusRect(dc, &r);
}

void Label::WndProc(Message& m) {
  GraphicControl::WndProc(m);
  if (m.Msg == CM_TEXTCHANGED || m.Msg == CM_FONTCHANGED) AdjustSize();
}

void Label::AdjustSize() {
  if (!autoSize_) return;
  UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
  if (!dc) return;
  SelectedObject selected(dc.get(), GetFont().Handle(kLayoutDpi));
  RECT text{};
  DrawTextW(dc.get(), Caption().c_str(), -1, &text,
            DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_CALCRECT);
  const RECT& layout = LayoutBounds();
  SetBounds(layout.left, layout.top, text.right - text.left, text.bottom - text.top);
}

}  // namespace marv
