#include "framework/Form.h"

#include <algorithm>
#include <utility>

#include "common/ThreadWindowsDisabled.h"
#include "framework/Application.h"
#include "framework/Dpi.h"
#include "framework/PopupMenu.h"
#include "framework/WindowLink.h"

namespace marv {

namespace {

RECT PrimaryWorkArea() {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
  return info.rcWork;
}

POINT CentredIn(const RECT& area, SIZE size) {
  return POINT{area.left + (area.right - area.left - size.cx) / 2,
               area.top + (area.bottom - area.top - size.cy) / 2};
}

}  // namespace

Form::Form(std::wstring name) : WinControl(std::move(name)) {
  StoreVisible(false);
  SetFont(Font(L"Tahoma", -11));
}

Form::~Form() { DestroyHandle(); }

void Form::SetClientSize(int width, int height) {
  const RECT& layout = LayoutBounds();
  SetBounds(layout.left, layout.top, width, height);
}

SIZE Form::ClientSizeInPixels() const {
  RECT client{};
  if (Handle()) GetClientRect(Handle(), &client);
  return SIZE{client.right, client.bottom};
}

bool Form::IsMainForm() const {
  const Application* app = Application::Current();
  return app && app->MainForm() == this;
}

RECT Form::BoundsRect() {
  RECT r{};
  if (Handle()) GetWindowRect(Handle(), &r);
  return r;
}

POINT Form::ClientToScreen(POINT p) { return WinControl::ClientToScreen(p); }

DWORD Form::Style() const {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  switch (borderStyle_) {
    case BorderStyle::None:
      return style | WS_POPUP;
    case BorderStyle::Dialog:
      return style | WS_CAPTION | (borderIcons_.systemMenu ? WS_SYSMENU : 0);
    case BorderStyle::Single:
      style |= WS_CAPTION;
      break;
    case BorderStyle::Sizeable:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
  }
  if (borderIcons_.systemMenu) {
    style |= WS_SYSMENU;
    if (borderIcons_.minimize) style |= WS_MINIMIZEBOX;
    if (borderIcons_.maximize) style |= WS_MAXIMIZEBOX;
  }
  return style;
}

DWORD Form::ExStyle() const {
  DWORD exStyle = 0;
  if (borderStyle_ == BorderStyle::Dialog) exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
  // The system shows a help button only where no minimize or maximize button is.
  const bool boxes = borderStyle_ != BorderStyle::Dialog && (borderIcons_.minimize || borderIcons_.maximize);
  if (borderIcons_.help && borderIcons_.systemMenu && !boxes) exStyle |= WS_EX_CONTEXTHELP;
  if (formStyle_ == FormStyle::StayOnTop) exStyle |= WS_EX_TOPMOST;
  if (alphaBlend_) exStyle |= WS_EX_LAYERED;
  // The main form, not a hidden window, carries the program's taskbar button.
  if (IsMainForm()) exStyle |= WS_EX_APPWINDOW;
  return exStyle;
}

SIZE Form::WindowSizeFor(int dpi) const {
  const RECT& layout = LayoutBounds();
  RECT r{0, 0, ScaleToDpi(layout.right - layout.left, dpi), ScaleToDpi(layout.bottom - layout.top, dpi)};
  AdjustWindowRectExForDpi(&r, Style(), FALSE, ExStyle(), dpi);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void Form::FillCreateParams(CreateParams& params) {
  params.className = L"MarvForm";
  params.style = Style();
  params.exStyle = ExStyle();
  // Other forms are owned by the main form, so they stay off the taskbar and above it.
  const Application* app = Application::Current();
  params.parent = (app && app->MainForm() && !IsMainForm()) ? app->MainForm()->Handle() : nullptr;
  const SIZE size = WindowSizeFor(kLayoutDpi);
  params.bounds = RECT{0, 0, size.cx, size.cy};
}

void Form::WindowCreated() {
  link_ = std::make_shared<WindowLink>(Handle());
  const UINT dpi = GetDpiForWindow(Handle());
  dpi_ = dpi ? static_cast<int>(dpi) : kLayoutDpi;
  PlaceWindow();
  // A window that is layered for other reasons (a class of its own) keeps its style.
  if (alphaBlend_) ApplyAlphaBlend();
}

WindowState Form::GetWindowState() const {
  if (!Handle()) return windowState_;
  if (IsIconic(Handle())) return WindowState::Minimized;
  if (IsZoomed(Handle())) return WindowState::Maximized;
  return WindowState::Normal;
}

void Form::SetWindowState(WindowState state) {
  windowState_ = state;
  if (!Handle() || !IsWindowVisible(Handle())) return;
  ShowWindow(Handle(), state == WindowState::Minimized   ? SW_MINIMIZE
                       : state == WindowState::Maximized ? SW_MAXIMIZE
                                                         : SW_RESTORE);
}

void Form::SetAlphaBlend(bool on, uint8_t value) {
  alphaBlend_ = on;
  alphaBlendValue_ = value;
  ApplyAlphaBlend();
}

void Form::ApplyAlphaBlend() {
  if (!Handle()) return;
  const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
  if (alphaBlend_) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, alphaBlendValue_, LWA_ALPHA);
  } else if (ex & WS_EX_LAYERED) {
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
  }
}

void Form::SetFormStyle(FormStyle style) {
  formStyle_ = style;
  if (Handle())
    SetWindowPos(Handle(), style == FormStyle::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void Form::ApplyConstraints(MINMAXINFO& info) const {
  if (!constraints_.Any()) return;
  // Constraints are on the window's size at the form's density.
  auto at = [this](int v) { return ScaleToDpi(v, dpi_); };
  if (constraints_.minWidth) info.ptMinTrackSize.x = at(constraints_.minWidth);
  if (constraints_.minHeight) info.ptMinTrackSize.y = at(constraints_.minHeight);
  if (constraints_.maxWidth) info.ptMaxTrackSize.x = info.ptMaxSize.x = at(constraints_.maxWidth);
  if (constraints_.maxHeight) info.ptMaxTrackSize.y = info.ptMaxSize.y = at(constraints_.maxHeight);
}

void Form::Paint(HDC dc) {
  if (OnPaint) OnPaint(*this, dc);
}

void Form::WindowDestroying() {
  if (link_) link_->Detach();
}

void Form::PlaceWindow() {
  const SIZE size = WindowSizeFor(dpi_);
  POINT at{ScaleToDpi(LayoutBounds().left, dpi_), ScaleToDpi(LayoutBounds().top, dpi_)};
  const Application* app = Application::Current();
  if (position_ == FormPosition::ScreenCenter) {
    at = CentredIn(PrimaryWorkArea(), size);
  } else if (position_ == FormPosition::MainFormCenter && app && app->MainForm() &&
             app->MainForm() != this && app->MainForm()->Handle()) {
    RECT main;
    GetWindowRect(app->MainForm()->Handle(), &main);
    at = CentredIn(main, size);
  }
  SetWindowPos(Handle(), nullptr, at.x, at.y, size.cx, size.cy, SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
}

void Form::FitClientArea() {
  // The frame may differ from what AdjustWindowRectExForDpi expected (a system that draws
  // frames at another density): correct the window by what the client area is off.
  const RECT& layout = LayoutBounds();
  const SIZE wanted{ScaleToDpi(layout.right - layout.left, dpi_), ScaleToDpi(layout.bottom - layout.top, dpi_)};
  const SIZE client = ClientSizeInPixels();
  if (client.cx == wanted.cx && client.cy == wanted.cy) return;
  RECT window;
  GetWindowRect(Handle(), &window);
  SetWindowPos(Handle(), nullptr, 0, 0, window.right - window.left + wanted.cx - client.cx,
               window.bottom - window.top + wanted.cy - client.cy, SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void Form::BoundsChanged() {
  if (Handle()) PlaceWindow();
}

void Form::ChangeDpi(int dpi, const RECT& suggested) {
  const int old = std::exchange(dpi_, dpi);
  // The suggested place, with the size our own layout gives at the new density.
  const SIZE size = WindowSizeFor(dpi);
  SetWindowPos(Handle(), nullptr, suggested.left, suggested.top, size.cx, size.cy,
               SWP_NOZORDER | SWP_NOACTIVATE);
  FitClientArea();
  ApplyFont();
  Broadcast(CM_DPICHANGED, old, dpi);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

void Form::RescaleToDpi(int dpi) {
  if (!Handle() || dpi <= 0) return;
  RECT place;
  GetWindowRect(Handle(), &place);
  ChangeDpi(dpi, place);
}

void Form::RunOnCreate() {
  if (OnCreate) OnCreate(*this);
}

void Form::Show() {
  HandleNeeded();
  if (Visible()) {
    SetForegroundWindow(Handle());
    return;
  }
  SetVisible(true);
}

void Form::Hide() { SetVisible(false); }

void Form::Close() {
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(*this, canClose);
  if (!canClose) return;
  if (OnClose) OnClose(*this);
  if (modal_) {
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  Hide();
  if (IsMainForm()) Application::Current()->Terminate();
}

int Form::ShowModal() {
  HandleNeeded();
  if (!Handle() || modal_) return mrNone;
  modal_ = true;
  modalResult_ = mrNone;
  {
    ThreadWindowsDisabled others(Handle());
    Show();
    MSG msg;
    while (modalResult_ == mrNone && Handle()) {
      if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
        modalResult_ = mrCancel;
        break;
      }
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }  // the others are enabled before hiding, so the activation goes back to them
  Hide();
  modal_ = false;
  return modalResult_;
}

PopupMenu& Form::AddPopupMenu(std::wstring name) {
  menus_.push_back(std::make_unique<PopupMenu>(*this, std::move(name)));
  return *menus_.back();
}

MenuItem* Form::FindMenuItem(UINT command) const {
  for (const auto& menu : menus_) {
    if (MenuItem* item = menu->FindItem(command)) return item;
  }
  return nullptr;
}

bool Form::DispatchMenuCommand(WPARAM wParam) {
  MenuItem* item = FindMenuItem(LOWORD(wParam));
  if (item) item->Click();
  return item != nullptr;
}

// Owner-drawn items of this form's menus are measured and drawn by their own handlers.
bool Form::MeasureMenuItem(MEASUREITEMSTRUCT& measure) {
  MenuItem* item = measure.CtlType == ODT_MENU ? FindMenuItem(measure.itemID) : nullptr;
  if (!item) return false;
  HDC dc = GetDC(Handle());
  int width = static_cast<int>(measure.itemWidth), height = static_cast<int>(measure.itemHeight);
  item->Measure(dc, width, height);
  ReleaseDC(Handle(), dc);
  measure.itemWidth = static_cast<UINT>(std::max(width, 0));
  measure.itemHeight = static_cast<UINT>(std::max(height, 0));
  return true;
}

bool Form::DrawMenuItem(const DRAWITEMSTRUCT& draw) {
  MenuItem* item = draw.CtlType == ODT_MENU ? FindMenuItem(draw.itemID) : nullptr;
  if (!item) return false;
  item->Draw(draw.hDC, draw.rcItem, draw.itemState);
  return true;
}

void Form::WndProc(Message& m) {
  switch (m.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && DispatchMenuCommand(m.WParam)) return;
      break;
    case WM_GETMINMAXINFO:
      WinControl::WndProc(m);
      ApplyConstraints(*reinterpret_cast<MINMAXINFO*>(m.LParam));
      return;
    case WM_SIZE:
      WinControl::WndProc(m);
      if (m.WParam == SIZE_MINIMIZED) windowState_ = WindowState::Minimized;
      else if (m.WParam == SIZE_MAXIMIZED) windowState_ = WindowState::Maximized;
      else if (m.WParam == SIZE_RESTORED) windowState_ = WindowState::Normal;
      if (OnResize) OnResize(*this);
      return;
    case WM_MEASUREITEM:
      if (m.WParam == 0 && MeasureMenuItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_DRAWITEM:
      if (m.WParam == 0 && DrawMenuItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.LParam))) {
        m.Result = TRUE;
        return;
      }
      break;
    case WM_DPICHANGED:
      if (!scaled_) break;
      ChangeDpi(LOWORD(m.WParam), *reinterpret_cast<const RECT*>(m.LParam));
      return;
    case CM_VISIBLECHANGED:
      if (!Handle()) return;
      if (m.WParam) {
        // The main form may have moved since this one was last placed over it.
        if (position_ == FormPosition::MainFormCenter) PlaceWindow();
        ShowWindow(Handle(), SW_SHOWNORMAL);
        UpdateWindow(Handle());
        if (OnShow) OnShow(*this);
      } else {
        ShowWindow(Handle(), SW_HIDE);
      }
      return;
    case CM_CURSORCHANGED:
      // Show the new cursor at once when the mouse is over the window.
      if (Handle()) {
        POINT p;
        GetCursorPos(&p);
        HWND under = WindowFromPoint(p);
        if (under == Handle() || IsChild(Handle(), under))
          SendMessageW(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
      }
      break;
    default:
      break;
  }
  WinControl::WndProc(m);
}

}  // namespace marv
