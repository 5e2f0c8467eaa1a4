#pragma once
// TsCommonData: the skin binding every skinned control owns. It binds the control to one
// section of the active skin, keeps the control's finished picture in a cache, decides
// the control's visual state, answers its children's background requests and carries
// the skin command protocol. It reaches its control only through IacSkinOwner, so all of
// it runs (and is tested) without windows.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/paint/acBackgroundInfo.h"
#include "skin/paint/acCacheInfo.h"
#include "skin/paint/acControlKinds.h"
#include "skin/paint/acElementOwner.h"
#include "skin/paint/acSkinOwner.h"

class IacSkinManagerView;
class TacSkinData;
struct TsGeneralData;
class TacThreadedTimer;

// CtrlSkinState bits.
inline constexpr uint32_t kStatePrinting = 0x0200;
inline constexpr uint32_t kStateInUpdate = 0x0800;
inline constexpr uint32_t kStateFontBySkin = 0x2000;
inline constexpr uint32_t kStateWidthChanged = 0x8000;
inline constexpr uint32_t kStateHeightChanged = 0x10000;

// BGType: how a section's background depends on the place of a child on it.
inline constexpr uint16_t kBGVariesWithWidth = 0x01 | 0x04 | 0x20 | 0x80;
inline constexpr uint16_t kBGVariesWithHeight = 0x02 | 0x04 | 0x10 | 0x40;

// The record of SC_GETBGSTATE: a state, the skin index found, and the asker's rectangle
// in the receiver's coordinates.
struct TacBGStateQuery {
  int State = 0;
  int SkinIndex = -1;
  TRect R;
};
// The record of SC_GETSKININDEX: the answer goes into the second integer.
struct TacSkinIndexQuery {
  int Reserved = 0;
  int SkinIndex = -1;
};

// "No colour" of ColorTone and the saved colours.
inline constexpr uint32_t kNoTone = 0x1FFFFFFF;

class TsCommonData : public IacElementOwner {
 public:
  // kind: the owner's kind code. withCache: the owner paints through a cache picture.
  TsCommonData(IacSkinOwner& owner, int kind, bool withCache);
  ~TsCommonData() override;
  TsCommonData(const TsCommonData&) = delete;
  TsCommonData& operator=(const TsCommonData&) = delete;

  IacSkinOwner& Owner() const { return owner_; }
  int COC() const { return coc_; }

  // Binding to the skin.
  void Loaded(bool updateColors = true);
  bool Skinned(bool checkSkinActive = false) const;
  // The manager in use: the explicit one, else the engine's default one.
  IacSkinManagerView* SkinManager() const;
  void SetSkinManager(IacSkinManagerView* manager);
  // Stored upper-case; empty: the control's default section.
  const std::string& SkinSection() const { return skinSection_; }
  void SetSkinSection(const std::string& section);
  void ResolveSection();
  void UpdateIndexes(bool updateMain = true);
  void SetSkinIndex(int index) { skinIndex_ = index; }
  // The bound section; null when not skinned.
  const TsGeneralData* Section() const;
  // The section's number of states (1 without a section).
  int States() const;
  // The per-density data for CurrentPPI; null while no skin is active. Looked up again
  // whenever the manager, its skin data generation or CurrentPPI differ from last time.
  TacSkinData* CommonSkinData() const;
  void UpdateBGType();

  // Cache picture: the control's finished picture, its size.
  bool HasCacheBmp() const { return hasCache_; }
  PixelImage& CacheBmp() { return cache_; }
  const PixelImage& CacheBmp() const { return cache_; }
  // Makes the cache (when the owner has none yet) and sizes it like the owner.
  void InitCacheBmp();
  void ClearCache() { cache_ = PixelImage(); }
  // Exists, has the owner's size, and BGChanged is false.
  bool CacheCurrent() const;

  // States.
  int DefaultState() const;
  uint32_t StateColor(int state) const;
  // The answer to SC_GETBGCOLOR: the plain background colour at state 0.
  uint32_t BGColorAnswer() const;
  // The section is see-through at this state (children ask further up).
  bool SeeThroughAt(int state) const;
  bool RepaintIfMoved() const;

  // Backgrounds.
  void AnswerBackground(BackgroundInfo& info, int state);
  // What lies under the owner, for painting its cache.
  TCacheInfo ParentCacheInfo();

  // Painting.
  void Invalidate(bool updateNow = false);
  void BeginUpdate();
  void EndUpdate(bool repaint = false);
  bool Updating() const { return FUpdating; }
  void SetUpdating(bool value) { FUpdating = value; }
  // Ends updating once the parent can give a background again.
  void CheckUpdating(bool reset);
  void ApplySkinColors(bool repaint);

  // The common handling of a skin command; false when the owner must handle it itself.
  bool HandleCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result);
  // The common handling of window events.
  void MouseEntered();
  void MouseLeft();
  void Moved();
  void Resized();
  void BoundsChanging(bool widthChanges, bool heightChanges);
  void FocusChanged(bool focused);
  void EnabledChanged();
  void VisibilityChanged(bool visible);

  // State fades.
  TacThreadedTimer* AnimTimer() const { return animTimer_.get(); }
  TacThreadedTimer& EnsureAnimTimer(int targetState);
  bool FadeRunning() const;
  // The picture a running fade shows now; null when none.
  const PixelImage* FadePicture() const;
  void StopFade();

  // Properties.
  void SetCustomColor(bool value);
  void SetCustomFont(bool value);
  void SetColorTone(uint32_t value);
  void SetHUEOffset(int value);
  void SetSaturationValue(int value);

  // IacElementOwner
  const TacSkinData* SkinData() const override { return CommonSkinData(); }
  int SkinIndex() const override { return skinIndex_; }
  bool CustomColor() const override { return customColor_; }
  uint32_t OwnerColor() const override;
  bool CustomFont() const override { return customFont_; }
  uint32_t ColorTone() const override { return colorTone_; }
  int HUEOffset() const override { return hueOffset_; }
  int Saturation() const override { return saturation_; }
  bool HasParent() const override { return owner_.HasParent(); }
  int OpaqueSectionAt(int state) const override;
  uint32_t ParentFontColor() const override { return owner_.ParentFontColor(); }
  bool HasCache() const override { return hasCache_; }

  // Public state, as painting code reads and sets it.
  bool BGChanged = true;
  bool FUpdating = false;
  bool FFocused = false;
  bool FMouseAbove = false;
  bool HalfVisible = false;
  bool Loading = true;
  int CurrentPPI = 96;
  uint16_t BGType = 0;
  uint32_t CtrlSkinState = 0;
  uint32_t SavedColor = kNoTone, SavedFontColor = kNoTone;

 private:
  void AnswerPicture(BackgroundInfo& info);
  bool RebuildCache();
  void HandleSkinLoaded();
  void HandleSkinRemoved();
  void HandleCheckMoved(uint16_t argument);
  intptr_t AnswerBGState(TacBGStateQuery& query);
  bool OwnManager(intptr_t lParam) const;

  IacSkinOwner& owner_;
  int coc_;
  bool hasCache_;
  PixelImage cache_;
  int skinIndex_ = -1;
  std::string skinSection_;
  // What commonSkinData_ was looked up for.
  struct SkinDataKey {
    const IacSkinManagerView* manager = nullptr;
    uint64_t generation = 0;
    int ppi = 0;
    bool operator==(const SkinDataKey&) const = default;
  };

  IacSkinManagerView* skinManager_ = nullptr;
  mutable TacSkinData* commonSkinData_ = nullptr;
  mutable SkinDataKey commonSkinDataKey_;
  bool customColor_ = false;
  bool customFont_ = false;
  uint32_t colorTone_ = kNoTone;
  int hueOffset_ = 0;
  int saturation_ = 0;
  int updateCount_ = 0;
  std::unique_ptr<TacThreadedTimer> animTimer_;
};

// The binding controls create; it adds nothing.
class TsCtrlSkinData final : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;
};

// Asks child's parent what lies under child (SC_GETBG); an unskinned parent gives its colour.
void GetParentBackground(BackgroundInfo& info, IacSkinOwner& child, bool drawNow);
TCacheInfo BackgroundToCacheInfo(const BackgroundInfo& info);
// What a control paints its cache over: its parent's answer as a TCacheInfo. A parent
// that cannot answer yet leaves the control updating (it repaints when the parent is
// ready) and gives nothing.
std::optional<TCacheInfo> BackgroundForCache(TsCommonData& data, IacSkinOwner& owner);
