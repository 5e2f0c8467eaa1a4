#pragma once
// The skin manager's hook in front of the main form's window procedure. The framework
// has no application window: the main form owns the taskbar button, so the messages the
// engine watches for the whole application arrive here, ahead of the form and of its
// frame skinning. A message the hook handles goes no further.
//
// Popup menus post two private messages here: a menu whose window was not known when it
// drew its first item asks for its skinned border once the menu loop is idle.
#include <windows.h>

#include <cstdint>

#include "framework/Messages.h"

class TsSkinManager;
namespace marv {
class Application;
}

// The border of the popup with this key (a live menu picture's id); lParam: the key.
inline constexpr UINT WM_ACMENUBORDER = 0xBCB3;
// The border of a popup menu window; lParam: the window.
inline constexpr UINT WM_ACMENUWINDOWBORDER = 0xBCB4;

// Who puts the deferred borders on: the menu skinning. Keys and windows that are gone
// by the time the message arrives are ignored there.
class IacDeferredMenuBorders {
 public:
  virtual ~IacDeferredMenuBorders() = default;
  virtual void BorderForPopup(uintptr_t popupKey) = 0;
  virtual void BorderForWindow(HWND window) = 0;
};

// Posts a deferred border message to `target` unless one of the two is already waiting
// in this thread's queue; true when it was posted.
bool PostDeferredMenuBorder(HWND target, UINT message, LPARAM lParam);

class TacAppWindowHook {
 public:
  // `borders` may be null: the deferred border messages then pass on unhandled.
  TacAppWindowHook(marv::Application& app, TsSkinManager& manager, IacDeferredMenuBorders* borders);
  ~TacAppWindowHook();
  TacAppWindowHook(const TacAppWindowHook&) = delete;
  TacAppWindowHook& operator=(const TacAppWindowHook&) = delete;

 private:
  bool OnMessage(marv::Message& m);
  bool DeferredMenuBorder(marv::Message& m);

  TsSkinManager& manager_;
  IacDeferredMenuBorders* borders_;
  int hookId_ = 0;
};
