#pragma once
// The windows the skinning engine takes care of beyond the application's forms: forms
// with a form-skinning provider and skinned system dialogs. Their skinning code enters
// and removes them; broadcasts and rescaling read the lists. A filter can keep windows
// (and what lies in them) out of broadcasts.
#include <windows.h>

#include <functional>
#include <vector>

namespace marv {
class Form;
}

struct TacSkinnedWindows {
  std::vector<marv::Form*> ProviderForms;
  std::vector<HWND> SkinnedDialogs;
  std::function<bool(HWND)> ExcludeFromBroadcast;  // true: the window's controls are not walked
};

// The program's lists (one per program, like the windows they hold).
TacSkinnedWindows& SkinnedWindows();
