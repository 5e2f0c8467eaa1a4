#pragma once
// TsSpeedButton: the framework's window-less button drawn from the skin section
// "SPEEDBUTTON" ("TOOLBUTTON" when Flat) through a cache picture that carries the parent's
// background, with hover and press fades. A normal button repaints by one copy of its
// cache; a hot or pressed one rebuilds it.
#include <memory>

#include "framework/SpeedButton.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/acSkinnedControl.h"
#include "skin/controls/logic/acButtonLogic.h"
#include "skin/paint/acFadeTimer.h"

class TsSpeedButton : public marv::SpeedButton, public TacSkinnedControl {
 public:
  explicit TsSpeedButton(std::wstring name);
  ~TsSpeedButton() override;

  using TacSkinnedControl::SkinData;

  bool Flat() const { return flat_; }
  void SetFlat(bool flat);
  // Stays pressed; with a GroupIndex the pressed button of a group is exclusive.
  bool Down() const { return down_; }
  void SetDown(bool down);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int index) { groupIndex_ = index; }
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allow) { allowAllUp_ = allow; }
  TacAnimEvents AnimatEvents = kDefaultAnimEvents;
  int Margin = -1;

  // 0 normal, 1 hot, 2 pressed.
  int CurrentState();
  // Shows the current picture now.
  void UpdateView();
  void Click() override;

 protected:
  void Paint(HDC dc) override;
  void WndProc(marv::Message& m) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(POINT at) override;
  void MouseUp(POINT at) override;

 private:
  // TacSkinnedControl
  int CacheState() override { return builtState_ = CurrentState(); }
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;
  bool OwnSkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result) override;
  int DefaultSkinIndex(IacSkinManagerView& manager) override;
  void SkinChanged(uint16_t command, uint16_t argument, intptr_t lParam) override;

  void LeaveHover();
  bool ShiftsContent();
  void MarkStale();

  TacControlTextPainter text_;
  bool flat_ = false;
  bool oldFlat_ = false;
  bool down_ = false;
  bool storedDown_ = false;
  int groupIndex_ = 0;
  bool allowAllUp_ = false;
  bool painting_ = false;
  int builtState_ = -1;  // the state the cache shows
};
