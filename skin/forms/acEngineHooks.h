#pragma once
// The skinned windows' part of the skin manager: the hooks the default manager installs
// (the thread's window-creation hook while a skin is applied, the hook in front of the
// main form for as long as the manager lives) and the objects they hand windows to.
// AttachWindowSkinning gives them to a manager, which owns them from then on.
#include "skin/data/acEngineParts.h"
#include "skin/forms/acAppWindowHook.h"
#include "skin/forms/acWindowHook.h"

class TsSkinableMenus;

class TacEngineHooks final : public IacAppHooks {
 public:
  // `menus` may be null: menus are then left to the system.
  TacEngineHooks(marv::Application& app, TsSkinManager& manager, TsSkinableMenus* menus);

  // IacAppHooks: the manager's InstallHook (a skin was applied) and UnInstallHook.
  void Install() override;
  void Uninstall() override;

  TacWindowHook& WindowHook() { return windowHook_; }

 private:
  TsSkinableMenus* menus_;
  TacWindowHook windowHook_;
  TacAppWindowHook appWindowHook_;
};

// Gives the manager the skinning of windows beyond controls: the hooks above and the
// popup menu skinning. Call before the manager loads its first skin.
void AttachWindowSkinning(TsSkinManager& manager, marv::Application& app);
