#pragma once
// The UI thread's window-creation hook (WH_CBT). While the default manager has a skin,
// every window made on the thread passes here as it is created, and the hook hands it to
// the skinning object for its kind: popup menu windows ("#32768") to the menu skinning,
// system dialogs ("#32770", "NativeHWNDHost"), made or activated, to the dialog skinning.
// Each kind of window is one branch of CreatingWindow; forms and system dialogs get
// theirs beside the popup menus'.
#include <windows.h>

#include <memory>
#include <string>

#include "skin/forms/acFormProviders.h"

class TsSkinManager;
namespace marv {
class Form;
}

// What takes popup menu windows in hand: the window side of the menu skinning.
class IacPopupWindowAdopter {
 public:
  virtual ~IacPopupWindowAdopter() = default;
  virtual bool Adopted(HWND window) const = 0;
  virtual void AdoptPopupWindow(HWND window) = 0;
  // Lets go of every popup menu window (the hook is going away).
  virtual void ReleasePopupWindows() = 0;
};

// What takes system dialogs in hand: the dialog skinning.
class IacDialogAdopter {
 public:
  virtual ~IacDialogAdopter() = default;
  // Whether the window is taken care of; created: it is being made right now.
  virtual bool SkinWindow(HWND window, bool created) = 0;
  // Gives every skinned dialog back (the hook is going away).
  virtual void ReleaseDialogs() = 0;
};

// The class a window is created with: an atom, or a name.
struct TacCreatedClass {
  ATOM atom = 0;
  std::wstring name;
  bool Is(ATOM classAtom, std::wstring_view className) const;
};
TacCreatedClass CreatedClassOf(const CREATESTRUCTW& cs, HWND window);

class TacWindowHook {
 public:
  // `popups` may be null: popup menus are then left to the system.
  TacWindowHook(TsSkinManager& manager, IacPopupWindowAdopter* popups);
  ~TacWindowHook();
  TacWindowHook(const TacWindowHook&) = delete;
  TacWindowHook& operator=(const TacWindowHook&) = delete;

  // `dialogs` may be null: system dialogs are then left to the system.
  void SetDialogAdopter(IacDialogAdopter* dialogs) { dialogs_ = dialogs; }

  // On the calling thread, once; Uninstall also lets go of the popup menu windows and dialogs.
  void Install();
  void Uninstall();
  bool Installed() const { return hook_ != nullptr; }
  // The run-time providers of the forms the hook took care of.
  TacFormProviders& FormProviders() { return forms_; }

 private:
  struct HookRemover {
    void operator()(HHOOK hook) const noexcept { UnhookWindowsHookEx(hook); }
  };
  static LRESULT CALLBACK HookProcedure(int code, WPARAM wParam, LPARAM lParam);
  void CreatingWindow(HWND window, const CREATESTRUCTW& cs);
  void CreatingPopupMenu(HWND window);
  void CreatingDialog(HWND window, const TacCreatedClass& created, const CREATESTRUCTW& cs);
  void ActivatingWindow(HWND window);
  void CreatingForm(const CREATESTRUCTW& cs, const TacCreatedClass& created);
  // SkinWindow for a form of the program: a run-time provider unless it has one.
  void SkinForm(marv::Form& form);

  TsSkinManager& manager_;
  IacPopupWindowAdopter* popups_;
  IacDialogAdopter* dialogs_ = nullptr;
  std::unique_ptr<std::remove_pointer_t<HHOOK>, HookRemover> hook_;
  TacFormProviders forms_;
};
