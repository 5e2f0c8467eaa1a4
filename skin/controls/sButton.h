#pragma once
// TsButton: the framework's push button, owner-drawn from the skin section "BUTTON": its
// picture is built in a cache and copied to the window; hover, press and release fade
// on the window itself. A default button at rest looks hot. It keeps the framework's
// click, default and modal-result behaviour.
#include <memory>

#include "framework/PushButton.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/logic/acButtonLogic.h"
#include "skin/paint/acFadeTimer.h"

class TsButton : public marv::PushButton {
 public:
  explicit TsButton(std::wstring name);
  ~TsButton() override;

  TsCommonData& SkinData() { return skin_->Data(); }
  // Shows the pressed look for good.
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool ShowFocus = true;
  int FocusMargin = 1;
  int ContentMargin = 6;
  TacAnimEvents AnimatEvents = kDefaultAnimEvents;

  // 2 pressed, 3 default at rest, 1 hot or focused, 0 normal.
  int CurrentState();
  bool PrepareCache();

 protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(marv::Message& m) override;

 private:
  bool SkinCommand(uint16_t command, uint16_t argument, intptr_t lParam, intptr_t& result);
  void PaintTo(HDC dc);
  // Without a skin: the classic push button look, as the system would draw it.
  void PaintUnskinned(HDC dc);
  void DrawCaption(int state);
  void DrawFocusFrame(TRect text);
  void MouseEntered();
  void MouseLeft();
  void Pressed();
  void Released();

  std::unique_ptr<TacControlSkinOwner> skin_;
  TacControlTextPainter text_;
  bool down_ = false;
  bool mouseClicked_ = false;
  bool tracking_ = false;
  bool forcedPress_ = false;
  int builtState_ = -1;  // the state the cache shows
};
