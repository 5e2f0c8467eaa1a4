#include "skin/forms/logic/acCaptionClicks.h"

#include "skin/forms/logic/acFrameHitTest.h"

int TacCaptionClicks::Slot(int code) {
  switch (code) {
    case kHitClose: return 0;
    case kHitMaxButton: return 1;
    case kHitMinButton: return 2;
    case kHitHelp: return 3;
    default: return -1;
  }
}

int TacCaptionClicks::State(int hitCode) const {
  const int slot = Slot(hitCode);
  return slot < 0 ? 0 : states_[slot];
}

void TacCaptionClicks::ApplyTo(TacTitleLayout& title) const {
  for (TacCaptionButton* b : title.Buttons())
    if (b->Visible()) b->State = State(b->HitCode);
}

void TacCaptionClicks::SetState(int code, int state) {
  const int slot = Slot(code);
  if (slot < 0 || states_[slot] == state) return;
  states_[slot] = state;
  if (OnButtonState) OnButtonState(code, state);
}

void TacCaptionClicks::SetHot(int code) {
  if (code < 0) code = 0;
  if (code == currentHT_) return;
  SetState(currentHT_, 0);
  currentHT_ = code;
  if (!clicked_) SetState(code, 1);
}

TacFrameAction TacCaptionClicks::MouseMove(int code) {
  if (IsCaptionButtonCode(code)) {
    SetHot(code);
    return {};
  }
  SetHot(0);
  return {.PassOn = true};
}

TacFrameAction TacCaptionClicks::LeftDown(int code) {
  if (code == kHitSysMenu) {
    SetHot(0);
    return {.DropSysMenuAtIcon = true};
  }
  if (!IsCaptionButtonCode(code)) return {.PassOn = true};
  currentHT_ = code;
  clicked_ = true;
  SetState(code, 2);
  return {.TakeCapture = true};
}

TacFrameAction TacCaptionClicks::LeftUp(int code, const TacFormFrame& form, const TacSystemMenuRules& rules) {
  if (!clicked_) return {.PassOn = true};
  TacFrameAction a{.ReleaseCapture = true};
  const bool minimized = form.State == TacWindowState::wsMinimized;
  if (IsCaptionButtonCode(code) && State(code) == 2) {
    switch (code) {
      case kHitMinButton:
        if (minimized && !form.IsMainForm) a.SysCommand = kScRestore;
        else if (rules.EnabledMin || minimized) {
          a.SysCommand = kScMinimize;
          a.SkipAnimation = form.IsMainForm;
        }
        break;
      case kHitMaxButton:
        if (form.State == TacWindowState::wsMaximized) {
          if (rules.EnabledRestore) a.SysCommand = kScRestore;
        } else if (rules.EnabledMax) {
          a.SysCommand = kScMaximize;
        }
        break;
      case kHitClose:
        if (rules.EnabledClose) {
          a.SysCommand = kScClose;
          a.KillAnimations = true;
        }
        break;
      case kHitHelp:
        a.SysCommand = kScContextHelp;
        a.RepaintFrame = true;
        break;
      default:
        break;
    }
  }
  clicked_ = false;
  for (int c : {kHitClose, kHitMaxButton, kHitMinButton, kHitHelp}) SetState(c, 0);
  currentHT_ = 0;
  return a;
}

TacFrameAction TacCaptionClicks::DoubleClick(int code, const TacFormFrame& form, const TacSystemMenuRules& rules) {
  const bool minimized = form.State == TacWindowState::wsMinimized;
  if (code == kHitSysMenu) return rules.EnabledClose ? TacFrameAction{.SysCommand = kScClose} : TacFrameAction{};
  if (code != kHitCaption) return {.PassOn = true};
  if (minimized && !form.CaptionStyle) return {.SysCommand = kScRestore};
  if (!form.Icons.SystemMenu || !(rules.EnabledMax || rules.EnabledRestore)) return {};
  const bool restore = minimized || form.State == TacWindowState::wsMaximized;
  if (restore) return rules.EnabledRestore ? TacFrameAction{.SysCommand = kScRestore} : TacFrameAction{};
  return rules.EnabledMax ? TacFrameAction{.SysCommand = kScMaximize} : TacFrameAction{};
}

TacFrameAction TacCaptionClicks::RightDown(int code) {
  if (code != kHitCaption && code != kHitSysMenu) {
    rightPressed_ = false;
    return {.PassOn = true};
  }
  rightPressed_ = true;
  return {};
}

TacFrameAction TacCaptionClicks::RightUp(int code) {
  const bool pressedHere = rightPressed_ && (code == kHitCaption || code == kHitSysMenu);
  rightPressed_ = false;
  if (!pressedHere) return {.PassOn = true};
  SetHot(0);
  return {.DropSysMenuAtCursor = true};
}

void TacCaptionClicks::MouseLeft() {
  clicked_ = false;
  rightPressed_ = false;
  SetHot(0);
  for (int c : {kHitClose, kHitMaxButton, kHitMinButton, kHitHelp}) SetState(c, 0);
}
