#pragma once
// What a screen reader sees of a form: the form answers WM_GETOBJECT (OBJID_CLIENT) with
// an IAccessible whose children are its controls in reading order, window-less ones
// included, each with a name, role, description, states, place on the screen and a
// default action. The system's own object for the window (oleacc) answers for the form
// itself; this adds only the children. Clients that keep the object after the form is
// gone get "disconnected" from every call.
#include <oleacc.h>

#include <functional>
#include <memory>
#include <string>

#include "framework/KeyboardFocus.h"
#include "framework/MessageHook.h"

namespace marv {

class Form;

// How one control presents itself.
struct AccessibleTraits {
  std::wstring name;
  std::wstring description;
  long role = ROLE_SYSTEM_CLIENT;
  long state = 0;  // states of its own (checked, linked); focus, visibility and the rest are added
  std::wstring defaultAction;
};

class ControlAccessibility {
 public:
  using Describe = std::function<AccessibleTraits(Control&)>;

  ControlAccessibility(Form& form, KeyboardFocus& focus, Describe describe = DefaultTraits);
  ~ControlAccessibility();
  ControlAccessibility(const ControlAccessibility&) = delete;
  ControlAccessibility& operator=(const ControlAccessibility&) = delete;

  // By the control's kind: buttons press, a label with an action is a link, one without
  // is text.
  static AccessibleTraits DefaultTraits(Control& control);

  class Object;
  // What the object needs of the form while it is there.
  struct Source {
    Form* form;
    KeyboardFocus* focus;
    Describe describe;
  };

 private:
  struct ComScope {
    ComScope() : result(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
    ~ComScope() {
      if (SUCCEEDED(result)) CoUninitialize();
    }
    HRESULT result;
  };
  void OnFormMessage(Message& m, const MessageHandler& next);

  ComScope com_;
  std::shared_ptr<Source> source_;  // the object's way to the form; emptied when gone
  MessageHook hook_;
};

}  // namespace marv
