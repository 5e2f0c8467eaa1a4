#pragma once
// TacSkinnedControl: what every skinned control shares, whatever framework class it
// derives from. It owns the control's skin binding (a TacControlSkinOwner), builds the
// control's cache picture in fixed steps (what lies under the control, the section's
// picture, the control's own content, the disabled look), shows it with one copy, and
// answers the skin commands that every control answers alike. A control derives from its
// framework class first and from this second, and overrides only the steps it does its
// own way.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>

#include "skin/controls/acControlSkinOwner.h"
#include "skin/paint/acControlKinds.h"

class IacSkinManagerView;

class TacSkinnedControl {
 public:
  TacSkinnedControl(const TacSkinnedControl&) = delete;
  TacSkinnedControl& operator=(const TacSkinnedControl&) = delete;

  TsCommonData& SkinData() { return skin_->Data(); }
  TacControlSkinOwner& SkinOwner() { return *skin_; }
  TacControlKind Kind() const { return kind_; }

  // Paints the cache picture; false when nothing could be painted yet (the parent's
  // background is not ready: the control stays updating and is painted later).
  virtual bool PrepareCache();

 protected:
  TacSkinnedControl(marv::Control& control, TacControlKind kind);
  virtual ~TacSkinnedControl();

  // Shows the control's picture on dc with one copy: a running fade's frame, else the
  // cache, rebuilt first when `stale` or out of date.
  void ShowPicture(HDC dc, bool stale);

  // Follows a framework notice that changes how the control looks (enabled, colour,
  // visibility, density, text, font): the cache is stale, and a fade of the old look ends
  // when the content changes or the control is disabled. False for other messages.
  bool FollowLookNotice(UINT message);

  // The steps of PrepareCache, in order.
  // Whether a cache may be painted now; a control gets ready for painting here.
  virtual bool BeginCache() { return true; }
  virtual std::optional<TCacheInfo> CacheBackground();
  virtual TPoint CacheOffset();  // the control's place on that background
  virtual int CacheState() { return 0; }
  virtual void PaintSection(const TCacheInfo& background, int state, const PixelBuffer& cache);
  virtual void PaintContent(const TCacheInfo& /*background*/, int /*state*/, const PixelBuffer& /*cache*/) {}

  // The control's own answer to a skin command, asked before the common ones; false
  // leaves the command to them.
  virtual bool OwnSkinCommand(uint16_t /*command*/, uint16_t /*argument*/, intptr_t /*lParam*/,
                              intptr_t& /*result*/) {
    return false;
  }
  // The section the control paints when none is named (SC_DEFAULTINDEX); -1 for none.
  virtual int DefaultSkinIndex(IacSkinManagerView& manager);
  // After the binding followed a skin being loaded, refreshed or removed.
  virtual void SkinChanged(uint16_t command, uint16_t argument, intptr_t lParam);

 private:
  bool SkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result);

  marv::Control& control_;
  TacControlKind kind_;
  std::unique_ptr<TacControlSkinOwner> skin_;
};
