#include "skin/forms/acChildWnd.h"

#include "common/GdiHandles.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/paint/sGraphUtils.h"

TPoint TacChildWnd::Offset() {
  const TRect b = Owner().Bounds();
  return {b.Left, b.Top};
}

ITextPainter& TacChildWnd::TextPainter() {
  if (!text_) text_ = std::make_unique<TacGdiTextPainter>();
  return *text_;
}

bool TacChildWnd::PrepareCache() {
  TsCommonData& data = SkinData();
  const std::optional<TCacheInfo> under = BackgroundForCache(data, Owner());
  if (!under) return false;
  data.InitCacheBmp();
  if (data.CacheBmp().empty()) return false;
  const PixelBuffer cache = data.CacheBmp().view();
  const int state = CacheState();
  PaintElement(data, *under, state, cache, Offset(), BufferRect(cache), true);
  PaintContent(*under, state, cache);
  data.BGChanged = false;
  return true;
}

bool TacChildWnd::PaintTo(HDC dc) {
  if (!PaintsItself() || !SkinData().Skinned()) return false;
  // The state can change without a message to us (the dialog moves the default button).
  SkinData().BGChanged = true;
  if (PrepareCache()) CopyPictureToDC(dc, SkinData().CacheBmp().view(), 0, 0);
  return true;
}

LRESULT TacChildWnd::acWndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: {
      if (!PaintsItself() || !SkinData().Skinned()) break;
      marv::PaintScope paint(CtrlHandle());
      PaintTo(paint.Dc());
      return 0;
    }
    case WM_ERASEBKGND:
      if (PaintsItself() && SkinData().Skinned() && IsWindowVisible(CtrlHandle())) return 1;
      break;
    case WM_MOVE:
    case WM_ENABLE:
      if (!PaintsItself()) break;
      return WithoutSystemPaint(message, wParam, lParam);
    default:
      break;
  }
  return TacMainWnd::acWndProc(message, wParam, lParam);
}
