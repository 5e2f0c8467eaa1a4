#include "framework/KeyboardFocus.h"

#include <algorithm>

#include "framework/Form.h"

namespace marv {

namespace {

// Posted to the form: act for the child whose id is WParam.
constexpr UINT CM_ACTIVATECHILD = CM_BASE + 0x51;

bool ShiftDown() { return (GetKeyState(VK_SHIFT) & 0x8000) != 0; }

HWND WindowOf(Control& control) {
  return control.IsWindowed() ? static_cast<WinControl&>(control).Handle() : nullptr;
}

bool CanFocus(const Control* control) { return control && control->Visible() && control->Enabled(); }

}  // namespace

KeyboardFocus::KeyboardFocus(Form& form, std::vector<Control*> readingOrder, Navigator navigate)
    : form_(form), order_(std::move(readingOrder)), navigate_(std::move(navigate)) {
  hooks_.push_back(std::make_unique<MessageHook>(
      form_, [this](Message& m, const MessageHandler& next) { OnFormMessage(m, next); }));
  for (Control* control : order_) {
    if (!control->IsWindowed()) continue;
    hooks_.push_back(std::make_unique<MessageHook>(*control, [this, control](Message& m, const MessageHandler& next) {
      OnChildMessage(*control, m, next);
    }));
  }
}

KeyboardFocus::~KeyboardFocus() = default;

long KeyboardFocus::ChildId(const Control* control) const {
  const auto it = std::find(order_.begin(), order_.end(), control);
  return it == order_.end() ? 0 : static_cast<long>(it - order_.begin()) + 1;
}

Control* KeyboardFocus::ChildById(long childId) const {
  if (childId < 1 || childId > static_cast<long>(order_.size())) return nullptr;
  return order_[childId - 1];
}

bool KeyboardFocus::TakesSystemFocus(Control& control) {
  const HWND window = WindowOf(control);
  return window && SendMessageW(window, WM_GETDLGCODE, 0, 0) != 0;
}

bool KeyboardFocus::FocusIsHere() const {
  const HWND focus = GetFocus();
  if (!focus) return false;
  if (focus == form_.Handle()) return true;
  return focused_ && focus == WindowOf(*focused_);
}

void KeyboardFocus::FocusControl(Control* control, bool byKeyboard) {
  if (byKeyboard) cuesShown_ = true;
  if (control && ChildId(control) == 0) return;
  const bool moved = control != focused_;
  focused_ = control;
  if (control && TakesSystemFocus(*control)) {
    if (GetFocus() != WindowOf(*control)) SetFocus(WindowOf(*control));
  } else if (control && form_.Handle() && GetFocus() != form_.Handle() && GetActiveWindow() == form_.Handle()) {
    SetFocus(form_.Handle());
  }
  UpdateCue();
  if (moved) RaiseFocusEvent();
}

void KeyboardFocus::UpdateCue() {
  Control* wanted = (cuesShown_ && CanFocus(focused_) && FocusIsHere()) ? focused_ : nullptr;
  if (wanted == cueOn_) return;
  if (cueOn_) cueOn_->Perform(CM_FOCUSCUE, 0);
  cueOn_ = wanted;
  if (cueOn_) cueOn_->Perform(CM_FOCUSCUE, 1);
}

void KeyboardFocus::RaiseFocusEvent() {
  // A control with a window of its own has its event from the system.
  if (!focused_ || !FocusIsHere() || TakesSystemFocus(*focused_)) return;
  NotifyWinEvent(EVENT_OBJECT_FOCUS, form_.Handle(), OBJID_CLIENT, ChildId(focused_));
}

void KeyboardFocus::Activate(Control& control, ActivationSource source) {
  if (!CanFocus(&control)) return;
  if (OnActivate && OnActivate(control, source)) return;
  control.Click();
}

void KeyboardFocus::PostActivate(Control& control) {
  if (form_.Handle()) PostMessageW(form_.Handle(), CM_ACTIVATECHILD, static_cast<WPARAM>(ChildId(&control)), 0);
}

bool KeyboardFocus::Reachable(Control* control) const {
  if (!control || !navigate_ || ChildId(control) == 0) return false;
  Control* first = navigate_(nullptr, FocusKey::Next);
  for (Control* c = first; c;) {
    if (c == control) return true;
    c = navigate_(c, FocusKey::Next);
    if (c == first) break;
  }
  return false;
}

bool KeyboardFocus::Move(FocusKey key) {
  Control* target = navigate_ ? navigate_(CanFocus(focused_) ? focused_ : nullptr, key) : nullptr;
  if (!target) {
    FocusControl(focused_, true);  // nowhere to go: the keyboard was still used
    return false;
  }
  FocusControl(target, true);
  return true;
}

bool KeyboardFocus::HandleKey(WPARAM key, LPARAM flags) {
  const bool repeated = (flags & (1 << 30)) != 0;
  switch (key) {
    case VK_TAB:
      Move(ShiftDown() ? FocusKey::Previous : FocusKey::Next);
      return true;
    case VK_LEFT:
      return Move(FocusKey::Left);
    case VK_RIGHT:
      return Move(FocusKey::Right);
    case VK_UP:
      return Move(FocusKey::Up);
    case VK_DOWN:
      return Move(FocusKey::Down);
    case VK_RETURN:
      if (!focused_) return false;
      cuesShown_ = true;
      UpdateCue();
      if (!repeated) Activate(*focused_, ActivationSource::EnterKey);
      return true;
    case VK_SPACE:
      // A system control presses and clicks itself on Space.
      if (!focused_ || TakesSystemFocus(*focused_)) return false;
      cuesShown_ = true;
      UpdateCue();
      if (!repeated) Activate(*focused_, ActivationSource::SpaceKey);
      return true;
    case VK_ESCAPE:
      if (!EscapeCloses) return false;
      form_.Close();
      return true;
    default:
      return false;
  }
}

void KeyboardFocus::OnFormMessage(Message& m, const MessageHandler& next) {
  if (m.Msg == WM_KEYDOWN && HandleKey(m.WParam, m.LParam)) return;
  switch (m.Msg) {
    case WM_SETFOCUS:
      next(m);
      // The window got the focus back (or for the first time): give it to the control
      // that had it, else the first one.
      if (!CanFocus(focused_)) focused_ = navigate_ ? navigate_(nullptr, FocusKey::Next) : nullptr;
      if (focused_ && TakesSystemFocus(*focused_)) {
        SetFocus(WindowOf(*focused_));
        return;
      }
      UpdateCue();
      RaiseFocusEvent();
      return;
    case WM_KILLFOCUS:
      next(m);
      UpdateCue();
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // A click moves the focus to the window-less control under the mouse, without the look.
      const POINT at{static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam))};
      Control* under = form_.ControlAtPos(at);
      if (Reachable(under)) FocusControl(under, false);
      break;
    }
    case CM_ACTIVATECHILD:
      if (Control* child = ChildById(static_cast<long>(m.WParam))) Activate(*child, ActivationSource::DefaultAction);
      return;
    default:
      break;
  }
  next(m);
}

void KeyboardFocus::OnChildMessage(Control& child, Message& m, const MessageHandler& next) {
  if (m.Msg == WM_KEYDOWN && HandleKey(m.WParam, m.LParam)) return;
  next(m);
  // Reached by the mouse or by the system: the focus is the control's now.
  if (m.Msg == WM_SETFOCUS && focused_ != &child) {
    focused_ = &child;
    UpdateCue();
  }
}

}  // namespace marv
