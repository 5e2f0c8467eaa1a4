#include "skin/forms/acLayeredWindow.h"

#include <memory>

#include "framework/DibBitmap.h"
#include "skin/data/acSystemLook_win.h"
#include "skin/forms/logic/acAnimPicture.h"
#include "skin/windows/acHeldResources.h"

namespace {

LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }
void SetExStyle(HWND window, LONG_PTR style) { SetWindowLongPtrW(window, GWL_EXSTYLE, style); }
void SetStyleBits(HWND window, LONG_PTR bits, bool on) {
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
  SetWindowLongPtrW(window, GWL_STYLE, on ? style | bits : style & ~bits);
}

// A window whose opacity came from SetLayeredWindowAttributes answers it back; one
// updated with per-pixel pictures does not.
bool HasConstantOpacity(HWND window) {
  BYTE alpha = 0;
  DWORD flags = 0;
  return GetLayeredWindowAttributes(window, nullptr, &alpha, &flags) != FALSE;
}

}  // namespace

bool CompositionEnabled() { return TacWindowsSystemLook().CompositionEnabled(); }

bool SetLayeredAlpha(HWND window, bool layered, uint8_t alpha) {
  if (!IsWindow(window)) return false;
  const LONG_PTR ex = ExStyle(window);
  if (layered) {
    const bool added = (ex & WS_EX_LAYERED) == 0;
    if (added) SetExStyle(window, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(window, 0, alpha, LWA_ALPHA);
    return added;
  }
  SetStyleBits(window, WS_VISIBLE, false);
  if (ex & WS_EX_LAYERED) SetExStyle(window, ex & ~WS_EX_LAYERED);
  return false;
}

void GiveFormItsOpacity(HWND form, bool alphaBlend, uint8_t alphaBlendValue) {
  if (alphaBlend) {
    SetLayeredAlpha(form, true, alphaBlendValue);
    return;
  }
  if (CompositionEnabled()) SetLayeredWindowAttributes(form, 0, 255, LWA_ALPHA);
  SetExStyle(form, ExStyle(form) & ~WS_EX_LAYERED);
}

void LeaveFormAfterHide(HWND form, uint8_t blendValue) { SetLayeredAlpha(form, blendValue != 255, blendValue); }

bool UpdateLayeredPicture(HWND window, const PixelBuffer* picture, uint8_t alpha, std::optional<POINT> topLeft) {
  if (!IsWindow(window)) return false;
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const int width = picture ? picture->width : bounds.right - bounds.left;
  const int height = picture ? picture->height : bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return false;

  const LONG_PTR ex = ExStyle(window);
  const bool composition = CompositionEnabled();
  if ((ex & WS_EX_LAYERED) == 0) {
    // Without composition the window would flash black while it turns layered.
    if (!composition) SetStyleBits(window, WS_VISIBLE, false);
    SetExStyle(window, ex | WS_EX_LAYERED);
    if (!composition) {
      RedrawWindow(GetDesktopWindow(), &bounds, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      SetStyleBits(window, WS_VISIBLE, true);
    }
  } else if (HasConstantOpacity(window)) {
    SetExStyle(window, ex & ~WS_EX_LAYERED);
    SetExStyle(window, ex | WS_EX_LAYERED);
  }

  marv::DibBitmap bits(width, height);
  if (bits.Empty()) return false;
  if (picture) PremultiplyInto(bits.Pixels(), *picture);  // a new DIB is all zeros: transparent
  HDC screen = GetDC(nullptr);
  POINT source{0, 0};
  SIZE size{width, height};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, alpha, AC_SRC_ALPHA};
  POINT* to = topLeft ? &*topLeft : nullptr;
  const BOOL ok = UpdateLayeredWindow(window, screen, to, &size, bits.Dc(), &source, 0, &blend, ULW_ALPHA);
  ReleaseDC(nullptr, screen);
  return ok != FALSE;
}

TacLayeredWindow::~TacLayeredWindow() {
  if (owned_ && IsWindow(window_)) DestroyWindow(window_);
}

void TacLayeredWindow::Put(const PixelBuffer& picture, uint8_t opacity, std::optional<TPoint> topLeft) {
  std::optional<POINT> to;
  if (topLeft) to = POINT{topLeft->X, topLeft->Y};
  UpdateLayeredPicture(window_, &picture, opacity, to);
  if (behind_)
    SetWindowPos(window_, behind_, 0, 0, 0, 0,
                 SWP_SHOWWINDOW | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER |
                     SWP_NOSENDCHANGING);
}

void TacLayeredWindow::ShowNoActivate() {
  SetExStyle(window_, ExStyle(window_) | WS_EX_NOACTIVATE | WS_EX_LAYERED);
  ShowWindow(window_, SW_SHOWNOACTIVATE);
}

TacTimerStarter UiThreadTimers() {
  return [](int milliseconds, std::function<void()> tick) {
    return HoldTimer(static_cast<UINT>(milliseconds), std::move(tick));
  };
}
