#pragma once
// The caption buttons' mouse behaviour: which button is hot, which is pressed, and which
// system command a press and release, a double click or a right click on the title turn
// into. Pure state; the provider turns the answers into window calls.
#include <array>
#include <functional>

#include "skin/forms/logic/acFrameGeometry.h"
#include "skin/forms/logic/acSystemMenuRules.h"
#include "skin/forms/logic/acTitleLayout.h"

// System commands (the window system's numbers).
inline constexpr int kScSize = 0xF000, kScMove = 0xF010, kScMinimize = 0xF020, kScMaximize = 0xF030,
                     kScClose = 0xF060, kScRestore = 0xF120, kScContextHelp = 0xF180;

// What the window should do after a mouse event on its frame.
struct TacFrameAction {
  int SysCommand = 0;           // send WM_SYSCOMMAND with it; 0: none
  bool PassOn = false;          // let the window's previous procedure handle the message
  bool DropSysMenuAtIcon = false;
  bool DropSysMenuAtCursor = false;
  bool TakeCapture = false;     // a button was pressed: keep the mouse until it is released
  bool ReleaseCapture = false;
  bool KillAnimations = false;  // after a close: every button fade ends
  bool SkipAnimation = false;   // the main form minimizes without its animation
  bool RepaintFrame = false;
  bool operator==(const TacFrameAction&) const = default;
};

class TacCaptionClicks {
 public:
  // Called with a button whose state changed, so that it is repainted.
  std::function<void(int hitCode, int state)> OnButtonState;

  int CurrentHT() const { return currentHT_; }
  bool Clicked() const { return clicked_; }
  bool RightPressed() const { return rightPressed_; }
  // A button's state: 0 normal, 1 hot, 2 pressed.
  int State(int hitCode) const;
  // Copies the states into a freshly laid out title (hidden buttons keep -1).
  void ApplyTo(TacTitleLayout& title) const;

  // SetHotButton: 0 or -1 clear the hot button.
  void SetHot(int code);
  // WM_NCMOUSEMOVE with the frame's hit code under the mouse.
  TacFrameAction MouseMove(int code);
  TacFrameAction LeftDown(int code);
  // WM_NCLBUTTONUP or WM_LBUTTONUP with the hit code under the mouse now.
  TacFrameAction LeftUp(int code, const TacFormFrame& form, const TacSystemMenuRules& rules);
  TacFrameAction DoubleClick(int code, const TacFormFrame& form, const TacSystemMenuRules& rules);
  TacFrameAction RightDown(int code);
  // Any right-button release; on the caption or icon after a right press there, the menu.
  TacFrameAction RightUp(int code);
  // The mouse left the frame: nothing is hot or pressed any more.
  void MouseLeft();

 private:
  void SetState(int code, int state);
  static int Slot(int code);

  int currentHT_ = 0;
  bool clicked_ = false;
  bool rightPressed_ = false;
  std::array<int, 4> states_{};  // close, maximize, minimize, help
};
