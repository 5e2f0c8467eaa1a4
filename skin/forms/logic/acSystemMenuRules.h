#pragma once
// Which caption buttons and system-menu items a form has, and which of them act: one
// table of rules over the form's border style, icons and state.
#include "skin/forms/logic/acFrameGeometry.h"

// The native system menu's close item, as far as the rules need it.
struct TacNativeClose {
  bool HasMenu = true;   // the window has a native system menu at all
  bool HasClose = true;  // it holds SC_CLOSE
  bool Grayed = false;   // SC_CLOSE is grayed
};

struct TacSystemMenuRules {
  bool VisibleClose = false, VisibleMax = false, VisibleMin = false, VisibleRestore = false, VisibleSize = false;
  bool VisibleMove = false;
  bool EnabledClose = false, EnabledMax = false, EnabledMin = false, EnabledRestore = false;
  bool EnabledMove = false, EnabledSize = false;
  bool operator==(const TacSystemMenuRules&) const = default;
};

// mainOnTaskbar: the main form carries the taskbar button (then a minimized main form
// shows no maximize button).
TacSystemMenuRules SystemMenuRules(const TacFormFrame& form, TacNativeClose native = {}, bool mainOnTaskbar = true);
