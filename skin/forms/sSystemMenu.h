#pragma once
// TsSystemMenu: the skinned form's system menu as a menu of the framework, so that the
// popup-menu skinning draws it like every other menu. Its items carry the captions of
// the window's native system menu; choosing one sends the matching system command.
#include <windows.h>

#include <array>
#include <string>

#include "framework/PopupMenu.h"
#include "skin/forms/logic/acSystemMenuRules.h"

namespace marv {
class Form;
}

class TsSystemMenu {
 public:
  explicit TsSystemMenu(marv::Form& form);

  // Makes the items ("acIR", "acIM", "acIS", "acIN", "acIX", "acIC") with the native
  // menu's captions, or the fallback texts where it has none.
  void Generate();
  // Shows and enables them by the rules.
  void UpdateItems(const TacSystemMenuRules& rules);
  // Pops the menu up with its top-left at the screen point.
  void Popup(int x, int y);
  // WM_COMMAND of one of its items: the system command is sent. False for other commands.
  bool HandleCommand(UINT command);

  marv::PopupMenu& Menu() { return menu_; }
  marv::MenuItem* ItemRestore() const { return items_[0]; }
  marv::MenuItem* ItemMove() const { return items_[1]; }
  marv::MenuItem* ItemSize() const { return items_[2]; }
  marv::MenuItem* ItemMinimize() const { return items_[3]; }
  marv::MenuItem* ItemMaximize() const { return items_[4]; }
  marv::MenuItem* ItemClose() const { return items_[5]; }

 private:
  marv::Form& form_;
  marv::PopupMenu& menu_;  // one of the form's menus, so that the form measures and draws it
  std::array<marv::MenuItem*, 6> items_{};
};
