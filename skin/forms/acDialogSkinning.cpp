#include "skin/forms/acDialogSkinning.h"

#include <algorithm>
#include <string>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/base/acSkinCommands.h"
#include "skin/controls/acControlSkinOwner.h"
#include "skin/data/acSkinEngine.h"
#include "skin/data/sSkinManager.h"
#include "skin/forms/logic/acDialogRules.h"

namespace {

std::wstring ClassNameOf(HWND window) {
  wchar_t name[64] = L"";
  GetClassNameW(window, name, 64);
  return name;
}

// File dialogs hold a toolbar somewhere below them.
bool ContainsToolbar(HWND window) {
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (_wcsicmp(ClassNameOf(child).c_str(), L"ToolbarWindow32") == 0 || ContainsToolbar(child)) return true;
  }
  return false;
}

const marv::Form* ApplicationFormOf(HWND window) {
  if (const marv::Application* app = marv::Application::Current())
    for (const auto& form : app->Forms())
      if (form->Handle() == window) return form.get();
  return nullptr;
}

}  // namespace

TacDialogSkinning::~TacDialogSkinning() { ReleaseDialogs(); }

bool TacDialogSkinning::HasProvider(HWND window) const {
  return std::any_of(providers_.begin(), providers_.end(), [&](const auto& p) { return p->CtrlHandle() == window; });
}

int TacDialogSkinning::VisibleSkinnedDialogs() const {
  return static_cast<int>(std::count_if(providers_.begin(), providers_.end(), [](const auto& p) {
    return p->ListSW() && !p->ListSW()->Destroyed() && IsWindowVisible(p->CtrlHandle());
  }));
}

bool TacDialogSkinning::SkinWindow(HWND window, bool created) {
  TacWindowFacts facts;
  facts.HasDefaultManager = manager_.IsDefault() && manager_.IsActive();
  // A window being made cannot be asked yet: its binding tells.
  facts.AlreadySkinned = SkinDataOfWindow(window) != nullptr ||
                         (!created && SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(SC_ISSKINNED), 0) == 1);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  facts.Popup = (style & WS_POPUP) != 0;
  facts.Border = (style & WS_BORDER) != 0;
  facts.HasProvider = HasProvider(window);
  if (const marv::Form* form = ApplicationFormOf(window)) {
    facts.IsApplicationForm = true;
    facts.FormTag = form->Tag();
  }
  facts.ClassName = ClassNameOf(window);
  facts.HasParent = (style & WS_CHILD) != 0;
  facts.ContainsToolbar = ContainsToolbar(window);
  facts.VisibleSkinnedDialogs = VisibleSkinnedDialogs();
  facts.SkinStdForms = manager_.SkinningRules().Has(srStdForms);
  // Off while the engine shows a box that must keep the system's look.
  facts.SkinStdDialogs = TacSkinEngine::Current().DialogSkinning();
  switch (DecideWindow(facts)) {
    case TacWindowDecision::TakenCare:
      return true;
    case TacWindowDecision::SetupDialog: {
      auto provider = std::make_unique<TacProvider>(manager_, brush_);
      if (!provider->SetupDialog(window)) return false;  // freed here: the dialog keeps its look
      const TacProvider* key = provider.get();
      provider->SetOnDialogGone([this, key] { Forget(key); });
      providers_.push_back(std::move(provider));
      return true;
    }
    default:
      return false;  // forms are framed by the form skinning, not here
  }
}

void TacDialogSkinning::Forget(const TacProvider* provider) {
  const auto it = std::find_if(providers_.begin(), providers_.end(), [&](const auto& p) { return p.get() == provider; });
  if (it == providers_.end()) return;
  std::unique_ptr<TacProvider> gone = std::move(*it);
  providers_.erase(it);
}

void TacDialogSkinning::ReleaseDialogs() {
  std::vector<std::unique_ptr<TacProvider>> all = std::move(providers_);
  providers_.clear();
  all.clear();
}
