#pragma once
// TacProvider: the skinning of one system dialog: its dialog adapter (ListSW) and the
// adapters of its children (acSkinnedCtrls), all owned here and given back with it.
#include <windows.h>

#include <memory>
#include <vector>

#include "skin/forms/acDialogWnd.h"

class TacDialogBrush;
class TsSkinManager;

class TacProvider {
 public:
  TacProvider(TsSkinManager& manager, TacDialogBrush& brush) : manager_(manager), brush_(brush) {}
  TacProvider(const TacProvider&) = delete;
  TacProvider& operator=(const TacProvider&) = delete;

  // Puts the dialog adapter on the dialog and hooks the children it has; false when the
  // dialog cannot be skinned (nothing of it stays skinned then).
  bool SetupDialog(HWND dialog);
  // Every child window below parent, depth first, its own children before it; false as
  // soon as one cannot be handled.
  bool SkinChildren(HWND parent);
  // The adapter for one child, as its class and style say; true also for children left
  // to the system on purpose and for those skinned already.
  bool SkinChild(HWND child);

  HWND CtrlHandle() const { return dialog_; }
  TacDialogWnd* ListSW() const { return listSW_.get(); }
  const std::vector<std::unique_ptr<TacMainWnd>>& SkinnedCtrls() const { return acSkinnedCtrls_; }
  // Runs when the dialog window is gone (the provider may be freed from it).
  void SetOnDialogGone(std::function<void()> gone) { onDialogGone_ = std::move(gone); }

 private:
  TsSkinManager& manager_;
  TacDialogBrush& brush_;
  HWND dialog_ = nullptr;
  std::unique_ptr<TacDialogWnd> listSW_;
  std::vector<std::unique_ptr<TacMainWnd>> acSkinnedCtrls_;
  std::function<void()> onDialogGone_;
};
