#include "framework/WinControl.h"

#include <windowsx.h>

#include <utility>

#include "common/GdiHandles.h"
#include "framework/Application.h"

namespace marv {

namespace {

// The control whose window CreateWindowExW is making on this thread: the messages that
// arrive before CreateWindowExW returns (WM_NCCREATE among them) find their control here.
thread_local WinControl* tCreating = nullptr;

// Registers the class once per process. A class built on a system class keeps that
// class's look and behaviour and gets our procedure in front of it.
bool RegisterControlClass(const std::wstring& name, const wchar_t* baseClassName,
                          WNDPROC procedure, WNDPROC& baseProc) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  baseProc = DefWindowProcW;
  if (baseClassName) {
    if (!GetClassInfoExW(nullptr, baseClassName, &wc)) return false;
    baseProc = wc.lpfnWndProc;
    wc.style &= ~CS_GLOBALCLASS;
  } else {
    wc.style = CS_DBLCLKS;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  }
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof existing;
  if (GetClassInfoExW(instance, name.c_str(), &existing)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.hInstance = instance;
  wc.lpszClassName = name.c_str();
  return RegisterClassExW(&wc) != 0;
}

}  // namespace

WinControl::WinControl(std::wstring name) : Control(std::move(name)) {}

WinControl* WinControl::BeingCreated() { return tCreating; }

WinControl::~WinControl() { DestroyHandle(); }

void WinControl::FillCreateParams(CreateParams& params) {
  params.className = L"MarvWinControl";
  params.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  if (Visible()) params.style |= WS_VISIBLE;
  if (!Enabled()) params.style |= WS_DISABLED;
  params.parent = Parent() ? Parent()->Handle() : nullptr;
  params.bounds = BoundsRect();
}

void WinControl::HandleNeeded() {
  if (hwnd_) return;
  if (WinControl* parent = Parent(); parent && !parent->hwnd_) {
    parent->HandleNeeded();  // makes this window too, with the parent's other children
    return;
  }
  CreateParams params;
  FillCreateParams(params);
  if (!RegisterControlClass(params.className, params.baseClassName, WindowProcedure, baseProc_))
    return;
  const RECT& r = params.bounds;
  tCreating = this;
  CreateWindowExW(params.exStyle, params.className.c_str(), Caption().c_str(), params.style,
                  r.left, r.top, r.right - r.left, r.bottom - r.top, params.parent, nullptr,
                  GetModuleHandleW(nullptr), nullptr);
  tCreating = nullptr;
  if (!hwnd_) return;
  WindowCreated();
  ApplyFont();
  for (auto& child : controls_) {
    if (child->IsWindowed()) static_cast<WinControl&>(*child).HandleNeeded();
  }
}

void WinControl::DestroyHandle() {
  if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK WinControl::WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self && tCreating) {
    self = std::exchange(tCreating, nullptr);
    self->hwnd_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  Message m{msg, wParam, lParam, 0};
  m.FromOtherThread = InSendMessageEx(nullptr) != ISMEX_NOSEND;
  Application* app = Application::Current();
  if (!(app && app->MainForm() == self && app->RunMainWindowHooks(m))) self->WindowProc(m);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    self->trackingLeave_ = false;
  }
  return m.Result;
}

void WinControl::DefaultHandler(Message& m) {
  if (hwnd_) m.Result = CallWindowProcW(baseProc_, hwnd_, m.Msg, m.WParam, m.LParam);
}

Control& WinControl::Insert(std::unique_ptr<Control> child) {
  Control& added = *child;
  added.parent_ = this;
  controls_.push_back(std::move(child));
  if (hwnd_ && added.IsWindowed()) static_cast<WinControl&>(added).HandleNeeded();
  Perform(CM_CONTROLLISTCHANGE, reinterpret_cast<WPARAM>(&added), TRUE);
  added.Invalidate();
  return added;
}

Control* WinControl::FindControl(std::wstring_view name) const {
  for (const auto& child : controls_) {
    if (child->Name() == name) return child.get();
    if (child->IsWindowed()) {
      if (Control* found = static_cast<const WinControl&>(*child).FindControl(name)) return found;
    }
  }
  return nullptr;
}

Control* WinControl::FindControl(HWND window) const {
  for (const auto& child : controls_) {
    if (child->IsWindowed() && static_cast<const WinControl&>(*child).Handle() == window)
      return child.get();
  }
  return nullptr;
}

Control* WinControl::ControlAtPos(POINT client) const {
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Control& child = **it;
    if (child.IsWindowed() || !child.Visible() || !child.Enabled()) continue;
    const RECT r = child.BoundsRect();
    if (PtInRect(&r, client)) return &child;
  }
  return nullptr;
}

void WinControl::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  for (auto& child : controls_) {
    child->Perform(msg, wParam, lParam);
    if (child->IsWindowed()) static_cast<WinControl&>(*child).Broadcast(msg, wParam, lParam);
  }
}

void WinControl::Invalidate() {
  if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

POINT WinControl::ClientToScreen(POINT p) {
  if (hwnd_) ::ClientToScreen(hwnd_, &p);
  return p;
}

void WinControl::BoundsChanged() {
  if (!hwnd_ || !Parent()) return;
  const RECT r = BoundsRect();
  SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void WinControl::ApplyFont() {
  if (hwnd_) SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont().Handle(Dpi())), TRUE);
}

void WinControl::ApplyDensity() {
  BoundsChanged();
  ApplyFont();
  Invalidate();
}

void WinControl::PaintBackground(HDC dc, const RECT& area) {
  UniqueBrush brush(CreateSolidBrush(ToColorRef(BackColor())));
  FillRect(dc, &area, brush.get());
}

void WinControl::PaintControls(HDC dc, const RECT& area) {
  for (auto& child : controls_) {
    if (child->IsWindowed() || !child->Visible()) continue;
    const RECT r = child->BoundsRect();
    RECT visible;
    if (!IntersectRect(&visible, &r, &area)) continue;
    SavedDcState saved(dc);
    IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
    OffsetViewportOrgEx(dc, r.left, r.top, nullptr);
    child->Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
  }
}

void WinControl::PaintWindow() {
  PaintScope paint(hwnd_);
  RECT client;
  GetClientRect(hwnd_, &client);
  if (client.right <= 0 || client.bottom <= 0) return;
  if (backBuffer_.Width() != client.right || backBuffer_.Height() != client.bottom)
    backBuffer_.Resize(client.right, client.bottom);
  const RECT& area = paint.Area();
  HDC dc = backBuffer_.Dc();
  if (!dc) dc = paint.Dc();  // no memory for a back buffer: draw straight to the window
  PaintBackground(dc, area);
  Paint(dc);
  PaintControls(dc, area);
  if (dc != paint.Dc()) {
    BitBlt(paint.Dc(), area.left, area.top, area.right - area.left, area.bottom - area.top, dc,
           area.left, area.top, SRCCOPY);
  }
}

void WinControl::SetHoverChild(Control* child) {
  if (child == hoverChild_) return;
  if (Control* left = std::exchange(hoverChild_, child))
    left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(left));
  if (child) child->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(child));
}

bool WinControl::RouteMouse(Message& m) {
  const POINT p{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  Control* under = ControlAtPos(p);
  if (m.Msg == WM_MOUSEMOVE) {
    if (!trackingLeave_) {
      TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd_, 0};
      trackingLeave_ = TrackMouseEvent(&track);
    }
    if (!MouseInside()) Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
    // While a child holds the mouse, only it can be hot.
    SetHoverChild(captureChild_ ? (under == captureChild_ ? under : nullptr) : under);
  }
  Control* target = captureChild_ ? captureChild_ : under;
  if (!target) return false;
  const bool press = m.Msg == WM_LBUTTONDOWN || m.Msg == WM_LBUTTONDBLCLK;
  if (press) {
    captureChild_ = target;
    SetCapture(hwnd_);
  } else if (m.Msg == WM_LBUTTONUP && captureChild_) {
    captureChild_ = nullptr;
    if (GetCapture() == hwnd_) ReleaseCapture();
  }
  const RECT b = target->BoundsRect();
  m.Result = target->Perform(m.Msg, m.WParam, MAKELPARAM(p.x - b.left, p.y - b.top));
  return true;
}

bool WinControl::SetCursorFor(Message& m) {
  if (LOWORD(m.LParam) != HTCLIENT) return false;
  MouseCursor cursor = MouseCursor::Default;
  if (reinterpret_cast<HWND>(m.WParam) == hwnd_) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(hwnd_, &p);
    if (Control* child = ControlAtPos(p)) cursor = child->Cursor();
  }
  if (cursor == MouseCursor::Default) cursor = EffectiveCursor();
  if (cursor == MouseCursor::Default) return false;
  ::SetCursor(SystemCursor(cursor));
  m.Result = TRUE;
  return true;
}

void WinControl::WndProc(Message& m) {
  switch (m.Msg) {
    case WM_PAINT:
      PaintWindow();
      return;
    case WM_ERASEBKGND:
      m.Result = 1;  // WM_PAINT covers every pixel
      return;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      if (RouteMouse(m)) return;
      if (m.Msg == WM_LBUTTONDOWN) SetCapture(hwnd_);
      if (m.Msg == WM_LBUTTONUP && GetCapture() == hwnd_) ReleaseCapture();
      break;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      SetHoverChild(nullptr);
      Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      break;
    case WM_CAPTURECHANGED:
      if (Control* lost = std::exchange(captureChild_, nullptr)) lost->Perform(WM_CANCELMODE);
      break;
    case WM_SETCURSOR:
      if (SetCursorFor(m)) return;
      break;
    case WM_COMMAND:
      if (m.LParam) {
        if (Control* child = FindControl(reinterpret_cast<HWND>(m.LParam))) {
          m.Result = child->Perform(CN_COMMAND, m.WParam, m.LParam);
          return;
        }
      }
      break;
    case WM_GETFONT:
      // Our own window classes draw with GetFont(); answer with it like a system control.
      if (baseProc_ == DefWindowProcW) {
        m.Result = reinterpret_cast<LRESULT>(GetFont().Handle(Dpi()));
        return;
      }
      break;
    case WM_DESTROY:
      WindowDestroying();
      break;
    case CM_TEXTCHANGED:
      if (hwnd_) SetWindowTextW(hwnd_, Caption().c_str());
      break;
    case CM_VISIBLECHANGED:
      if (hwnd_) ShowWindow(hwnd_, m.WParam ? SW_SHOWNA : SW_HIDE);
      break;
    case CM_ENABLEDCHANGED:
      if (hwnd_) EnableWindow(hwnd_, m.WParam != 0);
      break;
    case CM_FONTCHANGED:
      ApplyFont();
      break;
    case CM_DPICHANGED:
      ApplyDensity();
      break;
    default:
      break;
  }
  Control::WndProc(m);
}

}  // namespace marv
