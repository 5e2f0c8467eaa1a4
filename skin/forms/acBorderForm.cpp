#include "skin/forms/acBorderForm.h"

#include <dwmapi.h>
#include <windowsx.h>

#include "skin/forms/acLayeredWindow.h"
#include "skin/forms/logic/acBorderPicture.h"
#include "skin/forms/logic/acHitCodes.h"

namespace {

// Positioning without activation, without the owner's z-order and without the changing
// notice; the hide variant hides without moving, sizing, redrawing or activating.
constexpr UINT kPlaceFlags = SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING;
constexpr UINT kHideFlags = 0x69B;
static_assert(kHideFlags == (SWP_NOSIZE | SWP_NOMOVE | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW |
                             SWP_NOOWNERZORDER | SWP_NOSENDCHANGING));

struct RegionDeleter {
  void operator()(HRGN r) const noexcept { DeleteObject(r); }
};
using UniqueRegion = std::unique_ptr<std::remove_pointer_t<HRGN>, RegionDeleter>;

UniqueRegion RegionOf(const std::vector<TRect>& rects) {
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  for (const TRect& r : rects) {
    UniqueRegion part(CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom));
    CombineRgn(region.get(), region.get(), part.get(), RGN_OR);
  }
  return region;
}

bool IsSystemButton(int code) {
  return code == acHtMinButton || code == acHtMaxButton || code == acHtClose || code == acHtHelp ||
         (code >= 1000 && code <= 2100);
}

LPCWSTR CursorName(TacBorderCursor cursor) {
  switch (cursor) {
    case TacBorderCursor::Arrow: return IDC_ARROW;
    case TacBorderCursor::SizeWE: return IDC_SIZEWE;
    case TacBorderCursor::SizeNS: return IDC_SIZENS;
    case TacBorderCursor::SizeNWSE: return IDC_SIZENWSE;
    case TacBorderCursor::SizeNESW: return IDC_SIZENESW;
    case TacBorderCursor::Default: break;
  }
  return nullptr;
}

// Keeps a flag up for one scope.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TacBorderForm::TacBorderForm(IacBorderOwner& owner) : owner_(owner) { CreateNewForm(); }

TacBorderForm::~TacBorderForm() {
  owner_.KillButtonFades();
  FreeWindow();
}

void TacBorderForm::CreateNewForm() {
  if (form_) return;
  const HWND owner = owner_.OwnerHandle();
  if (!owner || !IsWindow(owner)) return;
  auto form = std::make_unique<TacGlowForm>();
  form->TransparentMouse = false;  // the frame answers the mouse itself
  form->HandleNeeded();
  const HWND w = form->Handle();
  if (!w) return;
  // Layered, never activated, no taskbar button, whatever the window class gave.
  SetWindowLongPtrW(w, GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE);
  SetClassLongPtrW(w, GCL_STYLE, GetClassLongPtrW(w, GCL_STYLE) & ~CS_DROPSHADOW);
  // Owned by the owner's window: it follows the owner when minimized, hidden or closed.
  parentHandle_ = reinterpret_cast<HWND>(SetWindowLongPtrW(w, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner)));
  form->WindowProc = [this, old = form->WindowProc](marv::Message& m) { BorderProc(m, old); };
  form_ = std::move(form);
  size_ = {};
  mainRgnReady_ = false;
}

void TacBorderForm::FreeWindow() {
  if (!form_) return;
  form_.reset();
  size_ = {};
  maxMoving_ = false;
  resetRgn_ = false;
}

int TacBorderForm::OffsetX() const { return BorderOffsetX(owner_.BorderHitInput().Metrics); }
int TacBorderForm::OffsetY() const { return BorderOffsetY(owner_.BorderHitInput().Metrics); }

TacBorderHitInput TacBorderForm::HitInput() const {
  TacBorderHitInput in = owner_.BorderHitInput();
  const HWND owner = owner_.OwnerHandle();
  in.Width = size_.cx;
  in.Height = size_.cy;
  in.OwnerDisabled = !IsWindowEnabled(owner);
  in.Maximized = IsZoomed(owner) != FALSE;
  return in;
}

POINT TacBorderForm::ToWindow(POINT screen) const {
  RECT r{};
  if (const HWND w = Handle()) GetWindowRect(w, &r);
  return {screen.x - r.left, screen.y - r.top};
}

int TacBorderForm::Ex_WMNCHitTest(POINT screen) const {
  const POINT p = ToWindow(screen);
  return BorderHitTest(HitInput(), {p.x, p.y});
}

bool TacBorderForm::OutsideFrame(POINT screen) {
  if (Locked || !Handle()) return false;
  if (resetRgn_) {  // close the click-through hole left by the last mouse message
    resetRgn_ = false;
    ApplyRegion(MakeRgn());
  }
  const POINT p = ToWindow(screen);
  const bool outside = BorderOutsideFrame(HitInput(), {p.x, p.y});
  if (outside) owner_.SetHotButton(0);
  return outside;
}

std::vector<TRect> TacBorderForm::MakeRgn() const {
  TacBorderRegionInput in;
  in.Width = size_.cx;
  in.Height = size_.cy;
  const TacBorderHitInput hit = owner_.BorderHitInput();
  in.Metrics = hit.Metrics;
  const HWND owner = owner_.OwnerHandle();
  in.Maximized = IsZoomed(owner) != FALSE;
  in.Hole = owner_.ClientHole();
  return BorderRegion(in);
}

void TacBorderForm::ApplyRegion(const std::vector<TRect>& rects) {
  const HWND w = Handle();
  if (!w) return;
  UniqueRegion region = RegionOf(rects);
  if (SetWindowRgn(w, region.get(), TRUE)) region.release();  // the window owns it now
}

void TacBorderForm::CutOwnerRegion() {
  const HWND owner = owner_.OwnerHandle();
  RECT window{}, client{};
  GetWindowRect(owner, &window);
  GetClientRect(owner, &client);
  POINT topLeft{0, 0};
  ClientToScreen(owner, &topLeft);
  // The client area with the menu line above it; the system frame is never seen.
  const int menu = owner_.BorderHitInput().MenuLineHeight;
  const int x = topLeft.x - window.left, y = topLeft.y - window.top;
  UniqueRegion region(CreateRectRgn(x, y - menu, x + client.right, y + client.bottom));
  if (SetWindowRgn(owner, region.get(), TRUE)) region.release();
}

void TacBorderForm::UpdateExBordersPos(bool redraw, uint8_t blend) {
  if (Locked || showing_) return;
  const HWND owner = owner_.OwnerHandle();
  RECT ownerRect{};
  if (!owner || !IsWindow(owner) || !GetWindowRect(owner, &ownerRect)) return;
  if (!owner_.ExtendedBordersAllowed() || !IsWindowVisible(owner)) {
    FreeWindow();
    return;
  }
  FlagScope running(showing_);
  CreateNewForm();
  const HWND w = Handle();
  if (!w) return;
  const TacBorderMetrics metrics = owner_.BorderHitInput().Metrics;
  const POINT at{ownerRect.left - BorderOffsetX(metrics), ownerRect.top - BorderOffsetY(metrics)};
  const PixelBuffer picture = owner_.BorderPicture();
  if (picture.empty()) return;
  const bool resized = picture.width != size_.cx || picture.height != size_.cy;
  if (!(redraw || resized) || inMouseMsg_) {
    SetWindowPos(w, nullptr, at.x, at.y, 0, 0, kPlaceFlags | SWP_NOSIZE | SWP_NOZORDER);
    return;
  }
  const uint8_t alpha = owner_.OwnerAlpha() != 255 ? owner_.OwnerAlpha() : blend;
  if (!UpdateLayeredPicture(w, &picture, alpha, at)) return;  // the next update tries again
  size_ = {picture.width, picture.height};
  SetBlurBehind(picture);
  ApplyRegion(MakeRgn());
  // Directly behind the owner, shown without activation when still hidden. A system that
  // keeps owned windows in front of their owners (Wine does) gets it directly in front,
  // so that no other window comes between the form and its frame.
  KeepNextToOwner(IsWindowVisible(w) ? 0 : SWP_SHOWWINDOW);
  if (!mainRgnReady_ && blend == 255) {
    CutOwnerRegion();
    mainRgnReady_ = true;
  }
}

void TacBorderForm::KeepNextToOwner(UINT extraFlags) {
  FlagScope placing(placing_);
  const HWND w = Handle(), owner = owner_.OwnerHandle();
  SetWindowPos(w, owner, 0, 0, 0, 0, kPlaceFlags | SWP_NOMOVE | SWP_NOSIZE | extraFlags);
  const HWND above = GetWindow(owner, GW_HWNDPREV);
  if (GetWindow(owner, GW_HWNDNEXT) != w && above && above != w)
    SetWindowPos(w, above, 0, 0, 0, 0, kPlaceFlags | SWP_NOMOVE | SWP_NOSIZE);
}

void TacBorderForm::SetBlurBehind(const PixelBuffer& picture) {
  const int cornerSide = owner_.BlurCornerSide();
  DWM_BLURBEHIND blur{};
  blur.dwFlags = DWM_BB_ENABLE;
  blur.fEnable = cornerSide >= 0;
  UniqueRegion region;
  if (blur.fEnable) {
    const TacBorderMetrics m = owner_.BorderHitInput().Metrics;
    region = RegionOf(BlurBehindRegion(picture, BorderContentRect(m, picture.width, picture.height), cornerSide));
    blur.dwFlags |= DWM_BB_BLURREGION;
    blur.hRgnBlur = region.get();
  }
  DwmEnableBlurBehindWindow(Handle(), &blur);  // refused where the system has no composition
}

void TacBorderForm::PunchHole(POINT screen) {
  const HWND w = Handle();
  if (!w) return;
  FlagScope punching(inMouseMsg_);
  const POINT p = ToWindow(screen);
  UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
  if (GetWindowRgn(w, region.get()) == ERROR) region = RegionOf(MakeRgn());
  UniqueRegion hole(CreateRectRgn(p.x, p.y, p.x + 1, p.y + 1));
  CombineRgn(region.get(), region.get(), hole.get(), RGN_DIFF);
  if (SetWindowRgn(w, region.get(), FALSE)) region.release();
  resetRgn_ = true;
}

void TacBorderForm::PassToOwner(UINT msg, WPARAM code, LPARAM point) const {
  SendMessageW(owner_.OwnerHandle(), msg, code, point);
}

void TacBorderForm::DragMaximized(POINT cursor) {
  const HWND owner = owner_.OwnerHandle();
  WINDOWPLACEMENT place{};
  place.length = sizeof place;
  GetWindowPlacement(owner, &place);
  const int width = place.rcNormalPosition.right - place.rcNormalPosition.left;
  const auto topLeft = MaximizedDragTopLeft({lastMousePos_.x, lastMousePos_.y}, {cursor.x, cursor.y}, width);
  if (!topLeft) return;
  maxMoving_ = false;
  const int height = place.rcNormalPosition.bottom - place.rcNormalPosition.top;
  ShowWindow(owner, SW_RESTORE);
  SetWindowPos(owner, nullptr, topLeft->X, topLeft->Y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
  // The drag goes on as a caption move of the restored window.
  ReleaseCapture();
  PostMessageW(owner, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void TacBorderForm::DoubleClick(int code) {
  const HWND owner = owner_.OwnerHandle();
  const LONG_PTR style = GetWindowLongPtrW(owner, GWL_STYLE);
  switch (code) {
    case acHtCaption: {
      if (IsIconic(owner)) {
        PostMessageW(owner, WM_SYSCOMMAND, SC_RESTORE, 0);
      } else if ((style & WS_SYSMENU) && (style & WS_MAXIMIZEBOX)) {
        PostMessageW(owner, WM_SYSCOMMAND, IsZoomed(owner) ? SC_RESTORE : SC_MAXIMIZE, 0);
      }
      return;
    }
    case acHtSysMenu:
      PostMessageW(owner, WM_SYSCOMMAND, SC_CLOSE, 0);
      return;
    default:
      break;
  }
  const bool horizontal = code == acHtLeft || code == acHtRight;
  const bool vertical = code == acHtTop || code == acHtBottom;
  if (!(horizontal || vertical) || !(style & WS_THICKFRAME) || IsZoomed(owner)) return;
  RECT r{};
  GetWindowRect(owner, &r);
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
  const RECT& work = monitor.rcWork;
  const TacBorderMetrics m = owner_.BorderHitInput().Metrics;
  if (horizontal) {
    // The frame lies outside the owner: e on either side stays on the screen.
    const TacSpan span = stretchX_.Toggle({r.left, r.right - r.left}, {work.left, work.right - work.left},
                                          m.ExBorderWidth, m.ExBorderWidth);
    SetWindowPos(owner, nullptr, span.Start, r.top, span.Length, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    const int above = BorderOffsetY(m) - m.Shadow.Top, below = m.ExBorderWidth;
    const TacSpan span = stretchY_.Toggle({r.top, r.bottom - r.top}, {work.top, work.bottom - work.top},
                                          std::max(0, above), below);
    SetWindowPos(owner, nullptr, r.left, span.Start, r.right - r.left, span.Length, SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

bool TacBorderForm::MouseMessage(marv::Message& m) {
  POINT cursor{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  const HWND owner = owner_.OwnerHandle();
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: {
      const int code = Ex_WMNCHitTest(cursor);
      owner_.SetHotButton(IsSystemButton(code) ? code : 0);
      if (maxMoving_) DragMaximized(cursor);
      m.Result = 0;
      return true;
    }
    case WM_NCLBUTTONDOWN: {
      if (OutsideFrame(cursor)) return true;
      const int code = Ex_WMNCHitTest(cursor);
      if (code == acHtCaption && IsZoomed(owner)) {
        maxMoving_ = true;
        lastMousePos_ = cursor;
        SetCapture(Handle());  // the moves that may restore it come here
        return true;
      }
      PassToOwner(WM_NCLBUTTONDOWN, code == acHtSysMenu ? WPARAM(code) : WPARAM(-1), m.LParam);
      return true;
    }
    case WM_LBUTTONUP:
    case WM_NCLBUTTONUP:
      if (maxMoving_) {
        maxMoving_ = false;
        if (GetCapture() == Handle()) ReleaseCapture();
        return true;
      }
      if (m.Msg == WM_LBUTTONUP) return false;
      if (OutsideFrame(cursor)) return true;
      PassToOwner(WM_NCLBUTTONUP, WPARAM(-1), m.LParam);
      return true;
    case WM_NCLBUTTONDBLCLK:
      if (OutsideFrame(cursor)) return true;
      DoubleClick(Ex_WMNCHitTest(cursor));
      return true;
    case WM_NCRBUTTONDOWN:
      if (OutsideFrame(cursor)) return true;
      PassToOwner(WM_NCRBUTTONDOWN, WPARAM(Ex_WMNCHitTest(cursor)), m.LParam);
      return true;
    case WM_NCRBUTTONUP:
      if (OutsideFrame(cursor)) return true;
      PassToOwner(WM_NCRBUTTONUP, WPARAM(-1), m.LParam);
      return true;
    default:
      break;
  }
  if (m.Msg >= WM_MOUSEFIRST && m.Msg <= WM_MBUTTONDBLCLK) {
    // Client-area mouse messages arrive where the hit test let the mouse through but the
    // system still chose this window: a one-pixel hole sends the next one below.
    POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
    ClientToScreen(Handle(), &screen);
    if (maxMoving_ && m.Msg == WM_MOUSEMOVE) {
      DragMaximized(screen);
      return true;
    }
    if (OutsideFrame(screen)) PunchHole(screen);
    m.Result = 0;
    return true;
  }
  return false;
}

void TacBorderForm::BorderProc(marv::Message& m, const marv::MessageHandler& old) {
  const HWND owner = owner_.OwnerHandle();
  switch (m.Msg) {
    case WM_NCHITTEST: {
      const POINT screen{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      // Inside the frame every mouse action arrives as a non-client message with code 19.
      m.Result = OutsideFrame(screen) ? HTTRANSPARENT : acHtObject;
      return;
    }
    case WM_SETCURSOR: {
      POINT cursor{};
      GetCursorPos(&cursor);
      if (const LPCWSTR name = CursorName(BorderCursor(Ex_WMNCHitTest(cursor)))) {
        SetCursor(LoadCursorW(nullptr, name));
        m.Result = TRUE;
        return;
      }
      break;
    }
    case WM_MOUSEACTIVATE:
      m.Result = MA_NOACTIVATE;
      if (IsWindowEnabled(owner)) SetForegroundWindow(owner);
      return;
    case WM_SETFOCUS:
      if (IsWindowVisible(owner) && IsWindowEnabled(owner)) SetFocus(owner);
      return;
    case WM_SHOWWINDOW:
      if (!m.WParam && IsWindowVisible(Handle())) SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, kHideFlags);
      break;
    case WM_WINDOWPOSCHANGED: {
      owner_.KillButtonFades();
      // The system re-orders owned windows when one of them is activated: the frame goes
      // back next to its form rather than over another window.
      const auto& pos = *reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (!(pos.flags & SWP_NOZORDER) && !placing_ && IsWindowVisible(Handle())) KeepNextToOwner(0);
      break;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_DPICHANGED:
      m.Result = 0;
      return;
    case WM_ENABLE:
    case WM_CANCELMODE:
      m.Result = DefWindowProcW(Handle(), m.Msg, m.WParam, m.LParam);
      return;
    default:
      if (MouseMessage(m)) return;
      break;
  }
  old(m);
}
