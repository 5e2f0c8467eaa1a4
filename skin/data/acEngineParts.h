#pragma once
// Parts of the skinning engine that the skin manager drives but that are built on top of
// it: menu skinning, the skin list, the application hooks and the window effects (glow
// windows, character image lists). Each part registers itself with the manager; until
// one has, the manager has nothing to tell it.
#include <cstdint>

class IacMenuSkinning {
 public:
  virtual ~IacMenuSkinning() = default;
  virtual void ForgetSkinData() = 0;
  virtual void ResetBorderWidth() = 0;
  virtual void UpdateAllMenus() = 0;
  virtual void ApplyCustomFont() = 0;
};

class IacSkinListController {
 public:
  virtual ~IacSkinListController() = default;
  virtual void Clear() = 0;  // empties the list and marks it for an update
  virtual void NotifyControls(uint16_t command) = 0;  // SC_SKINCHANGED, SC_SKINLISTCHANGED
  virtual void StartBackgroundScan() = 0;
};

class IacAppHooks {
 public:
  virtual ~IacAppHooks() = default;
  virtual void Install() = 0;
  virtual void Uninstall() = 0;
};

class IacWindowEffects {
 public:
  virtual ~IacWindowEffects() = default;
  virtual void RemoveAllGlows() = 0;
  virtual void ClearCharImageCaches() = 0;
  virtual void RebuildCharImageLists(int ppi) = 0;
};
