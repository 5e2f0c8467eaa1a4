#include "skin/forms/acEngineHooks.h"

#include <memory>

#include "skin/data/sSkinManager.h"
#include "skin/forms/sSkinMenus.h"

TacEngineHooks::TacEngineHooks(marv::Application& app, TsSkinManager& manager, TsSkinableMenus* menus)
    : menus_(menus), windowHook_(manager, menus), appWindowHook_(app, manager, menus) {}

void TacEngineHooks::Install() {
  windowHook_.Install();
  if (menus_) menus_->InitItems(true);
}

void TacEngineHooks::Uninstall() {
  windowHook_.Uninstall();
  if (menus_) menus_->InitItems(false);
}

void AttachWindowSkinning(TsSkinManager& manager, marv::Application& app) {
  auto menus = std::make_unique<TsSkinableMenus>(manager);
  TsSkinableMenus* shown = menus.get();
  // The manager frees its hooks before its menu skinning, so the hooks never see it gone.
  manager.SetMenuSkinning(std::move(menus));
  manager.SetAppHooks(std::make_unique<TacEngineHooks>(app, manager, shown));
}
