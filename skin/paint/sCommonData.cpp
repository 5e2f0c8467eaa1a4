#include "skin/paint/sCommonData.h"

#include <algorithm>
#include <cctype>

#include "skin/data/acSkinEngine.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/paint/acBlend.h"
#include "skin/base/acColorMix.h"
#include "skin/base/acColorOps.h"
#include "skin/paint/acFadeTimer.h"
#include "skin/base/acSkinCommands.h"
#include "skin/paint/sGraphUtils.h"

namespace {

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// A cache of the owner's size that holds pixels.
bool CacheFits(const PixelImage& cache, const TRect& bounds) {
  return !cache.empty() && cache.width() == bounds.Width() && cache.height() == bounds.Height();
}

}  // namespace

TsCommonData::TsCommonData(IacSkinOwner& owner, int kind, bool withCache)
    : owner_(owner), coc_(kind), hasCache_(withCache) {}

TsCommonData::~TsCommonData() {
  if (animTimer_) animTimer_->Destroyed = true;
  skinIndex_ = -1;
}

// Binding.

IacSkinManagerView* TsCommonData::SkinManager() const {
  return skinManager_ ? skinManager_ : TacSkinEngine::Current().DefaultManagerView();
}

void TsCommonData::SetSkinManager(IacSkinManagerView* manager) {
  if (manager == skinManager_) return;
  skinManager_ = manager;
  IacSkinManagerView* m = SkinManager();
  if (m && m->LengthOfGD() > 0) UpdateIndexes(true);
  else skinIndex_ = -1;
  if (owner_.HasParent() && !Loading)
    owner_.SendToSelf(skinIndex_ >= 0 ? SC_SKINREFRESH : SC_SKINREMOVED, 1, reinterpret_cast<intptr_t>(m));
}

void TsCommonData::SetSkinSection(const std::string& section) {
  if (section == skinSection_) return;
  skinSection_ = UpperCase(section);
  IacSkinManagerView* m = SkinManager();
  if (!m || m->LengthOfGD() == 0) skinIndex_ = -1;
  else ResolveSection();
  if (!owner_.HasParent() || Loading || owner_.Destroying()) return;
  if (owner_.Windowed()) {
    ClearCache();
    owner_.SendToChildren(SC_BGCHANGED, 1, 0, false);
  }
  if (Updating()) return;
  owner_.SendToSelf(skinIndex_ >= 0 ? SC_SKINREFRESH : SC_SKINREMOVED, 1, reinterpret_cast<intptr_t>(m));
}

void TsCommonData::Loaded(bool updateColors) {
  Loading = false;
  ResolveSection();
  if (Skinned() && owner_.HasParent() && updateColors) ApplySkinColors(false);
}

bool TsCommonData::Skinned(bool checkSkinActive) const {
  IacSkinManagerView* m = SkinManager();
  if (!m || owner_.Destroying() || skinIndex_ < 0 || skinIndex_ >= m->LengthOfGD()) return false;
  return !checkSkinActive || m->IsActive();
}

void TsCommonData::ResolveSection() {
  if (!skinSection_.empty()) {
    UpdateIndexes(true);
    return;
  }
  BGChanged = true;
  IacSkinManagerView* m = SkinManager();
  if (!m || !m->IsActive()) {
    skinIndex_ = -1;
  } else if (AsksDefaultIndex(coc_)) {
    skinIndex_ = static_cast<int>(owner_.SendToSelf(SC_DEFAULTINDEX, 0, 0)) - 1;
  } else if (const char* name = KindSectionName(coc_)) {
    skinIndex_ = m->GetSkinIndex(name);
  } else {
    skinIndex_ = -1;
  }
  UpdateBGType();
}

void TsCommonData::UpdateIndexes(bool updateMain) {
  BGChanged = true;
  if (updateMain) {
    IacSkinManagerView* m = SkinManager();
    if (!m || !m->IsActive()) skinIndex_ = -1;
    else if (!skinSection_.empty()) skinIndex_ = m->GetSkinIndex(skinSection_);
    else skinIndex_ = static_cast<int>(owner_.SendToSelf(SC_DEFAULTINDEX, 0, 0)) - 1;
  }
  UpdateBGType();
}

TacSkinData* TsCommonData::CommonSkinData() const {
  IacSkinManagerView* m = SkinManager();
  const SkinDataKey key{m, m ? m->SkinDataGeneration() : 0, CurrentPPI};
  if (commonSkinData_ && key == commonSkinDataKey_) return commonSkinData_;
  // What was found for another key may be gone: it is never used again.
  commonSkinData_ = nullptr;
  if (!m || !m->IsActive()) return nullptr;
  commonSkinData_ = &m->CommonSkinData(CurrentPPI);
  commonSkinDataKey_ = key;
  return commonSkinData_;
}

const TsGeneralData* TsCommonData::Section() const {
  if (!Skinned()) return nullptr;
  const TacSkinData* data = CommonSkinData();
  if (!data || skinIndex_ >= static_cast<int>(data->gd.size())) return nullptr;
  return &data->gd[skinIndex_];
}

int TsCommonData::States() const {
  const TsGeneralData* s = Section();
  return s ? std::max(1, s->States) : 1;
}

namespace {

uint16_t TextureBits(int drawMode) {
  uint16_t bits = 0;
  auto in = [drawMode](std::initializer_list<int> modes) {
    return std::find(modes.begin(), modes.end(), drawMode) != modes.end();
  };
  if (in({1, 4, 5, 8, 9, 11, 12})) bits |= 0x04;
  if (in({0, 1, 3, 5, 10, 12})) bits |= 0x10;
  if (in({0, 1, 7, 9, 10, 12})) bits |= 0x40;
  if (in({0, 1, 2, 4, 10, 11})) bits |= 0x20;
  if (in({0, 1, 6, 8, 10, 11})) bits |= 0x80;
  return bits;
}

uint16_t GradientBits(const TsGenState& p) {
  if (p.GradientArray.empty()) return 0;
  const uint32_t mode = p.GradientArray.front().Mode;
  if (p.GradientPercent <= 0 && !(mode & 0x20)) return 0;
  switch (mode & 3) {
    case 0: return 0x02;
    case 1: return 0x01;
    case 2: return 0x03;
    default: return 0;
  }
}

}  // namespace

void TsCommonData::UpdateBGType() {
  BGType = 0;
  IacSkinManagerView* m = SkinManager();
  if (!m || !m->IsActive() || skinIndex_ < 0) return;
  for (int ppi : kSlotPPI) {
    TacSkinData& data = m->CommonSkinData(ppi);
    if (skinIndex_ >= static_cast<int>(data.gd.size())) continue;
    const TsGenState& p = data.gd[skinIndex_].Props[0];
    if (p.TextureIndex >= 0 && p.ImagePercent > 0 && p.TextureIndex < static_cast<int>(data.ma.size()))
      BGType |= TextureBits(data.ma[p.TextureIndex].DrawMode);
    BGType |= GradientBits(p);
  }
}

// Cache.

void TsCommonData::InitCacheBmp() {
  hasCache_ = true;
  const TRect b = owner_.Bounds();
  if (cache_.width() != b.Width() || cache_.height() != b.Height()) cache_.resize(b.Width(), b.Height());
}

bool TsCommonData::CacheCurrent() const { return hasCache_ && !BGChanged && CacheFits(cache_, owner_.Bounds()); }

bool TsCommonData::RebuildCache() {
  owner_.SendToSelf(SC_PREPARECACHE, 0, 0);
  return CacheFits(cache_, owner_.Bounds());
}

// States and colours.

int TsCommonData::DefaultState() const {
  if (owner_.Destroying() || !owner_.Enabled()) return 0;
  if (FFocused) return 1;
  if (owner_.HasFocus() && coc_ != kKindPanel) return 1;
  IacSkinManagerView* m = SkinManager();
  if (!FMouseAbove || (m && m->Options().NoMouseHover)) return 0;
  if (InNeverHotSet(coc_) || InOptionHotSet(coc_)) return 0;
  return 1;
}

uint32_t TsCommonData::OwnerColor() const { return owner_.Color(); }

namespace {

// The parent's plain colour as a child sees it. A skinned parent's answer counts even when
// it is black; an unskinned one answers nothing, and its own colour is taken.
uint32_t ParentPlainColor(IacSkinOwner& owner) {
  if (!owner.HasParent()) return owner.Color();
  if (owner.SendToParent(SC_ISSKINNED, 0, 0) == 1)
    return static_cast<uint32_t>(owner.SendToParent(SC_GETBGCOLOR, 0, 0)) & 0xFFFFFF;
  return owner.ParentColor();
}

}  // namespace

uint32_t TsCommonData::StateColor(int state) const {
  const TsGeneralData* s = Section();
  if (!s || customColor_) return owner_.Color();
  const int i = (state > 0 && s->States > 1) ? 1 : 0;
  const TsGenState& p = s->Props[i];
  const TacSkinData* data = CommonSkinData();
  const uint32_t color = data ? SkinColorToRGB(*data, p.Color) : p.Color;
  if (p.Transparency <= 0) return color;
  const uint32_t parent = ParentPlainColor(owner_);
  if (p.Transparency >= 100) return parent;
  return MixColor(parent, color, p.Transparency * 255 / 100);
}

uint32_t TsCommonData::BGColorAnswer() const { return StateColor(0) & 0xFFFFFF; }

bool TsCommonData::SeeThroughAt(int state) const {
  if (!owner_.HasParent()) return false;
  const TsGeneralData* s = Section();
  const TacSkinData* data = CommonSkinData();
  if (!s || !data) return false;
  const int i = std::clamp(state, 0, std::min(s->States - 1, 2));
  if (s->Props[i].Transparency <= 50 || s->BorderIndex < 0) return false;
  const TacMaskImage mask = MaskImageOf(*data, s->BorderIndex);
  if (!mask.Valid()) return false;
  if (i == 0) return !((mask.DrawMode & kBorderCentre) && !(mask.DrawMode & kBorderNotInState0));
  if (!(mask.DrawMode & kBorderCentre)) return true;
  if (!mask.Masked()) return false;
  const int x = mask.R.Left + i * mask.Width + mask.Width / 2;
  const int y = mask.R.Bottom - mask.Height / 2;
  if (!mask.Source.contains(x, y)) return false;
  return PixelB(mask.Source.at(x, y)) >= 128;
}

int TsCommonData::OpaqueSectionAt(int state) const {
  TacBGStateQuery query{state, -1, TRect::FromSize(0, 0, owner_.Bounds().Width(), owner_.Bounds().Height())};
  const intptr_t answer = owner_.SendToSelf(SC_GETBGSTATE, 0, reinterpret_cast<intptr_t>(&query));
  if (answer == 0) return -1;
  return query.SkinIndex >= 0 ? query.SkinIndex : skinIndex_;
}

intptr_t TsCommonData::AnswerBGState(TacBGStateQuery& query) {
  if (!Skinned()) return 0;
  query.SkinIndex = skinIndex_;
  if (!SeeThroughAt(query.State)) return 1;
  const TRect b = owner_.Bounds();
  query.R = query.R.Offset(b.Left, b.Top);
  return owner_.SendToParent(SC_GETBGSTATE, 0, reinterpret_cast<intptr_t>(&query));
}

bool TsCommonData::RepaintIfMoved() const {
  if (!Skinned() || !owner_.HasParent() || !owner_.Enabled()) return true;
  IacSkinManagerView* m = SkinManager();
  if (m && m->SkinChanging()) return true;
  const TsGeneralData* s = Section();
  if (!s || s->Props[0].Transparency <= 0) return false;
  return owner_.SendToParent(SC_ISBGVARIABLE, 0, 0) == 1;
}

// Backgrounds.

void TsCommonData::AnswerPicture(BackgroundInfo& info) {
  const PixelImage* shown = FadePicture();
  const PixelBuffer picture = shown ? shown->view() : cache_.view();
  if (info.DrawNow) {
    CopyBitmapRect(info.Target, info.R, picture, info.Offset);
  } else {
    info.Bmp = picture;
    info.Offset = {};
  }
  info.Kind = bgCache;
}

void TsCommonData::AnswerBackground(BackgroundInfo& info, int state) {
  if (info.DrawNow) {
    if (BGChanged) RebuildCache();
    if (CacheCurrent()) CopyBitmapRect(info.Target, info.R, cache_.view(), info.Offset);
    info.Kind = bgCache;
    return;
  }
  const TsGeneralData* s = Section();
  if (!s || customColor_) {
    info.Kind = bgColor;
    info.Color = owner_.Color();
    return;
  }
  const int i = std::clamp(state, 0, std::min(s->States - 1, 2));
  const TsGenState& p = s->Props[i];
  const TacSkinData* data = CommonSkinData();
  IacSkinManagerView* m = SkinManager();
  if (p.Transparency <= 0) {
    const bool flat = p.GradientPercent < 1 && p.ImagePercent < 1 && s->ImgTL < 0 && s->ImgTR < 0 &&
                      s->ImgBL < 0 && s->ImgBR < 0;
    if (flat) {
      info.Kind = bgColor;
      info.Color = StateColor(state);
      if (data && s->BorderIndex >= 0) {
        const TacMaskImage mask = MaskImageOf(*data, s->BorderIndex);
        if (mask.Valid() && !(mask.DrawMode & kBorderNotInState0)) {
          info.FillRect = {mask.WL, mask.WT, mask.WR, mask.WB};
          info.Bmp = cache_.view();
          info.Offset = {};
        }
      }
      return;
    }
    info.Color = m ? m->SkinColorToRGB(m->GetGlobalColor()) : 0xFFFFFF;
    if (!CacheCurrent()) {
      BGChanged = true;
      ClearCache();
      RebuildCache();
    }
    if (cache_.empty()) {
      info.Kind = bgNotReady;
      return;
    }
    AnswerPicture(info);
    return;
  }
  if (p.Transparency < 100) {
    if (!hasCache_) {
      info.Kind = bgColor;
      info.Color = kKeyColor;
      return;
    }
    // One rebuild at most: a cache that stays stale is answered as it is.
    if (!CacheCurrent()) RebuildCache();
    if (cache_.empty()) {
      FUpdating = true;
      info.Kind = bgNotReady;
      return;
    }
    AnswerPicture(info);
    return;
  }
  if (hasCache_) {
    if (BGChanged) RebuildCache();
    if (CacheCurrent()) AnswerPicture(info);
    else {
      info.Kind = bgColor;
      info.Color = StateColor(0);
    }
    return;
  }
  if (owner_.HasParent()) {
    GetParentBackground(info, owner_, false);
    if (info.Kind == bgCache || !info.Bmp.empty()) {
      const TRect b = owner_.Bounds();
      info.Offset.X += b.Left;
      info.Offset.Y += b.Top;
      info.FillRect.Left -= b.Left;
      info.FillRect.Top -= b.Top;
    }
    return;
  }
  info.Kind = bgColor;
  info.Color = m ? m->SkinColorToRGB(m->GetGlobalColor()) : 0xFFFFFF;
}

TCacheInfo TsCommonData::ParentCacheInfo() {
  if (Skinned() && owner_.HasParent()) {
    BackgroundInfo info;
    GetParentBackground(info, owner_, false);
    if (info.Kind == bgNotReady) {
      TCacheInfo c;
      c.FillColor = kKeyColor;
      return c;
    }
    return BackgroundToCacheInfo(info);
  }
  return ColorCacheInfo(StateColor(0));
}

std::optional<TCacheInfo> BackgroundForCache(TsCommonData& data, IacSkinOwner& owner) {
  BackgroundInfo info;
  GetParentBackground(info, owner, false);
  if (info.Kind == bgNotReady) {
    data.FUpdating = true;
    return std::nullopt;
  }
  return BackgroundToCacheInfo(info);
}

void GetParentBackground(BackgroundInfo& info, IacSkinOwner& child, bool drawNow) {
  info.Bmp = {};
  info.Kind = bgNone;
  info.DrawNow = drawNow;
  info.FillRect = {};
  child.SendToParent(SC_GETBG, 0, reinterpret_cast<intptr_t>(&info));
  if (info.Kind != bgNone) return;
  info.Kind = bgColor;
  info.Color = ParentPlainColor(child);
  if (drawNow && !info.Target.empty()) FillBitmapRect(info.Target, info.R, info.Color);
}

TCacheInfo BackgroundToCacheInfo(const BackgroundInfo& info) {
  if (info.Kind == bgCache) return MakeCacheInfo(info.Bmp, info.Offset.X, info.Offset.Y);
  TCacheInfo c;
  c.Bmp = info.Bmp;
  c.X = info.Offset.X;
  c.Y = info.Offset.Y;
  c.FillColor = info.Color & 0xFFFFFF;
  c.FillRect = info.FillRect;
  c.Ready = false;
  return c;
}

// Painting.

void TsCommonData::Invalidate(bool updateNow) {
  BGChanged = true;
  if (Loading || owner_.Destroying() || !owner_.HasParent()) return;
  if (owner_.Windowed() && !owner_.HasWindow()) return;
  StopFade();
  if (!owner_.Windowed() && coc_ == kKindSpeedButton) owner_.SendToSelf(SC_REPAINT, 0, 0);
  else owner_.Redraw(updateNow);
}

void TsCommonData::BeginUpdate() {
  ++updateCount_;
  CtrlSkinState |= kStateInUpdate;
  FUpdating = true;
  owner_.SendToSelf(SC_BEGINUPDATE, 0, 0);
}

void TsCommonData::EndUpdate(bool repaint) {
  if (updateCount_ > 0) --updateCount_;
  if (updateCount_ > 0) return;
  CtrlSkinState &= ~kStateInUpdate;
  FUpdating = false;
  owner_.SendToSelf(SC_ENDUPDATE, 0, 0);
  if (repaint) Invalidate(false);
}

void TsCommonData::CheckUpdating(bool reset) {
  if (reset) FUpdating = false;
  if (updateCount_ > 0) {
    FUpdating = true;
    return;
  }
  if (owner_.HasParent() && owner_.SendToParent(SC_ISUPDATING, 0, 0) == 1) FUpdating = true;
}

void TsCommonData::ApplySkinColors(bool repaint) {
  const TsGeneralData* s = Section();
  if (s && owner_.Windowed() && owner_.HasWindow() && InSkinColorSet(coc_) &&
      !(s->Props[0].Transparency >= 100 && s->Props[std::min(1, s->States - 1)].Transparency >= 100)) {
    CtrlSkinState |= kStateFontBySkin;
    const TacSkinData* data = CommonSkinData();
    auto adjust = [&](uint32_t c) {
      c = data ? SkinColorToRGB(*data, c) : c;
      if (hueOffset_) c = ShiftHue(c, hueOffset_);
      if (saturation_) c = ChangeSaturation(c, saturation_);
      return c & 0xFFFFFF;
    };
    owner_.ApplyColors(customColor_ ? owner_.Color() : adjust(s->Props[0].Color),
                       customFont_ ? owner_.FontColor() : adjust(s->Props[0].FontColor.Color));
    CtrlSkinState &= ~kStateFontBySkin;
  }
  if (repaint) Invalidate(true);
}

// Properties.

void TsCommonData::SetCustomColor(bool value) {
  if (value == customColor_) return;
  customColor_ = value;
  if (!Loading) ApplySkinColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == customFont_) return;
  customFont_ = value;
  if (!Loading) ApplySkinColors(true);
}

void TsCommonData::SetColorTone(uint32_t value) {
  colorTone_ = value;
  Loaded(true);
  Invalidate(false);
}

void TsCommonData::SetHUEOffset(int value) {
  hueOffset_ = value;
  Loaded(true);
  Invalidate(false);
}

void TsCommonData::SetSaturationValue(int value) {
  saturation_ = value;
  Loaded(true);
  Invalidate(false);
}

// Fades.

TacThreadedTimer& TsCommonData::EnsureAnimTimer(int targetState) {
  if (!animTimer_) {
    animTimer_ = std::make_unique<TacThreadedTimer>(*this);
    animTimer_->Glow = targetState == 0 ? 255 : 0;
  }
  return *animTimer_;
}

bool TsCommonData::FadeRunning() const {
  return animTimer_ && !animTimer_->Destroyed && animTimer_->State != -1 && animTimer_->Enabled();
}

const PixelImage* TsCommonData::FadePicture() const {
  if (!FadeRunning() || animTimer_->BmpOut.empty()) return nullptr;
  return &animTimer_->BmpOut;
}

void TsCommonData::StopFade() {
  if (animTimer_ && !animTimer_->Destroyed) animTimer_->Stop();
}
