#pragma once
// A popup menu of a form, shown at a screen point. Popup returns as soon as the menu
// closes; the chosen item's OnClick runs later, when its command arrives through the
// form's message queue, so the code that opened the menu has finished by then.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/MenuItem.h"

namespace marv {

class Form;

class PopupMenu {
 public:
  PopupMenu(Form& owner, std::wstring name) : owner_(owner), name_(std::move(name)) {}

  const std::wstring& Name() const { return name_; }
  MenuItem& Add(std::wstring name, std::wstring caption);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  MenuItem* FindItem(UINT command) const;

  // Shows the menu with its top-left corner at the screen point (x, y).
  void Popup(int x, int y);

  // Shows `menu` at `at` for `owner` and returns the chosen command, 0 for none.
  using Tracker = std::function<UINT(HMENU menu, POINT at, HWND owner)>;
  // Replaces how the menu is shown (tests choose items this way); empty: the system menu.
  void SetTracker(Tracker tracker) { tracker_ = std::move(tracker); }

 private:
  Form& owner_;
  std::wstring name_;
  std::vector<std::unique_ptr<MenuItem>> items_;
  Tracker tracker_;
};

}  // namespace marv
