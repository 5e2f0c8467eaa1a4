#include "skin/controls/acSlider.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/controls/logic/acSliderPaint.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/paint/acBlend.h"
#include "skin/base/acSkinCommands.h"

namespace {

constexpr UINT kRedrawWithChildren = RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW;

TPoint MousePoint(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

}  // namespace

// The thumb.

TsButtonPanel::TsButtonPanel(TsSlider& slider) : TsPanel(L"Thumb"), slider_(slider) {
  SetBevelOuter(TBevelCut::bvNone);
  OnPaint = [this](TsCustomPanel& thumb, const TacPanelCanvas& canvas) { slider_.ThumbPaint(thumb, canvas); };
  OnClick = [this](marv::Control&) {
    if (slider_.OnClick) slider_.OnClick(slider_);
  };
}

RECT TsButtonPanel::BoundsRect() { return RECT{place_.Left, place_.Top, place_.Right, place_.Bottom}; }

void TsButtonPanel::Place(const TRect& r) {
  SkinData().BGChanged = true;
  if (r == place_) return;
  place_ = r;
  if (Handle()) {
    SetWindowPos(Handle(), nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOCOPYBITS);
    InvalidateRect(Handle(), nullptr, FALSE);
  }
}

void TsButtonPanel::PaintSection(const TCacheInfo& track, int, const PixelBuffer& cache) {
  PaintSliderThumb(SkinData(), track, cache, CacheOffset());
}

void TsButtonPanel::WndProc(marv::Message& m) {
  switch (m.Msg) {
    case WM_ERASEBKGND:
    case WM_NCPAINT:
      return;
    case marv::CM_ENABLEDCHANGED:
      TsPanel::WndProc(m);
      SkinData().BGChanged = true;
      Invalidate();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
      TsPanel::WndProc(m);  // the left button captures the mouse
      if (Enabled()) slider_.ThumbMouseDown(m.Msg != WM_RBUTTONDOWN, MousePoint(m.LParam));
      return;
    case WM_MOUSEMOVE:
      TsPanel::WndProc(m);
      slider_.ThumbMouseMove(MousePoint(m.LParam));
      return;
    case WM_LBUTTONUP:
      TsPanel::WndProc(m);  // releases the mouse first: the toggle may run for a while
      slider_.ThumbMouseUp();
      return;
    default:
      TsPanel::WndProc(m);
  }
}

// The slider.

TsSlider::TsSlider(std::wstring name) : TsPanel(std::move(name), TacControlKind::Slider) {
  SetBevelOuter(TBevelCut::bvLowered);
  SetBounds(0, 0, 57, 21);
  offsets_.OnChange = [this] {
    Relayout();
    SkinData().Invalidate(false);
  };
  core_.OnChanging = [this](bool& canChange) {
    if (OnChanging) OnChanging(*this, canChange);
  };
  core_.OnSliderChange = [this] {
    if (OnSliderChange) OnSliderChange(*this);
  };
  thumb_ = &Add<TsButtonPanel>(*this);
  thumb_->SetCursor(Cursor());
  SkinData().Loaded(true);
  thumb_->SkinData().Loaded(true);
  Relayout();
  ApplyThumbState();
}

void TsSlider::SetReversed(bool v) {
  core_.Properties().Reversed = v;
  Relayout();
  SkinData().Invalidate(false);
}

void TsSlider::SetKeepThumbAspectRatio(bool v) {
  core_.Properties().KeepThumbAspectRatio = v;
  Relayout();
  SkinData().Invalidate(false);
}

void TsSlider::SetThumbSizeInPercent(int v) {
  core_.Properties().ThumbSizeInPercent = std::clamp(v, 0, 100);
  Relayout();
  SkinData().Invalidate(false);
}

void TsSlider::SetOrientation(TacSliderOrientation v) {
  core_.Properties().Orientation = v;
  Relayout();
}

void TsSlider::SetThumbSection(std::string section) {
  if (section == thumbSection_) return;
  thumbSection_ = std::move(section);
  Relayout();
  SkinData().Invalidate(false);
}

void TsSlider::SetSliderCursor(marv::MouseCursor cursor) { thumb_->SetCursor(cursor); }

void TsSlider::EndUpdate(bool repaint) {
  if (updateCount_ > 0) --updateCount_;
  if (repaint) SkinData().Invalidate(true);
}

void TsSlider::Relayout() {
  if (!thumb_) return;  // while constructing
  TacSliderShape& s = core_.Properties();
  s.Width = Width();
  s.Height = Height();
  s.Offsets = &offsets_;
  const TsCommonData& data = SkinData();
  const TacSkinData* skin = data.Skinned() ? data.CommonSkinData() : nullptr;
  s.MarginRule = {.ImageThumb = false, .Skinned = skin != nullptr, .SliderMargin = skin ? skin->SliderMargin : 1,
                  .StretchedPPI = -1};
  core_.UpdateThumbPos();
}

void TsSlider::SkinResolved() { Relayout(); }

void TsSlider::BoundsChanged() {
  TsPanel::BoundsChanged();
  Relayout();
}

void TsSlider::Click() {
  TsPanel::Click();
  core_.AnimatedToggle();
}

bool TsSlider::BeginCache() {
  if (updateCount_ > 0) return false;
  SkinData().UpdateIndexes(true);  // the track's section follows the state
  return SkinData().CommonSkinData() != nullptr;
}

void TsSlider::PaintSection(const TCacheInfo& background, int, const PixelBuffer& cache) {
  const TsCommonData& data = SkinData();
  PaintSliderTrack(*data.CommonSkinData(), data.SkinIndex(), background, cache, CacheOffset());
}

void TsSlider::OurPaint(HDC dc) {
  if (updateCount_ > 0) return;
  TsPanel::OurPaint(dc);
  if (FocusCue() && dc) {
    RECT r{0, 0, Width(), Height()};
    DrawFocusRect(dc, &r);
  }
}

void TsSlider::ThumbPaint(TsCustomPanel& thumb, const TacPanelCanvas& canvas) {
  if (SkinData().Skinned() || !canvas.Dc) return;
  RECT r{0, 0, thumb.Width(), thumb.Height()};
  Frame3D(canvas.Dc, r, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_BTNSHADOW), thumb.BevelWidth());
  marv::UniqueBrush inside(CreateSolidBrush(marv::ToColorRef(thumb.BackColor())));
  FillRect(canvas.Dc, &r, inside.get());
}

void TsSlider::AnswerBackground(intptr_t lParam) {
  if (!lParam) return;
  auto& info = *reinterpret_cast<BackgroundInfo*>(lParam);
  TsCommonData& data = SkinData();
  // During a toggle the cache holds the frame's cross-fade, which is current.
  if (!data.CacheCurrent() && !core_.Changing()) PrepareCache();
  const PixelBuffer cache = data.CacheBmp().view();
  info.Kind = bgCache;
  info.Bmp = cache;
  info.Offset = {0, 0};
  if (info.DrawNow && !cache.empty()) CopyBitmapRect(info.Target, info.R, cache, info.Offset);
}

int TsSlider::DefaultSkinIndex(IacSkinManagerView& manager) {
  return SliderTrackSkinIndex(manager.StandardSections(), SliderOn());
}

void TsSlider::SkinChanged(uint16_t command, uint16_t argument, intptr_t lParam) {
  TsPanel::SkinChanged(command, argument, lParam);
  // The broadcast does not walk into a skinned window: the thumb hears it from here.
  thumb_->Perform(WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
  if (command == SC_SKINREMOVED) thumb_->SetColor(marv::kButtonFaceColor);
  Relayout();
}

bool TsSlider::OwnSkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) {
  TsCommonData& data = SkinData();
  switch (command) {
    case SC_GETBG:
      AnswerBackground(lParam);
      return true;
    case SC_CHECKMOVED:
      data.BGChanged = true;
      thumb_->SkinData().BGChanged = true;
      if (argument == 1 && Handle())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_NOERASE | RDW_NOINTERNALPAINT);
      return true;
    case SC_SETPPI:
      data.BGChanged = true;
      data.HandleCommand(command, argument, lParam, result);  // passes it on to the thumb too
      Relayout();
      return true;
    case SC_STOPFADE:
    case SC_SECTIONCHANGED:
      data.HandleCommand(command, argument, lParam, result);
      thumb_->Perform(WM_SKINCOMMAND, SkinCommandWParam(command, argument), lParam);
      return true;
    default:
      return TsPanel::OwnSkinCommand(command, argument, lParam, result);
  }
}

void TsSlider::WndProc(marv::Message& m) {
  switch (m.Msg) {
    case WM_GETTEXTLENGTH:
      m.Result = 0;
      return;
    case WM_SIZE:
      TsPanel::WndProc(m);
      Relayout();
      return;
    case marv::CM_ENABLEDCHANGED:
      TsPanel::WndProc(m);
      Invalidate();
      thumb_->SetEnabled(Enabled());
      return;
    case marv::CM_DPICHANGED:
      TsPanel::WndProc(m);
      Relayout();
      return;
    default:
      TsPanel::WndProc(m);
  }
}

// What the behaviour does to the windows.

void TsSlider::MoveThumb(const TRect& thumb) { thumb_->Place(thumb); }

void TsSlider::UpdateThumbSection(bool guard) {
  TsCommonData& thumbData = thumb_->SkinData();
  IacSkinManagerView* m = SkinData().SkinManager();
  const bool on = SliderOn();
  const bool hasStateThumb = m && m->GetSkinIndex(StateThumbSection(on)) >= 0;
  const std::string section = SliderThumbSection(false, thumbSection_, on, hasStateThumb);
  const bool wasUpdating = thumbData.FUpdating;
  if (guard) thumbData.FUpdating = true;
  thumbData.SetSkinSection(section);
  if (guard) thumbData.FUpdating = wasUpdating;
  thumbData.BGChanged = true;
}

std::string_view TsSlider::ThumbSection() { return thumb_->SkinData().SkinSection(); }

void TsSlider::ApplyThumbState() {
  TsCommonData& thumbData = thumb_->SkinData();
  thumbData.SetCustomFont(SliderOn() ? true : SkinData().CustomFont());
}

void TsSlider::BeginStateUpdate() { SkinData().BeginUpdate(); }
void TsSlider::EndStateUpdate() { SkinData().EndUpdate(false); }
void TsSlider::UpdateIndexes() { SkinData().UpdateIndexes(true); }
bool TsSlider::Loading() { return SkinData().Loading; }

void TsSlider::RedrawAll(bool pictureStale) {
  if (pictureStale) SkinData().BGChanged = true;
  if (Handle()) RedrawWindow(Handle(), nullptr, nullptr, kRedrawWithChildren);
}

void TsSlider::RedrawThumbWithFrame() {
  if (thumb_->Handle()) RedrawWindow(thumb_->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
}

bool TsSlider::SliderHoldsCapture() { return Handle() && GetCapture() == Handle(); }

bool TsSlider::Skinned() { return SkinData().Skinned(); }

bool TsSlider::AnimationAllowed() {
  IacSkinManagerView* m = SkinData().SkinManager();
  return !m || m->Effects().AllowAnimation;
}

PixelBuffer TsSlider::Cache() { return SkinData().CacheBmp().view(); }

void TsSlider::RebuildCache() {
  SkinData().BGChanged = true;
  if (Skinned()) PrepareCache();
}

void TsSlider::MarkThumbStale() { thumb_->SkinData().BGChanged = true; }

void TsSlider::SetRedraw(bool on) {
  if (Handle()) SendMessageW(Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
}

uint64_t TsSlider::NowMs() { return GetTickCount64(); }

void TsSlider::GiveWay() { Sleep(0); }
