#include "skin/controls/acControlSkinOwner.h"

#include <cstring>

#include "framework/DibBitmap.h"
#include "framework/WinControl.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/data/acTimerSource.h"
#include "skin/base/acSkinCommands.h"
#include "skin/windows/acHeldResources.h"

namespace {

constexpr wchar_t kBindingProperty[] = L"ACSDATA";

TRect ToTRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

void CopyPixels(const PixelBuffer& to, const PixelBuffer& from) {
  const int w = std::min(to.width, from.width), h = std::min(to.height, from.height);
  for (int y = 0; y < h; ++y) std::memcpy(to.row(y), from.row(y), sizeof(uint32_t) * static_cast<size_t>(w));
}

}  // namespace

void CopyPictureToDC(HDC dc, const PixelBuffer& picture, int x, int y) {
  if (!dc || picture.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.stride;
  info.bmiHeader.biHeight = -picture.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0, 0, 0,
                    static_cast<UINT>(picture.height), picture.pixels, &info, DIB_RGB_COLORS);
}

void ShowPictureOnWindow(HWND window, const PixelBuffer& picture, int x, int y) {
  marv::WindowDcScope dc(window);
  CopyPictureToDC(dc.get(), picture, x, y);
}

// Never answered for another thread or process that sends the same number. Only the
// message itself counts: questions asked in-process while another thread's send is being
// answered are ours.
bool SkinCommandCarriesPointer(uint16_t command) {
  return command == SC_SECTIONCHANGED || command == SC_SETSECTION || command == SC_GETSKININDEX ||
         command == SC_GETBG || command == SC_GETBGSTATE;
}

void SetSkinDataOfWindow(HWND window, TsCommonData* data) { SetPropW(window, kBindingProperty, data); }

void RemoveSkinDataOfWindow(HWND window) {
  if (window && IsWindow(window)) RemovePropW(window, kBindingProperty);
}

TsCommonData* SkinDataOfWindow(HWND window) {
  DWORD process = 0;
  if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId()) return nullptr;
  return static_cast<TsCommonData*>(GetPropW(window, kBindingProperty));
}

struct TacControlSkinOwner::Hook {
  std::shared_ptr<TacControlSkinOwner*> self;
  marv::MessageHandler next;
  void operator()(marv::Message& m) const {
    if (*self) (*self)->OnMessage(m, next);
    else next(m);
  }
};

TacControlSkinOwner::TacControlSkinOwner(marv::Control& control, int kind, bool withCache)
    : control_(control),
      data_(std::make_unique<TsCtrlSkinData>(*this, kind, withCache)),
      self_(std::make_shared<TacControlSkinOwner*>(this)),
      previous_(control.WindowProc) {
  data_->CurrentPPI = control.Dpi();
  control_.WindowProc = Hook{self_, previous_};
  RegisterProperty();
}

TacControlSkinOwner::~TacControlSkinOwner() {
  destroying_ = true;
  data_->StopFade();
  RemoveProperty();
  const Hook* ours = control_.WindowProc.target<Hook>();
  if (ours && ours->self == self_) control_.WindowProc = previous_;
  *self_ = nullptr;  // a hook others wrapped since passes everything on from now
}

marv::WinControl* TacControlSkinOwner::AsWinControl() const {
  return control_.IsWindowed() ? static_cast<marv::WinControl*>(&control_) : nullptr;
}

HWND TacControlSkinOwner::Window() const {
  const marv::WinControl* w = AsWinControl();
  return w ? w->Handle() : nullptr;
}

void TacControlSkinOwner::RegisterProperty() {
  const HWND window = Window();
  if (!window || window == registered_) return;
  SetSkinDataOfWindow(window, data_.get());
  registered_ = window;
}

void TacControlSkinOwner::RemoveProperty() {
  RemoveSkinDataOfWindow(registered_);
  registered_ = nullptr;
}

bool TacControlSkinOwner::SkinCommand(marv::Message& m) {
  const uint16_t command = SkinCommandOf(m.WParam), argument = SkinCommandArgument(m.WParam);
  if (SkinCommandCarriesPointer(command) && m.FromOtherThread) {
    m.Result = 0;
    return true;
  }
  if (command == SC_SKINLOADED) SyncDensity();
  intptr_t result = 0;
  if ((commands_ && commands_(command, argument, m.LParam, result)) ||
      data_->HandleCommand(command, argument, m.LParam, result)) {
    m.Result = result;
    return true;
  }
  return false;
}

void TacControlSkinOwner::OnMessage(marv::Message& m, const marv::MessageHandler& next) {
  TsCommonData& data = *data_;
  switch (m.Msg) {
    case WM_SKINCOMMAND:
      if (!SkinCommand(m)) next(m);
      return;
    case WM_NCCREATE:
    case WM_CREATE:
      next(m);
      RegisterProperty();
      return;
    case WM_DESTROY:
      RemoveProperty();
      break;
    case WM_WINDOWPOSCHANGING: {
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(m.LParam);
      if (pos && !(pos->flags & SWP_NOSIZE)) {
        const TRect b = Bounds();
        data.BoundsChanging(pos->cx != b.Width(), pos->cy != b.Height());
      }
      break;
    }
    case WM_MOVE:
      next(m);
      data.Moved();
      return;
    case WM_SIZE:
      next(m);
      data.Resized();
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      data.FocusChanged(m.Msg == WM_SETFOCUS);
      break;
    case marv::CM_ENABLEDCHANGED:
      data.EnabledChanged();
      break;
    case marv::CM_VISIBLECHANGED:
      data.VisibilityChanged(m.WParam != 0);
      break;
    case marv::CM_DPICHANGED:
      data.CurrentPPI = static_cast<int>(m.LParam);
      data.BGChanged = true;
      break;
    case marv::CM_MOUSEENTER:
    case marv::CM_MOUSELEAVE:
      // The control's own handling decides first; the binding only follows it.
      next(m);
      if (reinterpret_cast<marv::Control*>(m.LParam) == &control_) {
        if (m.Msg == marv::CM_MOUSEENTER) data.MouseEntered();
        else data.MouseLeft();
      }
      return;
    default:
      break;
  }
  next(m);
}

void TacControlSkinOwner::SyncDensity() {
  const int dpi = control_.Dpi();
  if (data_->CurrentPPI == dpi) return;
  data_->CurrentPPI = dpi;
  data_->BGChanged = true;
}

// IacSkinOwner

TRect TacControlSkinOwner::Bounds() const { return ToTRect(control_.BoundsRect()); }

bool TacControlSkinOwner::HasParent() const { return control_.Parent() != nullptr; }

bool TacControlSkinOwner::HasFocus() const {
  const HWND window = Window();
  return window && GetFocus() == window;
}

bool TacControlSkinOwner::CursorInside() const {
  POINT cursor;
  if (!GetCursorPos(&cursor)) return false;
  const POINT p = control_.ScreenToClient(cursor);
  const TRect b = Bounds();
  if (p.x < 0 || p.y < 0 || p.x >= b.Width() || p.y >= b.Height()) return false;
  const HWND under = WindowFromPoint(cursor);
  const HWND own = Window() ? Window() : (control_.Parent() ? control_.Parent()->Handle() : nullptr);
  return own && (under == own || IsChild(own, under));
}

uint32_t TacControlSkinOwner::Color() const { return marv::ToColorRef(control_.BackColor()); }

uint32_t TacControlSkinOwner::ParentColor() const {
  const marv::WinControl* parent = control_.Parent();
  return marv::ToColorRef(parent ? parent->BackColor() : control_.BackColor());
}

uint32_t TacControlSkinOwner::FontColor() const { return marv::ToColorRef(control_.GetFont().TextColor()); }

uint32_t TacControlSkinOwner::ParentFontColor() const {
  const marv::WinControl* parent = control_.Parent();
  return marv::ToColorRef((parent ? parent->GetFont() : control_.GetFont()).TextColor());
}

void TacControlSkinOwner::ApplyColors(uint32_t color, uint32_t fontColor) {
  if (marv::ToColorRef(control_.BackColor()) != color) control_.SetColor(static_cast<marv::Color>(color));
  if (FontColor() != fontColor) {
    marv::Font font = control_.GetFont();
    font.SetTextColor(static_cast<marv::Color>(fontColor));
    control_.SetFont(font);
  }
}

intptr_t TacControlSkinOwner::SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) {
  return control_.Perform(WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

intptr_t TacControlSkinOwner::SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) {
  marv::WinControl* parent = control_.Parent();
  return parent ? parent->Perform(WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam) : 0;
}

void TacControlSkinOwner::SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) {
  const marv::WinControl* w = AsWinControl();
  if (!w) return;
  for (const auto& child : w->Controls())
    if (!windowedOnly || child->IsWindowed())
      child->Perform(WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
}

bool TacControlSkinOwner::HasChildren() const {
  const marv::WinControl* w = AsWinControl();
  return w && !w->Controls().empty();
}

void TacControlSkinOwner::Redraw(bool now) {
  if (const HWND window = Window()) {
    UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN;
    if (now) flags |= RDW_UPDATENOW;
    RedrawWindow(window, nullptr, nullptr, flags);
    return;
  }
  control_.Invalidate();
  if (now && control_.Parent() && control_.Parent()->Handle()) UpdateWindow(control_.Parent()->Handle());
}

void TacControlSkinOwner::ShowPicture(const PixelBuffer& picture) {
  if (const HWND window = Window()) {
    ShowPictureOnWindow(window, picture, 0, 0);
    return;
  }
  marv::WinControl* parent = control_.Parent();
  if (!parent || !parent->Handle()) return;
  const TRect b = Bounds();
  ShowPictureOnWindow(parent->Handle(), picture, b.Left, b.Top);
}

void TacControlSkinOwner::PaintChildrenInto(const PixelBuffer& picture) {
  marv::WinControl* w = AsWinControl();
  if (!w || picture.empty()) return;
  marv::DibBitmap canvas(picture.width, picture.height);
  if (canvas.Empty() || !canvas.Dc()) return;
  CopyPixels(canvas.Pixels(), picture);
  w->PaintControls(canvas.Dc(), RECT{0, 0, picture.width, picture.height});
  GdiFlush();
  CopyPixels(picture, canvas.Pixels());
}

std::unique_ptr<TacHeldResource> TacControlSkinOwner::StartTimer(int milliseconds, std::function<void()> tick) {
  if (IacSkinManagerView* manager = data_->SkinManager())
    return manager->FadeTimers().Subscribe(milliseconds, std::move(tick));
  return HoldTimer(static_cast<UINT>(milliseconds), std::move(tick));
}
