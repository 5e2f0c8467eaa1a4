#include "skin/windows/acFormScaling.h"

#include "framework/Application.h"
#include "framework/WinControl.h"
#include "skin/base/acSkinCommands.h"

namespace {

int ScreenPPI() {
  HDC screen = GetDC(nullptr);
  const int ppi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
  if (screen) ReleaseDC(nullptr, screen);
  return ppi > 0 ? ppi : 96;
}

// Set on a form whose density changes are followed.
constexpr wchar_t kFollowedProperty[] = L"MarvSkinDpiFollowed";

}  // namespace

int TacFormScaling::AskPPI() {
  if (!form_.Handle()) return 0;
  const auto ppi = static_cast<int>(SendMessageW(form_.Handle(), WM_SKINCOMMAND, SkinCommandWParam(SC_GETPPI), 1));
  return ppi != 0 ? ppi : form_.CurrentDpi();
}

TPoint TacFormScaling::ClientSize() {
  const SIZE size = form_.ClientSizeInPixels();
  return {size.cx, size.cy};
}

TRect TacFormScaling::BoundsRect() {
  const RECT r = form_.BoundsRect();
  return {r.left, r.top, r.right, r.bottom};
}

void TacFormScaling::ScaleBy(int, int, int ppi) {
  if (form_.CurrentDpi() != ppi) form_.RescaleToDpi(ppi);
}

void TacFormScaling::SetPosition(int left, int top) {
  if (form_.Handle())
    SetWindowPos(form_.Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TacFormScaling::SetClientSize(int width, int height) {
  const TPoint now = ClientSize();
  if (!form_.Handle() || (now.X == width && now.Y == height)) return;
  RECT window;
  GetWindowRect(form_.Handle(), &window);
  SetWindowPos(form_.Handle(), nullptr, 0, 0, window.right - window.left + width - now.X,
               window.bottom - window.top + height - now.Y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TacFormScaling::SendSetPPI(int ppi) {
  if (form_.Handle()) SendMessageW(form_.Handle(), WM_SKINCOMMAND, SkinCommandWParam(SC_SETPPI), ppi);
}

void TacFormScaling::InvalidateOnScreen(const TRect& r) {
  const RECT area{r.Left, r.Top, r.Right, r.Bottom};
  RedrawWindow(GetDesktopWindow(), &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

int GetControlPPI(const TsSkinManager* Manager, marv::Control* ctrl, bool OnlyActive) {
  return GetControlPPI(Manager, OnlyActive, [ctrl]() -> int {
    if (ctrl == nullptr) {
      const marv::Application* app = marv::Application::Current();
      const marv::Form* main = app ? app->MainForm() : nullptr;
      return main && main->Handle() ? main->CurrentDpi() : ScreenPPI();
    }
    if (ctrl->IsWindowed()) return static_cast<marv::WinControl*>(ctrl)->Handle() ? ctrl->Dpi() : 96;
    const marv::WinControl* parent = ctrl->Parent();
    return parent && parent->Handle() ? ctrl->Dpi() : ScreenPPI();
  });
}

void FollowMonitorDensity(marv::Form& form) {
  if (!form.Handle() || GetPropW(form.Handle(), kFollowedProperty)) return;
  SetPropW(form.Handle(), kFollowedProperty, reinterpret_cast<HANDLE>(1));
  form.WindowProc = [&form, previous = form.WindowProc](marv::Message& m) {
    if (m.Msg == WM_NCDESTROY && form.Handle()) RemovePropW(form.Handle(), kFollowedProperty);
    const int before = form.CurrentDpi();
    previous(m);
    if (m.Msg != WM_DPICHANGED || !form.Scaled()) return;  // a fixed scale ignores monitors
    if (TsSkinManager* manager = TsSkinManager::DefaultManager()) {
      TacFormScaling scaling(form);
      manager->UpdateScale(scaling, before, LOWORD(m.WParam));
    }
  };
}
