#include "skin/controls/sSpeedButton.h"

#include "framework/WinControl.h"
#include "skin/controls/acFocusFrame.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/acSkinnedText.h"
#include "skin/paint/sGraphUtils.h"

TsSpeedButton::TsSpeedButton(std::wstring name)
    : marv::SpeedButton(std::move(name)), TacSkinnedControl(*this, TacControlKind::SpeedButton) {
  SkinData().Loaded(true);
}

TsSpeedButton::~TsSpeedButton() {
  IacSkinManagerView* m = SkinData().SkinManager();
  if (m && m->ActiveGraphControl() == static_cast<marv::Control*>(this)) m->SetActiveGraphControl(nullptr);
}

void TsSpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  SkinData().UpdateIndexes(true);  // TOOLBUTTON when flat, SPEEDBUTTON otherwise
  MarkStale();
  UpdateView();
}

void TsSpeedButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  if (down && groupIndex_ != 0 && Parent()) {
    for (const auto& sibling : Parent()->Controls()) {
      auto* other = dynamic_cast<TsSpeedButton*>(sibling.get());
      if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
        other->down_ = false;
        other->SkinData().StopFade();
        other->MarkStale();
        other->UpdateView();
      }
    }
  }
  MarkStale();
  UpdateView();
}

void TsSpeedButton::Click() {
  if (groupIndex_ != 0) SetDown(down_ && allowAllUp_ ? false : true);
  marv::SpeedButton::Click();
}

void TsSpeedButton::MarkStale() { SkinData().BGChanged = true; }

int TsSpeedButton::CurrentState() {
  TacSpeedButtonStateInput in;
  in.down = down_ || LooksPressed();
  in.defaultState = SkinData().DefaultState();
  return SpeedButtonCurrentState(in);
}

bool TsSpeedButton::ShiftsContent() {
  TsCommonData& data = SkinData();
  IacSkinManagerView* m = data.SkinManager();
  const TsGeneralData* s = data.Section();
  const bool wanted = (m && m->ButtonsOptions().ShiftContentOnClick) || (s && s->ShiftOnClick);
  return wanted && s && s->BorderIndex >= 0;
}

void TsSpeedButton::PaintContent(const TCacheInfo&, int state, const PixelBuffer& cache) {
  storedDown_ = down_;
  oldFlat_ = flat_;
  if (Caption().empty()) return;
  TsCommonData& data = SkinData();
  const int dpi = data.CurrentPPI;
  TacTextCanvas canvas{cache, &text_.Get(), TextFontOf(*this, dpi)};
  const uint32_t format = tfCenter | tfWordBreak | tfEndEllipsis | tfNoPrefix;
  TacCaptionLayout layout;
  layout.W = Width();
  layout.H = Height();
  layout.m = ActMargin(Margin, dpi);
  const TSize size = canvas.Painter->Measure(ToU16(Caption()), canvas.Font, format | tfExpandTabs,
                                             layout.W - 2 * std::max(0, layout.m));
  layout.tw = size.cx;
  layout.th = size.cy;
  TRect r = SpeedButtonCaptionRect(layout);
  if (state == 2 && ShiftsContent()) r = PressedShift(r);
  WriteSkinnedText(canvas, ToU16(Caption()), true, true, state, data, format | tfNoClip, r);
  if (FocusCue()) PaintSkinFocusFrame(data, r, 1, Height());
}

void TsSpeedButton::Paint(HDC dc) {
  TsCommonData& data = SkinData();
  if (!Visible() || !Parent()) return;
  IacSkinManagerView* m = data.SkinManager();
  if (m && m->IsActive() && data.SkinIndex() < 0) data.UpdateIndexes(true);
  if (!data.Skinned()) {
    marv::SpeedButton::Paint(dc);
    return;
  }
  if (Width() <= 0 || Height() <= 0) return;
  // Partly outside the parent's client area: its background may change, rebuild each time.
  if (const HWND parent = Parent()->Handle()) {
    RECT client;
    const RECT b = BoundsRect();
    data.HalfVisible = !GetClientRect(parent, &client) || b.left < 0 || b.top < 0 || b.right > client.right ||
                       b.bottom > client.bottom;
  }
  TacSpeedButtonStaleness s;
  s.currentState = CurrentState();
  s.down = down_;
  s.storedDown = storedDown_;
  // A cache of another state is stale too (a press the mouse was taken from).
  s.bgChanged = data.BGChanged || flat_ != oldFlat_ || s.currentState != builtState_;
  s.halfVisible = data.HalfVisible;
  ShowPicture(dc, SpeedButtonCacheStale(s));
}

void TsSpeedButton::UpdateView() {
  TsCommonData& data = SkinData();
  if (data.Loading || SkinOwner().Destroying() || !Visible() || painting_) return;
  marv::WinControl* parent = Parent();
  if (!parent || !parent->Handle() || !IsWindowVisible(parent->Handle())) return;
  if (data.Skinned() && data.FUpdating) return;
  painting_ = true;
  SkinOwner().Redraw(true);
  painting_ = false;
}

int TsSpeedButton::DefaultSkinIndex(IacSkinManagerView& manager) {
  return manager.GetSkinIndex(flat_ ? "TOOLBUTTON" : "SPEEDBUTTON");
}

void TsSpeedButton::SkinChanged(uint16_t command, uint16_t, intptr_t) {
  if (command == SC_SKINREMOVED) Invalidate();
  else UpdateView();
}

bool TsSpeedButton::OwnSkinCommand(uint16_t command, uint16_t, intptr_t, intptr_t& result) {
  TsCommonData& data = SkinData();
  switch (command) {
    case SC_PARENTUPDATED:
      if (!data.FUpdating) UpdateView();
      return true;
    case SC_REPAINT:
      data.FUpdating = false;
      UpdateView();
      return true;
    case SC_ISUPDATING:
      result = data.FUpdating ? 1 : 0;
      return true;
    case SC_SECTIONCHANGED:
      MarkStale();
      UpdateView();
      return true;
    case SC_MOUSELEAVE:
      LeaveHover();
      return true;
    default:
      return false;
  }
}

void TsSpeedButton::MouseEnter() {
  TsCommonData& data = SkinData();
  if (!Enabled() || data.FMouseAbove) return;
  IacSkinManagerView* m = data.SkinManager();
  if (m && m->Options().NoMouseHover) return;
  data.FMouseAbove = true;
  if (m) m->SetActiveGraphControl(static_cast<marv::Control*>(this));
  ChangeStateAnimated(data, 1, &GraphicFadeStep, true, false, AnimAllowed(aeMouseEnter, AnimatEvents, m));
}

void TsSpeedButton::MouseLeave() { LeaveHover(); }

void TsSpeedButton::LeaveHover() {
  TsCommonData& data = SkinData();
  if (!data.FMouseAbove || SkinOwner().Destroying()) return;
  data.FMouseAbove = false;
  IacSkinManagerView* m = data.SkinManager();
  if (m && m->ActiveGraphControl() == static_cast<marv::Control*>(this)) m->SetActiveGraphControl(nullptr);
  if (!Visible()) {
    MarkStale();
    return;
  }
  ChangeStateAnimated(data, 0, &GraphicFadeStep, false, false, AnimAllowed(aeMouseLeave, AnimatEvents, m));
}

void TsSpeedButton::MouseDown(POINT) {
  TsCommonData& data = SkinData();
  if (!data.Skinned()) {
    Invalidate();
    return;
  }
  data.BGChanged = false;
  ChangeStateAnimated(data, 2, &GraphicFadeStep, false, true,
                      AnimAllowed(aeMouseDown, AnimatEvents, data.SkinManager()));
}

void TsSpeedButton::MouseUp(POINT) {
  TsCommonData& data = SkinData();
  if (!data.Skinned()) {
    Invalidate();
    return;
  }
  data.BGChanged = false;
  ChangeStateAnimated(data, MouseInside() ? 1 : 0, &GraphicFadeStep, true, true,
                      AnimAllowed(aeMouseUp, AnimatEvents, data.SkinManager()));
}

void TsSpeedButton::WndProc(marv::Message& m) {
  switch (m.Msg) {
    case WM_LBUTTONUP:
      // A press fade still running ends at once in the pressed picture, before the release.
      if (const PixelImage* fade = SkinData().FadePicture(); fade && fade->width() == Width()) {
        SkinData().StopFade();
        MarkStale();
        UpdateView();
      }
      break;
    case marv::CM_FOCUSCUE:  // the focus look is part of the cache picture
      MarkStale();
      break;
    case marv::CM_VISIBLECHANGED:
      SkinData().FMouseAbove = false;
      FollowLookNotice(m.Msg);
      break;
    default:
      FollowLookNotice(m.Msg);
      break;
  }
  marv::SpeedButton::WndProc(m);
}
