#pragma once
// TsButton: the framework's push button, owner-drawn from the skin section "BUTTON": its
// picture is built in a cache and copied to the window; hover, press and release fade
// on the window itself. A default button at rest looks hot. It keeps the framework's
// click, default and modal-result behaviour.
#include <memory>

#include "framework/PushButton.h"
#include "skin/controls/acControlText.h"
#include "skin/controls/acSkinnedControl.h"
#include "skin/controls/logic/acButtonLogic.h"
#include "skin/paint/acFadeTimer.h"

class TsButton : public marv::PushButton, public TacSkinnedControl {
 public:
  explicit TsButton(std::wstring name);

  using TacSkinnedControl::SkinData;
  // Shows the pressed look for good.
  bool Down() const { return down_; }
  void SetDown(bool down);
  bool ShowFocus = true;
  int FocusMargin = 1;
  int ContentMargin = 6;
  TacAnimEvents AnimatEvents = kDefaultAnimEvents;

  // 2 pressed, 3 default at rest, 1 hot or focused, 0 normal.
  int CurrentState();

 protected:
  void FillCreateParams(CreateParams& params) override;
  void WndProc(marv::Message& m) override;

 private:
  // TacSkinnedControl
  int CacheState() override;
  void PaintSection(const TCacheInfo& background, int state, const PixelBuffer& cache) override;
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;

  void PaintTo(HDC dc);
  // Without a skin: the classic push button look, as the system would draw it.
  void PaintUnskinned(HDC dc);
  void DrawFocusFrame(TRect text);
  void MouseEntered();
  void MouseLeft();
  void Pressed();
  void Released();

  TacControlTextPainter text_;
  bool down_ = false;
  bool mouseClicked_ = false;
  bool tracking_ = false;
  bool forcedPress_ = false;
  int builtState_ = -1;  // the state the cache shows
};
