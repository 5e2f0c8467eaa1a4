#pragma once
// Sending a skin command to every form and control, in the fixed order: the application's
// forms from the last made to the first, then the forms with a skinning provider, then
// the visible skinned dialogs. Within a form the controls are walked in child order;
// window-less controls get the command through Perform, windowed ones by a synchronous
// send, and the children of an already skinned window are left to that window.
#include <windows.h>

#include <cstdint>
#include <functional>

#include "skin/data/acManagerHost.h"

namespace marv {
class Form;
class WinControl;
}  // namespace marv

// A window carries a skin binding or an adapter, or says it is skinned.
bool IsSkinnedWindow(HWND window);

// The form, its controls, and what each reaches.
void BroadcastToForm(marv::Form& form, uint16_t command, intptr_t lParam);

// `reached` runs for every form the command went to (before its controls get it).
void BroadcastSkinCommand(uint16_t command, intptr_t lParam, TacBroadcastScope scope,
                          const std::function<void(marv::Form&)>& reached = {});
