#pragma once
// The run-time providers of the forms that have none of their own: made by the window
// hook as a form's window is created or activated, freed when the form's window goes or
// when the hook goes.
#include <memory>
#include <vector>

#include "skin/forms/sSkinProvider.h"

class TacFormProviders {
 public:
  TacFormProviders() = default;
  ~TacFormProviders() { Clear(); }
  TacFormProviders(const TacFormProviders&) = delete;
  TacFormProviders& operator=(const TacFormProviders&) = delete;

  // SetupForm: a run-time provider for the form unless it has one; true when the form is
  // taken care of (also when it is excluded from skinning by its Tag).
  // `look`: the system look the provider asks (desktop composition); it must outlive it.
  bool SetupForm(marv::Form& form, const ISystemLook& look);
  TsSkinProvider* Find(const marv::Form& form) const;
  void Clear() { providers_.clear(); }
  size_t Count() const { return providers_.size(); }

 private:
  void Forget(const TsSkinProvider& provider);

  std::vector<std::unique_ptr<TsSkinProvider>> providers_;
};
