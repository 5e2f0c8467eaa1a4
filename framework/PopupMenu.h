#pragma once
// A popup menu of a form, shown at a screen point. Popup returns as soon as the menu
// closes; the chosen item's OnClick runs later, when its command arrives through the
// form's message queue, so the code that opened the menu has finished by then. An
// owner-drawn menu has its items measured and drawn by their handlers.
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/MenuItem.h"
#include "pixels/PixelBuffer.h"

namespace marv {

class Form;

// Pictures of one size that menu items name by index.
struct ImageList {
  int Width = 16;
  int Height = 16;
  std::vector<PixelImage> Images;
};

class PopupMenu {
 public:
  PopupMenu(Form& owner, std::wstring name) : owner_(owner), name_(std::move(name)) {}

  Form& Owner() const { return owner_; }
  const std::wstring& Name() const { return name_; }
  MenuItem& Add(std::wstring name, std::wstring caption);
  const std::vector<std::unique_ptr<MenuItem>>& Items() const { return items_; }
  MenuItem* FindItem(UINT command) const;

  bool OwnerDraw = false;
  // Whether the system may animate the menu's opening.
  bool SystemAnimation = true;
  std::shared_ptr<const ImageList> Images;
  // Runs when the menu has closed, before a chosen command arrives.
  std::function<void(PopupMenu& menu)> OnClosed;

  // Shows the menu with its top-left corner at the screen point (x, y).
  void Popup(int x, int y);
  // The menu while it is shown; null otherwise.
  HMENU Handle() const { return shown_; }

  // Shows `menu` at `at` for `owner` and returns the chosen command, 0 for none.
  using Tracker = std::function<UINT(HMENU menu, POINT at, HWND owner)>;
  // Replaces how the menu is shown (tests choose items this way); empty: the system menu.
  void SetTracker(Tracker tracker) { tracker_ = std::move(tracker); }

 private:
  UINT TrackFlags() const;

  Form& owner_;
  std::wstring name_;
  std::vector<std::unique_ptr<MenuItem>> items_;
  Tracker tracker_;
  HMENU shown_ = nullptr;
};

}  // namespace marv
