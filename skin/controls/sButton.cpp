#include "skin/controls/sButton.h"

#include "common/GdiHandles.h"
#include "skin/controls/acFocusFrame.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"

namespace {

// How long a click that ended before its press fade shows the pressed picture.
constexpr DWORD kPressedHoldMs = 30;

// Whether visual styles draw this program's windows (uxtheme is asked only when loaded).
bool ThemesOn() {
  const HMODULE uxtheme = GetModuleHandleW(L"uxtheme.dll");
  if (!uxtheme) return false;
  using IsAppThemedProc = BOOL(WINAPI*)();
  const auto isAppThemed =
      reinterpret_cast<IsAppThemedProc>(reinterpret_cast<void*>(GetProcAddress(uxtheme, "IsAppThemed")));
  return isAppThemed && isAppThemed();
}

}  // namespace

TsButton::TsButton(std::wstring name)
    : marv::PushButton(std::move(name)), TacSkinnedControl(*this, TacControlKind::Button) {
  SkinData().Loaded(true);
}

void TsButton::SetDown(bool down) {
  down_ = down;
  SkinData().Invalidate(false);
}

void TsButton::FillCreateParams(CreateParams& params) {
  marv::PushButton::FillCreateParams(params);
  params.style = (params.style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

int TsButton::CurrentState() {
  TsCommonData& data = SkinData();
  TacPushButtonStateInput in;
  const HWND window = Handle();
  in.pushed = forcedPress_ || (window && (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED));
  in.mouseAbove = data.FMouseAbove;
  in.leftHeldOnControl = window && GetCapture() == window && (GetKeyState(VK_LBUTTON) < 0);
  IacSkinManagerView* m = data.SkinManager();
  in.hoverOff = m && m->Options().NoMouseHover;
  in.down = down_;
  in.defaultState = data.DefaultState();
  in.isDefault = Default();
  return PushButtonCurrentState(in);
}

int TsButton::CacheState() { return builtState_ = CurrentState(); }

void TsButton::PaintSection(const TCacheInfo& background, int state, const PixelBuffer& cache) {
  TacSkinnedControl::PaintSection(background, PictureState(state, SkinData().States()), cache);
}

void TsButton::PaintContent(const TCacheInfo&, int state, const PixelBuffer& cache) {
  if (Caption().empty()) return;
  TsCommonData& data = SkinData();
  const int dpi = data.CurrentPPI;
  TacTextCanvas canvas{cache, &text_.Get(), TextFontOf(*this, dpi)};
  const uint32_t format = tfCenter | tfWordBreak | tfExpandTabs | tfVCenter | tfNoPrefix;
  const int W = Width(), H = Height();
  const TSize size = canvas.Painter->Measure(ToU16(Caption()), canvas.Font, format, std::max(0, W - 3 * ContentMargin));
  TRect r = PushButtonCaptionRect(W, H, size.cx, size.cy);
  IacSkinManagerView* m = data.SkinManager();
  const TsGeneralData* s = data.Section();
  if (state == 2 && ((m && m->ButtonsOptions().ShiftContentOnClick) || (s && s->ShiftOnClick)) && s &&
      s->BorderIndex >= 0)
    r = PressedShift(r);
  WriteSkinnedText(canvas, ToU16(Caption()), Enabled(), true, state, data, format, r);
  if (Handle() && GetFocus() == Handle()) DrawFocusFrame(r);
}

void TsButton::DrawFocusFrame(TRect text) {
  TsCommonData& data = SkinData();
  IacSkinManagerView* m = data.SkinManager();
  if (!ShowFocus || !Enabled() || !m) return;
  if (!m->ButtonsOptions().ShowFocusRect && ThemesOn()) return;  // themed systems hide them
  PaintSkinFocusFrame(data, text, FocusMargin, Height());
}

void TsButton::PaintUnskinned(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const HWND window = Handle();
  const bool pushed = window && (SendMessageW(window, BM_GETSTATE, 0, 0) & BST_PUSHED);
  UINT state = DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (Enabled() ? 0 : DFCS_INACTIVE);
  DrawFrameControl(dc, &r, DFC_BUTTON, state);
  marv::SelectedObject font(dc, GetFont().Handle(Dpi()));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, marv::ToColorRef(Enabled() ? GetFont().TextColor() : marv::kGrayTextColor));
  RECT text = r;
  if (pushed) OffsetRect(&text, 1, 1);
  DrawTextW(dc, Caption().c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  if (window && GetFocus() == window) {
    InflateRect(&r, -4, -4);
    DrawFocusRect(dc, &r);
  }
}

void TsButton::PaintTo(HDC dc) {
  TsCommonData& data = SkinData();
  if (!data.Skinned()) {
    PaintUnskinned(dc);
    return;
  }
  if (!data.FadePicture()) {
    RECT clip;
    if (GetClipBox(dc, &clip) == NULLREGION) return;
    data.BGChanged = data.BGChanged || data.HalfVisible;
    data.HalfVisible = clip.right - clip.left != Width() || clip.bottom - clip.top != Height();
  }
  ShowPicture(dc, CurrentState() != builtState_);
}

void TsButton::MouseEntered() {
  TsCommonData& data = SkinData();
  IacSkinManagerView* m = data.SkinManager();
  if (!Enabled() || data.FMouseAbove || (m && m->Options().NoMouseHover)) return;
  data.BGChanged = false;
  data.FMouseAbove = true;
  ChangeStateAnimated(data, 1, &WindowedFadeStep, true, false, AnimAllowed(aeMouseEnter, AnimatEvents, m));
}

void TsButton::MouseLeft() {
  TsCommonData& data = SkinData();
  if (!Enabled() || !data.FMouseAbove) return;
  data.BGChanged = false;
  data.FMouseAbove = false;
  ChangeStateAnimated(data, 0, &WindowedFadeStep, false, false,
                      AnimAllowed(aeMouseLeave, AnimatEvents, data.SkinManager()));
}

void TsButton::Pressed() {
  TsCommonData& data = SkinData();
  if (!data.Skinned() || !Enabled()) return;
  data.FUpdating = false;
  mouseClicked_ = true;
  if (down_) return;
  data.BGChanged = false;
  ChangeStateAnimated(data, 2, &WindowedFadeStep, false, true,
                      AnimAllowed(aeMouseDown, AnimatEvents, data.SkinManager()));
}

void TsButton::Released() {
  TsCommonData& data = SkinData();
  if (!std::exchange(mouseClicked_, false) || !data.Skinned()) return;
  if (data.FadeRunning()) {
    data.StopFade();
    data.BGChanged = true;
    forcedPress_ = true;
    RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    forcedPress_ = false;
    Sleep(kPressedHoldMs);
  }
  data.FUpdating = false;
  data.BGChanged = false;
  if (data.FMouseAbove)
    ChangeStateAnimated(data, 1, &WindowedFadeStep, true, true, AnimAllowed(aeMouseUp, AnimatEvents, data.SkinManager()));
}

void TsButton::WndProc(marv::Message& m) {
  TsCommonData& data = SkinData();
  switch (m.Msg) {
    case WM_PAINT: {
      if (data.Skinned() && data.FUpdating) {
        ValidateRect(Handle(), nullptr);
        return;
      }
      marv::PaintScope paint(Handle());
      PaintTo(paint.Dc());
      return;
    }
    case WM_PRINTCLIENT:
      data.FUpdating = false;
      PaintTo(reinterpret_cast<HDC>(m.WParam));
      return;
    case WM_ERASEBKGND:
      m.Result = 1;  // the paint covers every pixel
      return;
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, Handle(), 0};
        tracking_ = TrackMouseEvent(&track);
      }
      MouseEntered();
      break;
    case WM_MOUSELEAVE:
      tracking_ = false;
      MouseLeft();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      DefaultHandler(m);
      Pressed();
      return;
    case WM_LBUTTONUP:
      Released();
      DefaultHandler(m);
      return;
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (m.Msg == WM_KILLFOCUS) data.StopFade();
      DefaultHandler(m);
      if (!data.Skinned()) Invalidate();
      else if (!data.FadeRunning()) data.Invalidate(false);
      return;
    case WM_ENABLE:
      return;  // the picture is repainted on the framework's notice
    case marv::CM_ENABLEDCHANGED:
      data.StopFade();
      data.BGChanged = true;
      marv::PushButton::WndProc(m);
      if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
      return;
    default:
      FollowLookNotice(m.Msg);
      break;
  }
  marv::PushButton::WndProc(m);
}
