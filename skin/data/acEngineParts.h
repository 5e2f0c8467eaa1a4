#pragma once
// Parts of the skinning engine that the skin manager drives but that are built on top of
// it: menu skinning, the skin list, the application hooks and the window effects (glow
// windows, character image lists). Each part registers itself with the manager; until
// one has, the manager has nothing to tell it.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "pixels/PixelBuffer.h"

class IacMenuSkinning {
 public:
  virtual ~IacMenuSkinning() = default;
  virtual void ForgetSkinData() = 0;
  virtual void ResetBorderWidth() = 0;
  virtual void UpdateAllMenus() = 0;
  virtual void ApplyCustomFont() = 0;
};

// Where a listed skin comes from.
enum TacSkinMode : uint8_t { smInternal, smExtPacked, smExtUnpacked };

// One skin of the skin list: its name and the index of its preview (-1: none).
struct TacSkinListData {
  TacSkinMode skSkinMode = smInternal;
  int skImageIndex = -1;
  std::string skName;
  bool operator==(const TacSkinListData&) const = default;
};

// Which skins a name list takes: the package files, the internal skins, or all.
enum TacSkinTypes : uint8_t { stUnpacked, stPacked, stAllSkins };
// What a skin-selection control draws beside a name.
struct TacItemDrawData {
  int ImageIndex = -1;
  bool operator==(const TacItemDrawData&) const = default;
};
struct TacSkinNameItem {
  std::string Name;
  std::optional<TacItemDrawData> Data;  // only when the caller asked for it
};

class IacSkinListController {
 public:
  virtual ~IacSkinListController() = default;
  virtual void Clear() = 0;  // empties the list and marks it for an update
  virtual void NotifyControls(uint16_t command) = 0;  // SC_SKINCHANGED, SC_SKINLISTCHANGED
  virtual void StartBackgroundScan() = 0;
  // Finishes any filling at once, so that Entries and Previews are complete. With
  // `refreshCopy` a list that mirrors the default manager's copies it again.
  virtual void CompleteNow(bool refreshCopy) = 0;
  virtual const std::vector<TacSkinListData>& Entries() const = 0;
  virtual const std::vector<PixelImage>& Previews() const = 0;  // 140 x 100 each
};

class IacAppHooks {
 public:
  virtual ~IacAppHooks() = default;
  virtual void Install() = 0;
  virtual void Uninstall() = 0;
};

// Redirection of the process's system colour functions to the default manager's skin.
class IacSysColorRedirect {
 public:
  virtual ~IacSysColorRedirect() = default;
  virtual void SetRedirected(bool on) = 0;  // idempotent
  virtual bool Redirected() const = 0;
};

class IacWindowEffects {
 public:
  virtual ~IacWindowEffects() = default;
  virtual void RemoveAllGlows() = 0;
  virtual void ClearCharImageCaches() = 0;
  virtual void RebuildCharImageLists(int ppi) = 0;
};
