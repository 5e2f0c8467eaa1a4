#include "framework/PopupMenu.h"

#include "framework/Form.h"

namespace marv {

namespace {

struct MenuDestroyer {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

UINT TrackWithSystemMenu(HMENU menu, POINT at, HWND owner) {
  // The owner must be in front, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  return static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                          at.x, at.y, 0, owner, nullptr));
}

}  // namespace

MenuItem& PopupMenu::Add(std::wstring name, std::wstring caption) {
  items_.push_back(std::make_unique<MenuItem>(std::move(name), std::move(caption), owner_.AllocateCommand()));
  return *items_.back();
}

MenuItem* PopupMenu::FindItem(UINT command) const {
  for (const auto& item : items_) {
    if (item->Command() == command) return item.get();
  }
  return nullptr;
}

void PopupMenu::Popup(int x, int y) {
  const HWND owner = owner_.Handle();
  if (!owner) return;
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  for (const auto& item : items_) {
    if (!item->Visible()) continue;
    if (item->IsSeparator()) AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
    else AppendMenuW(menu.get(), MF_STRING | (item->Enabled() ? 0 : MF_GRAYED), item->Command(), item->Caption().c_str());
  }
  const POINT at{x, y};
  const UINT command = tracker_ ? tracker_(menu.get(), at, owner) : TrackWithSystemMenu(menu.get(), at, owner);
  if (command) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace marv
