#include "skin/forms/acEngineHooks.h"

#include <memory>

#include "skin/data/sSkinManager.h"

TacEngineHooks::TacEngineHooks(marv::Application& app, TsSkinManager& manager, IacPopupWindowAdopter* popups,
                               IacDeferredMenuBorders* borders)
    : dialogs_(manager), windowHook_(manager, popups), appWindowHook_(app, manager, borders) {
  windowHook_.SetDialogAdopter(&dialogs_);
}

void AttachWindowSkinning(TsSkinManager& manager, marv::Application& app) {
  manager.SetAppHooks(std::make_unique<TacEngineHooks>(app, manager, nullptr, nullptr));
}
