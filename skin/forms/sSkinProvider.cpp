// The provider's life and its window procedure: hooking the form, the deferred
// initialisation, skin commands, activation and the frame messages.
#include "skin/forms/sSkinProvider.h"

#include <dwmapi.h>

#include "framework/Dpi.h"
#include "skin/base/acSkinCommands.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/data/acSystemLook_win.h"
#include "skin/paint/acBlend.h"
#include "skin/windows/acSkinnedWindows.h"

namespace {

constexpr UINT kNcUahDrawCaption = 0xAE;  // the themed caption and frame of Windows 10
constexpr UINT kNcUahDrawFrame = 0xAF;
constexpr DWORD kDwmTransitionsForceDisabled = 3;
// SC_REPAINT's argument when the provider posts it to itself after a skin change.
constexpr uint16_t kRebuildFrame = 0xF0;

bool IsWindows10OrLater() {
  using RtlGetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
  static const bool answer = [] {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    const auto get = ntdll ? reinterpret_cast<RtlGetVersionFn>(
                                 reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                           : nullptr;
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    return get && get(&info) == 0 && info.dwMajorVersion >= 10;
  }();
  return answer;
}

TacBorderStyle ToTacStyle(marv::BorderStyle style) {
  switch (style) {
    case marv::BorderStyle::None: return TacBorderStyle::bsNone;
    case marv::BorderStyle::Single: return TacBorderStyle::bsSingle;
    case marv::BorderStyle::Dialog: return TacBorderStyle::bsDialog;
    case marv::BorderStyle::Sizeable: break;
  }
  return TacBorderStyle::bsSizeable;
}

TacWindowState ToTacState(marv::WindowState state) {
  switch (state) {
    case marv::WindowState::Minimized: return TacWindowState::wsMinimized;
    case marv::WindowState::Maximized: return TacWindowState::wsMaximized;
    case marv::WindowState::Normal: break;
  }
  return TacWindowState::wsNormal;
}

const TacWindowsSystemLook& RunningSystem() {
  static const TacWindowsSystemLook look;
  return look;
}

}  // namespace

struct TsSkinProvider::Hook {
  std::shared_ptr<TsSkinProvider*> self;
  marv::MessageHandler next;
  void operator()(marv::Message& m) const {
    if (*self) (*self)->NewWndProc(m, next);
    else next(m);
  }
};

std::unique_ptr<TsSkinProvider> TsSkinProvider::CreateRT(marv::Form& form) {
  return std::make_unique<TsSkinProvider>(form, true);
}

TsSkinProvider::TsSkinProvider(marv::Form& form, bool deferred)
    : form_(form),
      skin_(std::make_unique<TacControlSkinOwner>(form, kKindForm, false)),
      self_(std::make_shared<TsSkinProvider*>(this)),
      look_(&RunningSystem()),
      rtInit_(deferred),
      systemMenu_(form) {
  skin_->Data().SetSkinSection("FORM");
  skin_->SetCommandHandler([this](uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) {
    return SkinCommand(command, argument, lParam, result);
  });
  clicks_.OnButtonState = [this](int hitCode, int state) { ButtonStateChanged(hitCode, state); };
  inAero_ = CompositionOn();
  previous_ = form_.WindowProc;
  form_.WindowProc = Hook{self_, previous_};
  // The form's window carries the provider's binding from now on, so broadcasts reach it
  // and its controls through the list of provider forms.
  SkinnedWindows().ProviderForms.push_back(&form_);
  if (!deferred) PrepareForm();
}

TsSkinProvider::~TsSkinProvider() {
  std::erase(SkinnedWindows().ProviderForms, &form_);
  borderForm_.reset();
  KillAnimations();
  const Hook* ours = form_.WindowProc.target<Hook>();
  if (ours && ours->self == self_) form_.WindowProc = previous_;
  *self_ = nullptr;  // a hook others wrapped since passes everything on from now
  if (form_.Handle() && hasRegion_) SetWindowRgn(form_.Handle(), nullptr, TRUE);
  if (form_.Handle()) SetWindowPos(form_.Handle(), nullptr, 0, 0, 0, 0,
                                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

TsSkinProvider* TsSkinProvider::Of(HWND form) {
  marv::WinControl* control = marv::WinControl::FromHandle(form);
  if (!control) return nullptr;
  return reinterpret_cast<TsSkinProvider*>(control->Perform(WM_SKINCOMMAND, SkinCommandWParam(SC_GETPROVIDER, 0), 0));
}

bool TsSkinProvider::CompositionOn() const { return look_ && look_->CompositionEnabled(); }

void TsSkinProvider::InitializeNow() {
  if (!rtInit_) return;
  rtInit_ = false;
  if (form_.Handle() && CompositionOn()) {
    const BOOL disabled = FrameSkinned();
    DwmSetWindowAttribute(form_.Handle(), kDwmTransitionsForceDisabled, &disabled, sizeof disabled);
  }
  PrepareForm();
}

void TsSkinProvider::PrepareForm() {
  TsCommonData& data = skin_->Data();
  skin_->SyncDensity();
  data.Loaded(false);
  if (const TacSkinData* skin = data.CommonSkinData()) sections_ = FindFrameSections(*skin);
  systemMenu_.Generate();
  systemMenu_.UpdateItems(MenuRules());
  pictureStale_ = true;
  rgnChanged_ = true;
}

bool TsSkinProvider::FrameSkinned() const {
  if (rtInit_ || !form_.Handle()) return false;
  TsCommonData& data = skin_->Data();
  IacSkinManagerView* manager = data.SkinManager();
  return manager && manager->IsActive() && manager->Options().DrawNonClientArea() &&
         data.CommonSkinData() != nullptr && data.SkinIndex() >= 0;
}

TacSystemMetrics TsSkinProvider::Metrics() const {
  const int dpi = form_.CurrentDpi();
  return {marv::SystemMetricForDpi(SM_CXFRAME, dpi),       marv::SystemMetricForDpi(SM_CXFIXEDFRAME, dpi),
          marv::SystemMetricForDpi(SM_CXPADDEDBORDER, dpi), marv::SystemMetricForDpi(SM_CYCAPTION, dpi),
          marv::SystemMetricForDpi(SM_CYSMCAPTION, dpi),    marv::SystemMetricForDpi(SM_CYMENU, dpi)};
}

TacFormFrame TsSkinProvider::FrameInfo() const {
  TacFormFrame f;
  f.BorderStyle = ToTacStyle(form_.GetBorderStyle());
  const marv::BorderIcons& icons = form_.GetBorderIcons();
  f.Icons = {icons.systemMenu, icons.minimize, icons.maximize, icons.help};
  f.State = ToTacState(form_.GetWindowState());
  f.IsMainForm = form_.IsMainForm();
  f.Windows10 = IsWindows10OrLater();
  f.BorderWidth = marv::ScaleToDpi(form_.BorderWidth(), form_.CurrentDpi());
  if (const HWND w = form_.Handle()) {
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    f.CaptionStyle = (style & WS_CAPTION) == WS_CAPTION;
    f.ChildWindow = (style & WS_CHILD) != 0;
    RECT window, client;
    GetWindowRect(w, &window);
    GetClientRect(w, &client);
    f.WindowSize = {window.right - window.left, window.bottom - window.top};
    f.ClientSize = {client.right, client.bottom};
  }
  return f;
}

int TsSkinProvider::CaptionHeight() const { return ::CaptionHeight(FrameInfo(), Metrics()); }

int TsSkinProvider::FrameWidth() const {
  TacFrameKind kind = TacFrameKind::Other;
  if (const HWND w = form_.Handle()) {
    const LONG_PTR style = GetWindowLongPtrW(w, GWL_STYLE);
    if (style & WS_THICKFRAME) kind = TacFrameKind::Sizing;
    else if ((style & WS_BORDER) && !(style & WS_DLGFRAME)) kind = TacFrameKind::ThinBorder;
  }
  return ::FrameWidth(FrameInfo(), Metrics(), kind);
}

TPoint TsSkinProvider::ClientOffset() const { return ::ClientOffset(FrameInfo(), FrameWidth()); }

TacSystemMenuRules TsSkinProvider::MenuRules() const {
  TacNativeClose native;
  if (const HWND w = form_.Handle()) {
    HMENU menu = GetSystemMenu(w, FALSE);
    native.HasMenu = menu != nullptr;
    if (menu) {
      const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
      native.HasClose = state != static_cast<UINT>(-1);
      native.Grayed = native.HasClose && (state & (MF_GRAYED | MF_DISABLED));
    }
  }
  return SystemMenuRules(FrameInfo(), native);
}

bool TsSkinProvider::SkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) {
  switch (command) {
    case SC_GETPROVIDER:
      result = reinterpret_cast<intptr_t>(this);
      return true;
    case SC_GETBORDERWIDTH:
      result = FrameWidth();
      return true;
    case SC_GETBG: {
      if (!lParam || !FrameSkinned()) return false;
      if (pictureStale_ && !PaintAll()) return false;
      // Children see the client part of the frame picture.
      auto& info = *reinterpret_cast<BackgroundInfo*>(lParam);
      const TPoint o = ClientOffset();
      const PixelBuffer client = picture_.Pixels().sub(o.X, o.Y, picture_.Width() - o.X, picture_.Height() - o.Y);
      if (info.DrawNow) {
        CopyBitmapRect(info.Target, info.R, client, info.Offset);
      } else {
        info.Bmp = client;
        info.Offset = {};
      }
      info.Kind = bgCache;
      result = 0;
      return true;
    }
    case SC_SKINLOADED:
    case SC_SKINREFRESH:
    case SC_SKINREMOVED:
    case SC_SETPPI:
      // The binding follows first; the frame is rebuilt on its next paint.
      pictureStale_ = true;
      rgnChanged_ = true;
      KillAnimations();
      if (form_.Handle() && !rtInit_)
        PostMessageW(form_.Handle(), WM_SKINCOMMAND, SkinCommandWParam(SC_REPAINT, kRebuildFrame), 0);
      return false;
    case SC_REPAINT:
      if (argument != kRebuildFrame) return false;
      PrepareForm();
      RepaintFrame();
      if (form_.Handle()) RedrawWindow(form_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      return true;
    default:
      return false;
  }
}

bool TsSkinProvider::OwnsActiveWindow() const {
  const HWND form = form_.Handle();
  for (HWND w = GetActiveWindow(); w; w = GetWindow(w, GW_OWNER))
    if (w == form) return true;
  return false;
}

void TsSkinProvider::Activate(bool active) {
  // A form whose own popup is the active window still counts as active.
  const bool drawnActive = active || OwnsActiveWindow();
  if (drawnActive == formActive_) return;
  formActive_ = drawnActive;
  pictureStale_ = true;
}

void TsSkinProvider::DefaultWithoutRedraw(marv::Message& m, const marv::MessageHandler& next) {
  // The system would draw its own caption while it handles the message.
  const HWND w = form_.Handle();
  const bool visible = w && IsWindowVisible(w);
  if (visible) DefWindowProcW(w, WM_SETREDRAW, FALSE, 0);
  next(m);
  if (visible) DefWindowProcW(w, WM_SETREDRAW, TRUE, 0);
}

LRESULT TsSkinProvider::ProcessMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  marv::Message m{msg, wParam, lParam, 0};
  NewWndProc(m, previous_);
  return m.Result;
}

void TsSkinProvider::NewWndProc(marv::Message& m, const marv::MessageHandler& next) {
  switch (m.Msg) {
    case WM_SETREDRAW:
      lockCount_ = m.WParam ? std::max(0, lockCount_ - 1) : lockCount_ + 1;
      next(m);
      return;
    case WM_NCHITTEST:
    case WM_NCPAINT:
      InitializeNow();
      break;
    case WM_DESTROY:
      borderForm_.reset();
      break;
    case WM_NCDESTROY:
      KillAnimations();
      next(m);
      if (OnWindowGone) OnWindowGone(*this);  // may free the provider: nothing after it
      return;
    default:
      break;
  }
  if (!FrameSkinned() || form_.GetBorderStyle() == marv::BorderStyle::None) {
    next(m);
    return;
  }
  if (!FrameMessage(m, next) && !MouseMessage(m, next)) next(m);
  BorderFollows(m);
}

bool TsSkinProvider::FrameMessage(marv::Message& m, const marv::MessageHandler& next) {
  const HWND w = form_.Handle();
  switch (m.Msg) {
    case WM_NCPAINT:
      if (lockCount_ == 0 && IsWindowVisible(w)) RepaintFrame();
      m.Result = 0;  // never the system's frame
      return true;
    case kNcUahDrawCaption:
    case kNcUahDrawFrame:
      m.Result = 0;
      return true;
    case WM_NCACTIVATE:
      Activate(m.WParam != 0);
      if (CompositionOn()) DefaultWithoutRedraw(m, next);  // composition: the system's caption stays hidden
      else next(m);
      m.Result = TRUE;
      RepaintFrame();
      return true;
    case WM_ACTIVATE:
      next(m);
      // The window being activated is known here: an owned popup keeps the title active.
      if (LOWORD(m.WParam) == WA_INACTIVE) {
        bool owned = false;
        for (HWND o = reinterpret_cast<HWND>(m.LParam); o && !owned; o = GetWindow(o, GW_OWNER)) owned = o == w;
        if (owned != formActive_) {
          formActive_ = owned;
          pictureStale_ = true;
          RepaintFrame();
        }
      }
      return true;
    case WM_SETTEXT:
    case WM_SETICON:
      DefaultWithoutRedraw(m, next);
      pictureStale_ = true;
      RepaintFrame();
      return true;
    case WM_ERASEBKGND:
      m.Result = 1;  // WM_PAINT copies the client from the picture
      return true;
    case WM_PAINT: {
      marv::PaintScope paint(w);
      PaintClient(paint.Dc(), paint.Area());
      m.Result = 0;
      return true;
    }
    case WM_PRINT:
      if (pictureStale_) PaintAll();
      CopyPictureToDC(reinterpret_cast<HDC>(m.WParam), picture_.Pixels(), 0, 0);
      return true;
    case WM_SIZE:
    case WM_DPICHANGED:
      KillAnimations();
      next(m);
      skin_->SyncDensity();
      pictureStale_ = true;
      rgnChanged_ = true;
      if (IsWindowVisible(w)) {
        RepaintFrame();
        InvalidateRect(w, nullptr, FALSE);
      }
      return true;
    case WM_GETMINMAXINFO: {
      next(m);
      const TacFormFrame f = FrameInfo();
      if (f.ChildWindow) return true;
      MONITORINFO monitor{};
      monitor.cbSize = sizeof monitor;
      GetMonitorInfoW(MonitorFromWindow(w, MONITOR_DEFAULTTONEAREST), &monitor);
      const RECT& work = monitor.rcWork;
      const int extraTitle = borderForm_ ? borderOwner_.ExtraTitleHeight() : 0;
      const TacMaximizedPlace place =
          MaximizedPlace({0, 0, work.right - work.left, work.bottom - work.top}, FrameWidth(), extraTitle);
      auto* info = reinterpret_cast<MINMAXINFO*>(m.LParam);
      info->ptMaxPosition = {place.Position.X, place.Position.Y};
      info->ptMaxSize = {place.Size.X, place.Size.Y};
      return true;
    }
    case WM_STYLECHANGED:
      next(m);
      systemMenu_.UpdateItems(MenuRules());
      pictureStale_ = true;
      RepaintFrame();
      return true;
    case WM_COMMAND:
      if (m.LParam == 0 && HIWORD(m.WParam) == 0 && systemMenu_.HandleCommand(LOWORD(m.WParam))) return true;
      return false;
    case WM_SYSCOMMAND:
      if ((m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam == ' ') {
        // Alt+Space: the skinned system menu under the title's icon, as the system places its own.
        Act(TacFrameAction{.DropSysMenuAtIcon = true}, POINT{});
        m.Result = 0;
        return true;
      }
      if ((m.WParam & 0xFFF0) == SC_MINIMIZE || (m.WParam & 0xFFF0) == SC_CLOSE) KillAnimations();
      return false;
    default:
      return false;
  }
}
