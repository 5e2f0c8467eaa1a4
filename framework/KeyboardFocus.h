#pragma once
// The keyboard focus of a form whose controls are partly window-less. Tab, Shift+Tab and
// the arrow keys move it (where to is the navigator's answer), Enter and Space act on the
// focused control, Esc may close the form. A window-less control has the focus while the
// form's window has the system's focus; a system control that handles keys itself (it
// answers WM_GETDLGCODE) gets the system's focus. The focused control shows its focus
// look only once the keyboard was used, as Windows does; a move raises EVENT_OBJECT_FOCUS
// for the control's accessible child (its place in the reading order, from 1).
#include <functional>
#include <memory>
#include <vector>

#include "framework/Control.h"
#include "framework/MessageHook.h"

namespace marv {

class Form;

enum class FocusKey { Next, Previous, Left, Right, Up, Down };
// What asks a control to act.
enum class ActivationSource { EnterKey, SpaceKey, DefaultAction };

class KeyboardFocus {
 public:
  // The control the focus moves to from `from` (null: nothing focused) by `key`; null: none.
  using Navigator = std::function<Control*(Control* from, FocusKey key)>;

  // `readingOrder`: the form's controls as they are read, focusable or not.
  KeyboardFocus(Form& form, std::vector<Control*> readingOrder, Navigator navigate);
  ~KeyboardFocus();
  KeyboardFocus(const KeyboardFocus&) = delete;
  KeyboardFocus& operator=(const KeyboardFocus&) = delete;

  const std::vector<Control*>& ReadingOrder() const { return order_; }
  // The control's accessible child id: its place in the reading order from 1; 0: none.
  long ChildId(const Control* control) const;
  Control* ChildById(long childId) const;

  Control* Focused() const { return focused_; }
  // The form's window (or the focused control's own) holds the system's focus.
  bool FocusIsHere() const;
  // Whether focus looks show (the keyboard has been used on this form).
  bool CuesShown() const { return cuesShown_; }
  // Moves the focus; by keyboard, the focus look shows from now on.
  void FocusControl(Control* control, bool byKeyboard);

  // Runs the control's action now: OnActivate's, or else a click.
  void Activate(Control& control, ActivationSource source);
  // The same once the form's queue gets to it (a caller must not wait for a menu or box).
  void PostActivate(Control& control);
  // Acts for a control in its own way; false leaves the click to the control. A handler
  // that ignores a key for a control returns true.
  std::function<bool(Control&, ActivationSource)> OnActivate;
  // Esc closes the form (dialogs).
  bool EscapeCloses = false;

 private:
  void OnFormMessage(Message& m, const MessageHandler& next);
  void OnChildMessage(Control& child, Message& m, const MessageHandler& next);
  bool HandleKey(WPARAM key, LPARAM flags);
  bool Move(FocusKey key);
  // Tab reaches the control (labels without an action are read but not focused).
  bool Reachable(Control* control) const;
  // Windowed controls that handle keys themselves get the system's focus.
  static bool TakesSystemFocus(Control& control);
  void UpdateCue();
  void RaiseFocusEvent();

  Form& form_;
  std::vector<Control*> order_;
  Navigator navigate_;
  Control* focused_ = nullptr;
  Control* cueOn_ = nullptr;
  bool cuesShown_ = false;
  std::vector<std::unique_ptr<MessageHook>> hooks_;
};

}  // namespace marv
