#include "skin/forms/acStaticWnd.h"

#include "skin/controls/acControlText.h"
#include "skin/forms/acWindowFont.h"
#include "skin/forms/logic/acStaticText.h"
#include "skin/paint/acSkinnedText.h"

// Statics have no kind of their own: the section alone decides their look.
TacStaticWnd::TacStaticWnd(HWND window, TsSkinManager& manager, const std::string& section)
    : TacChildWnd(window, manager, 0, section) {}

uint32_t TacStaticWnd::Format() const {
  const HWND w = CtrlHandle();
  return StaticTextFormat(static_cast<unsigned>(GetWindowLongW(w, GWL_STYLE)),
                          (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0);
}

bool TacStaticWnd::PaintsItself() const {
  const HWND w = CtrlHandle();
  return !StaticKeepsSystemLook(static_cast<unsigned>(GetWindowLongW(w, GWL_STYLE)),
                                static_cast<unsigned>(GetWindowLongW(w, GWL_EXSTYLE)));
}

void TacStaticWnd::AfterCreation() {
  TacChildWnd::AfterCreation();
  if (PaintsItself()) FitToText();
}

void TacStaticWnd::FitToText() {
  if (Caption().empty()) return;
  RECT r;
  GetClientRect(CtrlHandle(), &r);
  const TSize window{r.right, r.bottom};
  const TSize text = TextPainter().Measure(ToU16(Caption()), WindowTextFont(CtrlHandle()), Format(), window.cx);
  const TSize wanted = StaticSizeForText(window, text);
  if (wanted == window) return;
  RECT outer;
  GetWindowRect(CtrlHandle(), &outer);
  SetWindowPos(CtrlHandle(), nullptr, 0, 0, outer.right - outer.left + wanted.cx - window.cx,
               outer.bottom - outer.top + wanted.cy - window.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TacStaticWnd::PaintContent(const TCacheInfo&, int state, const PixelBuffer& cache) {
  if (Caption().empty()) return;
  const TacTextCanvas canvas{cache, &TextPainter(), WindowTextFont(CtrlHandle())};
  WriteSkinnedText(canvas, ToU16(Caption()), IsWindowEnabled(CtrlHandle()) != FALSE, false, state, SkinData(),
                   Format(), BufferRect(cache));
}

LRESULT TacStaticWnd::acWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_SETTEXT && PaintsItself()) {
    const LRESULT result = WithoutSystemPaint(message, wParam, lParam);
    ReadCaption();
    SkinData().BGChanged = true;
    RepaintNow();
    return result;
  }
  return TacChildWnd::acWndProc(message, wParam, lParam);
}
