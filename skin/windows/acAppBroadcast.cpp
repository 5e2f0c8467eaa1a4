#include "skin/windows/acAppBroadcast.h"

#include "framework/Application.h"
#include "skin/base/acSkinCommands.h"
#include "skin/windows/acSkinnedWindows.h"

namespace {

// Where a control's skin binding and a plain window's skinning adapter are kept.
constexpr wchar_t kBindingProperty[] = L"ACSDATA";
constexpr wchar_t kAdapterProperty[] = L"ACSBSC";

LRESULT Send(HWND window, uint16_t command, intptr_t lParam) {
  return SendMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(command), lParam);
}

void WalkControls(const marv::WinControl& parent, uint16_t command, intptr_t lParam) {
  for (const auto& child : parent.Controls()) {
    if (!child->IsWindowed()) {
      child->Perform(WM_SKINCOMMAND, SkinCommandWParam(command), lParam);
      continue;
    }
    auto& windowed = static_cast<marv::WinControl&>(*child);
    const HWND window = windowed.Handle();
    if (!window) {
      windowed.Perform(WM_SKINCOMMAND, SkinCommandWParam(command), lParam);
      continue;
    }
    Send(window, command, lParam);
    const auto& exclude = SkinnedWindows().ExcludeFromBroadcast;
    if (!IsSkinnedWindow(window) && !(exclude && exclude(window))) WalkControls(windowed, command, lParam);
  }
}

}  // namespace

bool IsSkinnedWindow(HWND window) {
  return GetPropW(window, kBindingProperty) || GetPropW(window, kAdapterProperty) ||
         Send(window, SC_ISSKINNED, 0) == 1;
}

void BroadcastToForm(marv::Form& form, uint16_t command, intptr_t lParam) {
  Send(form.Handle(), command, lParam);
  WalkControls(form, command, lParam);
}

void BroadcastSkinCommand(uint16_t command, intptr_t lParam, TacBroadcastScope scope,
                          const std::function<void(marv::Form&)>& reached) {
  const auto deliver = [&](marv::Form& form) {
    if (reached) reached(form);
    BroadcastToForm(form, command, lParam);
  };
  if (scope == TacBroadcastScope::All) {
    if (const marv::Application* app = marv::Application::Current()) {
      const auto& forms = app->Forms();
      for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        marv::Form& form = **it;
        if (form.Handle() && !IsSkinnedWindow(form.Handle())) deliver(form);  // no window: going
      }
    }
  }
  TacSkinnedWindows& lists = SkinnedWindows();
  for (marv::Form* form : std::vector<marv::Form*>(lists.ProviderForms))
    if (form->Handle()) deliver(*form);
  for (HWND dialog : std::vector<HWND>(lists.SkinnedDialogs))
    if (IsWindowVisible(dialog)) Send(dialog, command, lParam);
}
