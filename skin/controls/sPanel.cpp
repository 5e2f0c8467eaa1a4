#include "skin/controls/sPanel.h"

#include "common/GdiHandles.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sGraphUtils.h"

namespace {

void FillLine(HDC dc, int left, int top, int right, int bottom, COLORREF color) {
  const RECT r{left, top, right, bottom};
  marv::UniqueBrush brush(CreateSolidBrush(color));
  FillRect(dc, &r, brush.get());
}

}  // namespace

void Frame3D(HDC dc, RECT& r, COLORREF topLeft, COLORREF bottomRight, int width) {
  for (int i = 0; i < width && r.right - r.left > 0 && r.bottom - r.top > 0; ++i) {
    FillLine(dc, r.left, r.top, r.right - 1, r.top + 1, topLeft);
    FillLine(dc, r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
    FillLine(dc, r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
    FillLine(dc, r.right - 1, r.top, r.right, r.bottom, bottomRight);
    InflateRect(&r, -1, -1);
  }
}

TsCustomPanel::TsCustomPanel(std::wstring name, TacControlKind kind)
    : marv::WinControl(std::move(name)), TacSkinnedControl(*this, kind) {}

void TsCustomPanel::Changed() {
  SkinData().BGChanged = true;
  Invalidate();
}

void TsCustomPanel::SetBevelInner(TBevelCut v) {
  bevelInner_ = v;
  Changed();
}
void TsCustomPanel::SetBevelOuter(TBevelCut v) {
  bevelOuter_ = v;
  Changed();
}
void TsCustomPanel::SetBevelWidth(int v) {
  bevelWidth_ = v;
  Changed();
}
void TsCustomPanel::SetBorderWidth(int v) {
  borderWidth_ = v;
  Changed();
}

int TsCustomPanel::BevelAndBorder() const {
  const int bevels = (bevelInner_ != TBevelCut::bvNone) + (bevelOuter_ != TBevelCut::bvNone);
  return borderWidth_ + bevelWidth_ * bevels;
}

std::optional<TCacheInfo> TsCustomPanel::CacheBackground() {
  TsCommonData& data = SkinData();
  const TCacheInfo background = data.ParentCacheInfo();
  if (!background.Known()) {  // the parent cannot tell yet: paint later
    data.FUpdating = true;
    return std::nullopt;
  }
  return background;
}

void TsCustomPanel::PaintContent(const TCacheInfo&, int, const PixelBuffer& cache) {
  if (OnPaint) OnPaint(*this, TacPanelCanvas{cache, nullptr});
}

void TsCustomPanel::OurPaint(HDC dc) { ShowPicture(dc, false); }

void TsCustomPanel::PaintBackground(HDC dc, const RECT& area) {
  if (!SkinData().Skinned()) marv::WinControl::PaintBackground(dc, area);
}

void TsCustomPanel::Paint(HDC dc) {
  if (SkinData().Skinned())
    OurPaint(dc);
  else
    PaintPlain(dc);
}

void TsCustomPanel::PaintPlain(HDC dc) {
  RECT r{0, 0, Width(), Height()};
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  auto bevel = [&](TBevelCut cut) {
    if (cut == TBevelCut::bvNone) return;
    const bool lowered = cut == TBevelCut::bvLowered;
    Frame3D(dc, r, lowered ? dark : light, lowered ? light : dark, bevelWidth_);
  };
  bevel(bevelOuter_);
  InflateRect(&r, -borderWidth_, -borderWidth_);
  bevel(bevelInner_);
  if (OnPaint) OnPaint(*this, TacPanelCanvas{{}, dc});
}

int TsCustomPanel::DefaultSkinIndex(IacSkinManagerView& manager) { return manager.StandardSections()[ssPanel]; }

bool TsCustomPanel::OwnSkinCommand(uint16_t command, uint16_t, intptr_t, intptr_t&) {
  if (command == SC_ISSKINNED) ResolveLate();  // then the common answer
  return false;
}

void TsCustomPanel::ResolveLate() {
  TsCommonData& data = SkinData();
  IacSkinManagerView* manager = data.SkinManager();
  if (!manager || !manager->IsActive() || data.SkinIndex() >= 0) return;
  data.UpdateIndexes(true);
  if (data.SkinIndex() >= 0) SkinResolved();
}

void TsCustomPanel::WndProc(marv::Message& m) {
  TsCommonData& data = SkinData();
  switch (m.Msg) {
    case WM_PAINT:
      ResolveLate();
      if (data.Skinned() && data.FUpdating) {
        data.CheckUpdating(true);
        if (data.FUpdating) {
          ValidateRect(Handle(), nullptr);
          return;
        }
      }
      break;  // the framework's painting calls PaintBackground and Paint
    case WM_PRINTCLIENT:
      if (data.Skinned()) {
        data.FUpdating = false;
        OurPaint(reinterpret_cast<HDC>(m.WParam));
        return;
      }
      break;
    default:
      FollowLookNotice(m.Msg);
      break;
  }
  marv::WinControl::WndProc(m);
}
