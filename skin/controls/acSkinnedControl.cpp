#include "skin/controls/acSkinnedControl.h"

#include "skin/data/acSkinManagerView.h"
#include "skin/paint/acDisabledLook.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sGraphUtils.h"

TacSkinnedControl::TacSkinnedControl(marv::Control& control, TacControlKind kind)
    : control_(control), kind_(kind), skin_(std::make_unique<TacControlSkinOwner>(control, KindCode(kind), true)) {
  skin_->SetCommandHandler(
      [this](uint16_t c, uint16_t a, intptr_t l, intptr_t& r) { return SkinCommand(c, a, l, r); });
}

TacSkinnedControl::~TacSkinnedControl() { SkinData().StopFade(); }

bool TacSkinnedControl::PrepareCache() {
  if (!BeginCache()) return false;
  skin_->SyncDensity();
  TsCommonData& data = SkinData();
  const std::optional<TCacheInfo> under = CacheBackground();
  if (!under) return false;
  const TCacheInfo& background = *under;
  data.InitCacheBmp();
  if (background.Ready && background.Bmp.empty()) {  // the parent shows nothing: neither do we
    data.BGChanged = false;
    return true;
  }
  if (data.CacheBmp().empty()) return false;
  const PixelBuffer cache = data.CacheBmp().view();
  const int state = CacheState();
  PaintSection(background, state, cache);
  PaintContent(background, state, cache);
  if (!control_.Enabled()) ApplyDisabledLook(cache, dkBlended, skin_->ParentColor(), CacheOffset(), background);
  data.BGChanged = false;
  return true;
}

void TacSkinnedControl::ShowPicture(HDC dc, bool stale) {
  TsCommonData& data = SkinData();
  if (const PixelImage* fade = data.FadePicture()) {
    if (fade->width() == control_.Width()) CopyPictureToDC(dc, fade->view(), 0, 0);
    return;
  }
  if ((stale || !data.CacheCurrent()) && !PrepareCache()) return;
  CopyPictureToDC(dc, data.CacheBmp().view(), 0, 0);
}

bool TacSkinnedControl::FollowLookNotice(UINT message) {
  TsCommonData& data = SkinData();
  switch (message) {
    case marv::CM_ENABLEDCHANGED:
      if (!control_.Enabled()) data.StopFade();
      break;
    case marv::CM_TEXTCHANGED:
    case marv::CM_FONTCHANGED:
      data.StopFade();
      break;
    case marv::CM_COLORCHANGED:
    case marv::CM_VISIBLECHANGED:
    case marv::CM_DPICHANGED:
      break;
    default:
      return false;
  }
  data.BGChanged = true;
  return true;
}

std::optional<TCacheInfo> TacSkinnedControl::CacheBackground() { return BackgroundForCache(SkinData(), *skin_); }

TPoint TacSkinnedControl::CacheOffset() {
  const TRect b = skin_->Bounds();
  return {b.Left, b.Top};
}

void TacSkinnedControl::PaintSection(const TCacheInfo& background, int state, const PixelBuffer& cache) {
  PaintElement(SkinData(), background, state, cache, CacheOffset(), BufferRect(cache), true);
}

int TacSkinnedControl::DefaultSkinIndex(IacSkinManagerView& manager) {
  return manager.GetSkinIndex(KindDefaults(kind_).Section);
}

void TacSkinnedControl::SkinChanged(uint16_t, uint16_t, intptr_t) {
  SkinData().BGChanged = true;
  control_.Invalidate();
}

bool TacSkinnedControl::SkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) {
  if (OwnSkinCommand(command, argument, lParam, result)) return true;
  TsCommonData& data = SkinData();
  switch (command) {
    case SC_DEFAULTINDEX: {
      IacSkinManagerView* m = data.SkinManager();
      if (!m) return false;
      result = DefaultSkinIndex(*m) + 1;
      return true;
    }
    case SC_DEFAULTSECTION:
      if (KindDefaults(kind_).SectionNumber < 0) return false;
      result = KindDefaults(kind_).SectionNumber;
      return true;
    case SC_ISSKINNED:
      result = data.Skinned() ? 1 : 0;
      return true;
    case SC_PREPARECACHE:
      result = PrepareCache() ? 1 : 0;
      return true;
    case SC_SKINLOADED:
    case SC_SKINREFRESH:
    case SC_SKINREMOVED:
      data.HandleCommand(command, 0, lParam, result);
      SkinChanged(command, argument, lParam);
      return true;
    default:
      return false;
  }
}
