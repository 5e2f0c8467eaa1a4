#include "skin/forms/acEngineHooks.h"

#include <memory>

#include "skin/data/sSkinManager.h"

TacEngineHooks::TacEngineHooks(marv::Application& app, TsSkinManager& manager, IacPopupWindowAdopter* popups,
                               IacDeferredMenuBorders* borders)
    : windowHook_(manager, popups), appWindowHook_(app, manager, borders) {}

void AttachWindowSkinning(TsSkinManager& manager, marv::Application& app) {
  manager.SetAppHooks(std::make_unique<TacEngineHooks>(app, manager, nullptr, nullptr));
}
