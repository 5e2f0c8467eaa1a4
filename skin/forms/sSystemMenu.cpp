#include "skin/forms/sSystemMenu.h"

#include "framework/Form.h"
#include "skin/forms/logic/acCaptionClicks.h"

namespace {

struct ItemSpec {
  const wchar_t* name;
  int command;
  const wchar_t* fallback;
};
constexpr std::array<ItemSpec, 6> kItems{{
    {L"acIR", kScRestore, L"Restore"},
    {L"acIM", kScMove, L"Move"},
    {L"acIS", kScSize, L"Size"},
    {L"acIN", kScMinimize, L"Minimize"},
    {L"acIX", kScMaximize, L"Maximize"},
    {L"acIC", kScClose, L"Close"},
}};

std::wstring NativeCaption(HWND window, int command, const wchar_t* fallback) {
  HMENU native = window ? GetSystemMenu(window, FALSE) : nullptr;
  wchar_t text[128] = {};
  if (native && GetMenuStringW(native, static_cast<UINT>(command), text, 128, MF_BYCOMMAND) > 0) return text;
  return fallback;
}

// The name tells the menu skinning to draw the window-button symbols by command.
constexpr std::wstring_view kMenuName = L"acSysMenu";

marv::PopupMenu& FormSystemMenu(marv::Form& form) {
  for (const auto& menu : form.PopupMenus())
    if (menu->Name() == kMenuName) return *menu;  // a provider before this one made it
  return form.AddPopupMenu(std::wstring(kMenuName));
}

}  // namespace

TsSystemMenu::TsSystemMenu(marv::Form& form) : form_(form), menu_(FormSystemMenu(form)) {}

void TsSystemMenu::Generate() {
  if (items_[0]) return;
  for (const auto& item : menu_.Items())  // the items a provider before this one made
    for (size_t i = 0; i < kItems.size(); ++i)
      if (item->Name() == kItems[i].name) items_[i] = item.get();
  if (items_[0]) return;
  for (size_t i = 0; i < kItems.size(); ++i) {
    if (kItems[i].command == kScClose) menu_.Add(L"acISep", L"-");
    items_[i] = &menu_.Add(kItems[i].name, NativeCaption(form_.Handle(), kItems[i].command, kItems[i].fallback));
    items_[i]->SystemCommand = static_cast<UINT>(kItems[i].command);
  }
}

void TsSystemMenu::UpdateItems(const TacSystemMenuRules& r) {
  Generate();
  const std::array<std::pair<bool, bool>, 6> shown{{{r.VisibleRestore, r.EnabledRestore},
                                                    {r.VisibleMove, r.EnabledMove},
                                                    {r.VisibleSize, r.EnabledSize},
                                                    {r.VisibleMin, r.EnabledMin},
                                                    {r.VisibleMax, r.EnabledMax},
                                                    {r.VisibleClose, r.EnabledClose}}};
  for (size_t i = 0; i < items_.size(); ++i) {
    items_[i]->Visible = shown[i].first;
    items_[i]->Enabled = shown[i].second;
  }
}

void TsSystemMenu::Popup(int x, int y) {
  Generate();
  menu_.Popup(x, y);
}


bool TsSystemMenu::HandleCommand(UINT command) {
  const marv::MenuItem* item = menu_.FindItem(command);
  if (!item) return false;
  const UINT sys = item->SystemCommand;
  if (sys && item->Enabled && form_.Handle()) PostMessageW(form_.Handle(), WM_SYSCOMMAND, static_cast<WPARAM>(sys), 0);
  return true;
}
