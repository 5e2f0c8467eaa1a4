// Telling forms and controls about the skin: loaded, removed, refreshed, changed.
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerState.h"
#include "skin/base/acSkinCommands.h"

void TsSkinManager::AppBroadcast(uint16_t command) { host_.AppBroadcast(command, reinterpret_cast<intptr_t>(this)); }

void TsSkinManager::BroadcastNewSkin(bool Repaint) {
  if (loading_) return;  // Loaded sends the first broadcast
  TacStateScope broadcasting(ManagerState, msBroadCasting);
  if (IsDefault() && WindowEffects) WindowEffects->RemoveAllGlows();
  auto lock = Repaint ? host_.LockForms() : nullptr;
  if (FSkinableMenus) FSkinableMenus->ResetBorderWidth();
  SkinCommonInfo.Active = false;
  {
    TacEngineSwitchScope applying(engine_, TacEngineSwitchScope::Switch::SkinApplying, true);
    if (WindowEffects) WindowEffects->ClearCharImageCaches();
    AppBroadcast(SC_SKINLOADED);
  }
  SkinCommonInfo.Active = HasSections();
  if (IsDefault()) InstallHook();
  if (FFonts.MainMode() == fmFromSkin)
    ChangeAppFont(SkinCommonInfo.MainFont.empty() ? DefStoredFontName : SkinCommonInfo.MainFont, false);
  if (Repaint) RepaintForms(false);
}

void TsSkinManager::BroadcastRemoveSkin() {
  TacStateScope removing(ManagerState, msSkinRemoving);
  if (FFonts.MainMode() == fmFromSkin) ChangeAppFont(DefStoredFontName, false);
  if (WindowEffects) WindowEffects->RemoveAllGlows();
  UnInstallHook();
  ResetSkinData();
  AppBroadcast(SC_SKINREMOVED);
  MasterBitmap_.reset();
}

void TsSkinManager::RepaintForms(bool DoLockForms) {
  AppBroadcast(SC_STOPFADE);
  {
    auto lock = DoLockForms && !loading_ ? host_.LockForms() : nullptr;
    AppBroadcast(SC_SKINREFRESH);
  }
  host_.RedrawSkinnedDialogs();
}

void TsSkinManager::UpdateSkin(bool Repaint) {
  if (FActive) BroadcastNewSkin(Repaint);
}

// lParam of SC_SECTIONCHANGED points to the upper-cased name, a NUL-terminated UTF-8 string.
void TsSkinManager::UpdateSkinSection(const std::string& SectionName) {
  const std::string upper = AsciiUpper(SectionName);
  host_.AppBroadcast(SC_SECTIONCHANGED, reinterpret_cast<intptr_t>(upper.c_str()));
}

// Skin changes are not animated: locked forms redraw once when unlocked, so there is no
// animation for AllowAnimation to suppress.
void TsSkinManager::EndUpdate(bool Repaint, bool /*AllowAnimation*/) {
  NoAutoUpdate = false;
  UpdateSkin(Repaint);
  if (OnAfterChange) OnAfterChange(*this);
}
