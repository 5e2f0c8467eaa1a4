#include "skin/forms/acFormProviders.h"

#include <algorithm>

#include "skin/forms/acGlowForm.h"

bool TacFormProviders::SetupForm(marv::Form& form, const ISystemLook& look) {
  if ((form.Tag() & kSkinExclusionTag) == kSkinExclusionTag) return true;
  if (Find(form) || (form.Handle() && TsSkinProvider::Of(form.Handle()))) return true;
  providers_.push_back(TsSkinProvider::CreateRT(form));
  TsSkinProvider& provider = *providers_.back();
  provider.SetSystemLook(&look);
  provider.OnWindowGone = [this](TsSkinProvider& gone) { Forget(gone); };
  const HWND window = form.Handle();
  if (!window) return true;  // initialised by the window's first non-client message
  if (look.CompositionEnabled()) provider.InitializeNow();
  if (IsWindowVisible(window))
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  return true;
}

TsSkinProvider* TacFormProviders::Find(const marv::Form& form) const {
  for (const auto& p : providers_)
    if (&p->Form() == &form) return p.get();
  return nullptr;
}

void TacFormProviders::Forget(const TsSkinProvider& provider) {
  const auto it = std::find_if(providers_.begin(), providers_.end(), [&](const auto& p) { return p.get() == &provider; });
  if (it == providers_.end()) return;
  // Freed after the erase, so the list is consistent while the provider goes.
  std::unique_ptr<TsSkinProvider> gone = std::move(*it);
  providers_.erase(it);
}
