#pragma once
// The dialog skinning of the thread's window-creation hook: decides what a new or
// activated top-level window is (SkinWindow) and gives system dialogs ("#32770",
// "NativeHWNDHost") a TacProvider each. It keeps the providers while their dialogs live,
// frees one as soon as its dialog is gone, and all of them when the hook goes.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/forms/acDialogBrush.h"
#include "skin/forms/acProvider.h"
#include "skin/forms/acWindowHook.h"

class TsSkinManager;

class TacDialogSkinning final : public IacDialogAdopter {
 public:
  explicit TacDialogSkinning(TsSkinManager& manager) : manager_(manager) {}
  ~TacDialogSkinning() override;
  TacDialogSkinning(const TacDialogSkinning&) = delete;
  TacDialogSkinning& operator=(const TacDialogSkinning&) = delete;

  // IacDialogAdopter. created: the window is being made (its messages must wait).
  bool SkinWindow(HWND window, bool created) override;
  void ReleaseDialogs() override;

  int VisibleSkinnedDialogs() const;
  const std::vector<std::unique_ptr<TacProvider>>& Providers() const { return providers_; }

 private:
  bool HasProvider(HWND window) const;
  void Forget(const TacProvider* provider);

  TsSkinManager& manager_;
  TacDialogBrush brush_;
  std::vector<std::unique_ptr<TacProvider>> providers_;
};
