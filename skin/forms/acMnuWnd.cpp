#include "skin/forms/acMnuWnd.h"

#include <commctrl.h>
#include <dwmapi.h>

#include <algorithm>
#include <utility>

#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/forms/sSkinMenus.h"

namespace {

constexpr UINT_PTR kSubclassId = 0xAC32768;
// Skin command 14: the border was put on; the window counts as shown while visible.
constexpr uint16_t kMarkShown = 14;
constexpr int kFrame = 3;

bool CompositionOn() {
  BOOL on = FALSE;
  return SUCCEEDED(DwmIsCompositionEnabled(&on)) && on;
}

}  // namespace

TacMnuWnd::TacMnuWnd(HWND window, TsSkinableMenus& menus) : window_(window), menus_(menus) {
  subclassed_ = SetWindowSubclass(window_, &SubclassProcedure, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

TacMnuWnd::~TacMnuWnd() {
  if (subclassed_ && IsWindow(window_)) RemoveWindowSubclass(window_, &SubclassProcedure, kSubclassId);
}

LRESULT CALLBACK TacMnuWnd::SubclassProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
  auto* adapter = reinterpret_cast<TacMnuWnd*>(self);
  if (msg == WM_NCDESTROY) {
    const LRESULT result = DefSubclassProc(window, msg, wParam, lParam);
    RemoveWindowSubclass(window, &SubclassProcedure, kSubclassId);
    adapter->subclassed_ = false;
    adapter->menus_.PopupWindowDestroyed(window);  // frees the adapter: nothing of it is used after
    return result;
  }
  return adapter->OnMessage(msg, wParam, lParam);
}

POINT TacMnuWnd::ClientOffset() const {
  RECT window{};
  GetWindowRect(window_, &window);
  POINT client{0, 0};
  ClientToScreen(window_, &client);
  return POINT{client.x - window.left, client.y - window.top};
}

PixelBuffer TacMnuWnd::Picture() {
  RECT r{};
  GetWindowRect(window_, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (const TacMenuInfo* info = menus_.InfoForWindow(window_); info && info->HavePicture) {
    const PixelImage& bmp = info->Picture.Bmp;
    // The popup's picture when it was made for this window's size.
    if ((bmp.width() == width || bmp.width() == width - 2 * kFrame) && bmp.height() == height) return bmp.view();
  }
  if (cache_.width() != width || cache_.height() != height) cache_ = menus_.SectionPicture(window_, {width, height});
  return cache_.view();
}

void TacMnuWnd::PaintFrameOn(HDC dc, const PixelBuffer& picture, POINT origin) {
  if (picture.empty()) return;
  const int w = picture.width, h = picture.height, f = std::min({kFrame, w, h});
  CopyPictureToDC(dc, picture.sub(0, 0, w, f), origin.x, origin.y);
  CopyPictureToDC(dc, picture.sub(0, h - f, w, f), origin.x, origin.y + h - f);
  CopyPictureToDC(dc, picture.sub(0, f, f, h - 2 * f), origin.x, origin.y + f);
  CopyPictureToDC(dc, picture.sub(w - f, f, f, h - 2 * f), origin.x + w - f, origin.y + f);
}

void TacMnuWnd::PaintFrame(const PixelBuffer& picture) {
  HDC dc = GetWindowDC(window_);
  if (!dc) return;
  PaintFrameOn(dc, picture, {0, 0});
  ReleaseDC(window_, dc);
}

void TacMnuWnd::ApplyTranslucency() {
  const int alpha = menus_.AlphaBlend();
  const LONG_PTR exStyle = GetWindowLongPtrW(window_, GWL_EXSTYLE);
  if (alpha >= 255) {
    if (exStyle & WS_EX_LAYERED) SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle & ~WS_EX_LAYERED);
    return;
  }
  if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(window_, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  SetLayeredWindowAttributes(window_, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

LRESULT TacMnuWnd::SkinCommand(WPARAM wParam) {
  switch (SkinCommandOf(wParam)) {
    case SC_ISSKINNED:
      return 1;
    case SC_SETUPDATING:
      return rgnChanged_;
    case kMarkShown:
      if (IsWindowVisible(window_)) shown_ = true;
      rgnChanged_ = true;
      return 0;
    case SC_GETAPPLICATION:
      return reinterpret_cast<LRESULT>(marv::Application::Current());
    default:
      return 0;
  }
}

LRESULT TacMnuWnd::OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_SKINCOMMAND) return SkinCommand(wParam);
  if (!menus_.MenusOpen()) return DefSubclassProc(window_, msg, wParam, lParam);
  switch (msg) {
    case WM_ERASEBKGND: {
      const POINT offset = ClientOffset();
      CopyPictureToDC(reinterpret_cast<HDC>(wParam), Picture(), -offset.x, -offset.y);
      return 1;
    }
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
      if (pos && (pos->flags & SWP_SHOWWINDOW) && !IsWindowVisible(window_)) {
        // Invisible until the frame is ours, so the system's frame never flashes.
        SetWindowLongPtrW(window_, GWL_EXSTYLE, GetWindowLongPtrW(window_, GWL_EXSTYLE) | WS_EX_LAYERED);
        SetLayeredWindowAttributes(window_, 0, 0, LWA_ALPHA);
      }
      break;
    }
    case WM_NCPAINT: {
      const POINT offset = ClientOffset();
      if (offset.x == 0 && offset.y == 0) DefSubclassProc(window_, msg, wParam, lParam);  // no frame of its own
      PaintFrame(Picture());
      if (std::exchange(firstNcPaint_, false) && CompositionOn())
        RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE);
      ApplyTranslucency();
      return 0;
    }
    case WM_PAINT: {
      const LRESULT result = DefSubclassProc(window_, msg, wParam, lParam);
      // A menu window without a frame of its own draws its edge inside: ours goes over it.
      const POINT offset = ClientOffset();
      if (offset.x == 0 && offset.y == 0) {
        HDC dc = GetDC(window_);
        PaintFrameOn(dc, Picture(), {0, 0});
        ReleaseDC(window_, dc);
      }
      ApplyTranslucency();
      return result;
    }
    default:
      break;
  }
  return DefSubclassProc(window_, msg, wParam, lParam);
}
