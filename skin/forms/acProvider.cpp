#include "skin/forms/acProvider.h"

#include <string>

#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/acBtnWnd.h"
#include "skin/forms/acIconWnd.h"
#include "skin/forms/acStaticWnd.h"
#include "skin/forms/logic/acDialogRules.h"

namespace {

TacChildFacts FactsOf(HWND child) {
  TacChildFacts facts;
  wchar_t name[64] = L"";
  GetClassNameW(child, name, 64);
  facts.ClassName = name;
  facts.Style = static_cast<unsigned>(GetWindowLongW(child, GWL_STYLE));
  facts.ExStyle = static_cast<unsigned>(GetWindowLongW(child, GWL_EXSTYLE));
  facts.Visible = IsWindowVisible(child) != FALSE;
  RECT r{};
  GetWindowRect(child, &r);
  facts.Height = r.bottom - r.top;
  return facts;
}

}  // namespace

bool TacProvider::SetupDialog(HWND dialog) {
  dialog_ = dialog;
  if (!manager_.IsActive()) return false;
  if (!listSW_) {
    listSW_ = std::make_unique<TacDialogWnd>(dialog, manager_, *this, brush_);
    if (!listSW_->Hook()) {
      listSW_.reset();
      return false;
    }
    listSW_->SetOnFinished([this] {
      // A copy: the provider, with its own copy, may be freed by the call.
      if (const std::function<void()> gone = onDialogGone_) gone();
    });
  }
  if (!SkinChildren(dialog)) return false;
  listSW_->Setup();
  return true;
}

bool TacProvider::SkinChildren(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!SkinChildren(child)) return false;
    if ((GetWindowLongW(child, GWL_STYLE) & WS_CHILD) && !SkinChild(child)) return false;
  }
  return true;
}

bool TacProvider::SkinChild(HWND child) {
  if (SkinDataOfWindow(child)) return true;  // skinned already
  const TacChildChoice choice = ChooseChildAdapter(FactsOf(child));
  std::unique_ptr<TacMainWnd> adapter;
  switch (choice.Adapter) {
    case TacChildAdapter::Static:
      adapter = std::make_unique<TacStaticWnd>(child, manager_, choice.Section);
      break;
    case TacChildAdapter::Icon:
      adapter = std::make_unique<TacIconWnd>(child, manager_);
      break;
    case TacChildAdapter::Button:
      adapter = std::make_unique<TacBtnWnd>(child, manager_, choice.Section);
      break;
    default:
      // No adapter here for this kind yet (edits, check boxes, lists and the others message
      // boxes never hold): it keeps the system's look.
      return true;
  }
  if (!adapter->Hook()) return false;
  acSkinnedCtrls_.push_back(std::move(adapter));
  return true;
}
