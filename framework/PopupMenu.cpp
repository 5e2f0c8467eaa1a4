#include "framework/PopupMenu.h"

#include <algorithm>
#include <utility>

#include "framework/Form.h"

namespace marv {

namespace {

struct MenuDestroyer {
  void operator()(HMENU menu) const noexcept { DestroyMenu(menu); }
};
using UniqueMenu = std::unique_ptr<std::remove_pointer_t<HMENU>, MenuDestroyer>;

UINT TrackWithSystemMenu(HMENU menu, POINT at, HWND owner, UINT flags) {
  // The owner must be in front, or the menu does not close when the user clicks elsewhere.
  SetForegroundWindow(owner);
  return static_cast<UINT>(TrackPopupMenu(menu, flags, at.x, at.y, 0, owner, nullptr));
}

void AppendItem(HMENU menu, const MenuItem& item, bool ownerDraw) {
  std::wstring text = item.Caption();
  if (!item.ShortCut.empty()) text += L"\t" + item.ShortCut;
  MENUITEMINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_STRING;
  info.fType = ownerDraw ? MFT_OWNERDRAW : (item.Caption() == L"-" ? MFT_SEPARATOR : MFT_STRING);
  if (item.RadioItem) info.fType |= MFT_RADIOCHECK;
  if (item.Break == MenuBreak::Break) info.fType |= MFT_MENUBREAK;
  if (item.Break == MenuBreak::BarBreak) info.fType |= MFT_MENUBARBREAK;
  info.fState = (item.Checked ? MFS_CHECKED : 0) | (item.Enabled ? 0 : MFS_DISABLED) | (item.Default ? MFS_DEFAULT : 0);
  info.wID = item.Command();
  info.dwTypeData = text.data();
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
}

}  // namespace

void MenuItem::Measure(HDC dc, int& width, int& height) {
  if (OnMeasureItem) {
    OnMeasureItem(*this, dc, width, height);
    return;
  }
  // Plain owner-drawn items: the caption in the DC's font, a check column either side.
  std::wstring text = Caption();
  if (!ShortCut.empty()) text += L"\t" + ShortCut;
  RECT r{0, 0, 800, 0};
  DrawTextW(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  const int check = GetSystemMetrics(SM_CXMENUCHECK);
  width = r.right + 2 * check;
  height = Caption() == L"-" ? 2 : std::max<int>(r.bottom, check) + 4;
}

void MenuItem::Draw(HDC dc, const RECT& r, UINT state) {
  if (OnAdvancedDrawItem) {
    OnAdvancedDrawItem(*this, dc, r, state);
    return;
  }
  const bool selected = (state & ODS_SELECTED) != 0;
  FillRect(dc, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (Caption() == L"-") return;
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!Enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text = r;
  text.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
  std::wstring caption = Caption();
  if (!ShortCut.empty()) caption += L"\t" + ShortCut;
  DrawTextW(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS);
}

MenuItem& PopupMenu::Add(std::wstring name, std::wstring caption) {
  items_.push_back(std::make_unique<MenuItem>(*this, std::move(name), std::move(caption), owner_.AllocateCommand()));
  return *items_.back();
}

MenuItem* PopupMenu::FindItem(UINT command) const {
  for (const auto& item : items_) {
    if (item->Command() == command) return item.get();
  }
  return nullptr;
}

UINT PopupMenu::TrackFlags() const {
  UINT flags = TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD;
  if (!SystemAnimation) flags |= TPM_NOANIMATION;
  return flags;
}

void PopupMenu::Popup(int x, int y) {
  const HWND owner = owner_.Handle();
  if (!owner) return;
  UniqueMenu menu(CreatePopupMenu());
  if (!menu) return;
  for (const auto& item : items_)
    if (item->Visible) AppendItem(menu.get(), *item, OwnerDraw);
  const POINT at{x, y};
  shown_ = menu.get();
  const UINT command = tracker_ ? tracker_(menu.get(), at, owner) : TrackWithSystemMenu(menu.get(), at, owner, TrackFlags());
  shown_ = nullptr;
  if (OnClosed) OnClosed(*this);
  if (command) PostMessageW(owner, WM_COMMAND, MAKEWPARAM(command, 0), 0);
}

}  // namespace marv
