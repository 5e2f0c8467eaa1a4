// The skin manager's life, its settings and how their changes reach the screen.
#include "skin/data/sSkinManager.h"

#include <algorithm>
#include <utility>

#include "skin/data/acSkinSelection.h"
#include "skin/data/acSysColorMap.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManagerState.h"
#include "skin/base/acSkinCommands.h"

namespace {

constexpr int kInactiveBorderColorIndex = 11;
constexpr int kHotCheckMilliseconds = 100;

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) end = text.size();
    lines.emplace_back(text.substr(start, end - start));
    start = end;
    if (start < text.size() && text[start] == '\r') ++start;
    if (start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

}  // namespace

std::string InternalFormatErrorText(std::string_view skinName) {
  return "Internal format error in the \"" + std::string(skinName) +
         "\" skin. Please, update this skin to latest version.";
}

TsSkinManager* TsSkinManager::DefaultManager() { return TacSkinEngine::Current().DefaultManager(); }

TsSkinManager::TsSkinManager(IacManagerHost& host) : host_(host) {
  engine_.Start(host);
  SkinCommonInfo.Sections.fill(-1);
  SkinCommonInfo.SysInactiveBorderColor = host.SystemLook().SysColor(kInactiveBorderColorIndex);
  SysFontScale_ = ScaleSlotOfPPI(host.SystemPPI());
  TimerCheckHot = host.StartTimer(kHotCheckMilliseconds, [this] { CheckHot(); });
  if (engine_.DefaultManager() == nullptr) engine_.SetDefaultManager(this);
  ApplyListDefaults();
  if (FSkinDirectory.empty()) FSkinDirectory = kDefaultSkinDirectory;
  UpdateSettings();
}

TsSkinManager::~TsSkinManager() {
  if (FActive && OnDeactivate) OnDeactivate(*this);
  ClearSkinData();
  if (IsDefault()) {
    UnInstallHook();
    engine_.SetDefaultManager(nullptr);
  }
}

void TsSkinManager::BeginLoad() { loading_ = true; }

void TsSkinManager::Loaded() {
  loading_ = false;
  ApplyListDefaults();
  if (FSkinDirectory.empty()) FSkinDirectory = kDefaultSkinDirectory;
  if (FMenuSupport.IcoLineSkin.empty()) FMenuSupport.IcoLineSkin = "ICOLINE";
  if (FActive && !FSkinName.empty()) BroadcastNewSkin(false);
  UpdateDialogSkinning();
  if (std::exchange(activatedWhileLoading_, false) && OnActivate) OnActivate(*this);
  if (SkinListController) {
    SkinListController->Clear();
    SkinListController->StartBackgroundScan();
  }
  if (FOptions.scaleMode_ == smVCL) FOptions.pixelsPerInch_ = static_cast<uint16_t>(host_.SystemPPI());
  UpdateSettings();
}

// Empty ThirdParty lists take their defaults; the mirrored lists follow the texts.
void TsSkinManager::ApplyListDefaults() {
  for (int k = 0; k < tpKindCount; ++k) {
    const auto kind = static_cast<TacThirdPartyKind>(k);
    if (FThirdParty[kind].empty()) FThirdParty[kind] = DefaultThirdPartyText(kind);
    FThirdLists[kind] = SplitLines(FThirdParty[kind]);
  }
}

// What the skin data objects read of the settings while they load.
void TsSkinManager::UpdateSettings() {
  const bool custom = FOptions.ScaleMode() == smCustomPPI;
  settings_.ScaleSlot = FOptions.ScaleMode() == smOldMode || custom ? 0 : GetScale();
  settings_.CustomPPI = custom ? FOptions.PixelsPerInch() : 0;
  settings_.Brightness = FBrightness;
  settings_.HueOffset = FHueOffset;
  settings_.Saturation = FSaturation;
  settings_.Active = FActive;
  settings_.ExtendedBorders = FExtendedBorders;
  settings_.CommonSections = CommonSectionsFile ? &*CommonSectionsFile : nullptr;
}

void TsSkinManager::UpdateDialogSkinning() {
  if (IsDefault()) engine_.SetDialogSkinning(FSkinningRules.Has(srStdDialogs) && FActive);
}

void TsSkinManager::NotifySkinChanged() {
  if (SkinListController) SkinListController->NotifyControls(SC_SKINCHANGED);
}

void TsSkinManager::SetActive(bool Value) {
  if (Value != FActive) {
    FActive = Value;
    UpdateSettings();
    if (Value) {
      SetSkinName(FSkinName);
    } else if (!FSkinName.empty()) {
      if (IsDefault()) engine_.SetProgramScaleMode(smVCL);
      if (!loading_) BroadcastRemoveSkin();
      ResetSkinData();
      UpdateDialogSkinning();
      if (OnDeactivate) OnDeactivate(*this);
    }
  }
  NotifySkinChanged();
}

void TsSkinManager::SetSkinDirectory(std::string Value) {
  if (SameTextAscii(Value, FSkinDirectory)) return;
  FSkinDirectory = std::move(Value);
  SkinCommonInfo.SkinPath = GetFullSkinDirectory();
  if (SkinListController) {
    SkinListController->Clear();
    SkinListController->NotifyControls(SC_SKINLISTCHANGED);
    if (!loading_) SkinListController->StartBackgroundScan();
  }
  if (OnSkinListChanged) OnSkinListChanged(*this);
}

std::string TsSkinManager::GetFullSkinDirectory() const {
  return FullSkinDirectory(FSkinDirectory, host_.ProgramFolder(), host_.PathStyle());
}

void TsSkinManager::ExtractInternalSkin(std::string_view NameOfSkin, std::string_view DestDir) {
  ::ExtractInternalSkin(FBuiltInSkins, NameOfSkin, DestDir, host_.Errors());
}

bool TsSkinManager::ExtractByIndex(int Index, std::string_view DestDir) {
  return ::ExtractByIndex(FBuiltInSkins, Index, DestDir, host_.Errors());
}

void TsSkinManager::SetExtendedBorders(bool Value) {
  if (Value == FExtendedBorders) return;
  FExtendedBorders = Value;
  UpdateSettings();
  if (!IsActive()) return;
  {
    TacStateScope changing(ManagerState, msSkinChanging);
    for (const auto& data : SkinDataArray)
      if (data) data->CheckShadows();
  }
  if (!loading_) RepaintForms(true);
}

void TsSkinManager::SetSkinnedPopups(bool Value) {
  if (Value == FSkinnedPopups) return;
  FSkinnedPopups = Value;
  if (Value && IsDefault() && FSkinableMenus) FSkinableMenus->UpdateAllMenus();
}

void TsSkinManager::SetIsDefault(bool Value) {
  if (!Value && engine_.DefaultManager() != nullptr) return;
  engine_.SetDefaultManager(this);
  if (Value) engine_.SetProgramScaleMode(FOptions.ScaleMode());
  if (FActive) BroadcastNewSkin(true);
  else BroadcastRemoveSkin();
}

void TsSkinManager::SetBrightness(int Value) {
  Value = std::clamp(Value, -100, 100);
  if (Value == FBrightness) return;
  FBrightness = Value;
  ReloadActiveSkin();
}

void TsSkinManager::SetHueOffset(int Value) {
  if (Value == FHueOffset) return;
  FHueOffset = Value;
  ReloadActiveSkin();
}

void TsSkinManager::SetSaturation(int Value) {
  if (Value == FSaturation) return;
  FSaturation = Value;
  ReloadActiveSkin();
}

void TsSkinManager::SetSkinningRules(TacSet<TacSkinningRule> Value) {
  FSkinningRules = Value;
  UpdateDialogSkinning();
}

void TsSkinManager::SetSkinsFilter(TacSet<TacSkinsFilterValue> Value) {
  if (Value == FSkinsFilter) return;
  FSkinsFilter = Value;
  if (SkinListController) {
    SkinListController->Clear();
    SkinListController->NotifyControls(SC_SKINLISTCHANGED);
  }
  if (OnSkinListChanged) OnSkinListChanged(*this);
}

void TsSkinManager::SetCommonSections(const std::vector<std::string>& Lines) {
  FCommonSections.clear();
  std::string text;
  for (std::string line : Lines) {
    if (!line.empty() && line[0] != ';') std::erase(line, ' ');
    text += line + "\n";
    FCommonSections.push_back(std::move(line));
  }
  if (FCommonSections.empty()) CommonSectionsFile.reset();
  else CommonSectionsFile.emplace(text);
  UpdateSettings();
  SetSkinName(FSkinName);
}

std::string TsSkinManager::SkinInfo() const {
  if (!IsActive()) return std::string(kNoSkinInfo);
  return SkinCommonInfo.VersionText;
}

void TsSkinManager::OptionChanged(TacOptionChange change) {
  switch (change) {
    case TacOptionChange::OuterEffects:
      if (!loading_ && !NoAutoUpdate) RepaintForms(false);
      break;
    case TacOptionChange::OldGlyphs:
      if (!loading_) RepaintForms(true);
      break;
    case TacOptionChange::ArrowsStyle:
      UpdateSkin(true);
      break;
    case TacOptionChange::GroupBoxStyle:
      RepaintForms(true);
      break;
    case TacOptionChange::DrawNonClientArea:
      host_.AppBroadcast(SC_SETDRAWNONCLIENT, FOptions.DrawNonClientArea() ? 1 : 0,
                         TacBroadcastScope::ProviderFormsAndDialogs);
      break;
    case TacOptionChange::FontMode:
      if (loading_) break;
      switch (FFonts.MainMode()) {
        case fmDefault:
          if (!DefStoredFontName.empty()) ChangeAppFont(DefStoredFontName, true);
          break;
        case fmFromSkin:
          ChangeAppFont(SkinCommonInfo.MainFont.empty() ? DefStoredFontName : SkinCommonInfo.MainFont, true);
          break;
        case fmCustom:
          ChangeAppFont(FFonts.MainFont(), true);
          break;
      }
      break;
    case TacOptionChange::ChangeSysColors:
      if (SysColors && IsDefault() && !loading_ && IsActive() && GlobalHookInstalled)
        SysColors->SetRedirected(FOptions.ChangeSysColors());
      break;
    case TacOptionChange::MainFont:
      if (!loading_ && FFonts.MainMode() == fmCustom) ChangeAppFont(FFonts.MainFont(), true);
      break;
  }
}

void TsSkinManager::StoredSkinAdded() {
  if (SkinListController) SkinListController->Clear();
}

void TsSkinManager::StoredSkinUpdated() {
  if (OnSkinListChanged) OnSkinListChanged(*this);
}

void TsSkinManager::InstallHook() {
  if (GlobalHookInstalled) return;
  if (AppHooks) AppHooks->Install();
  if (SysColors && FOptions.ChangeSysColors()) SysColors->SetRedirected(true);
  GlobalHookInstalled = true;
}

void TsSkinManager::UnInstallHook() {
  if (!GlobalHookInstalled) return;
  if (AppHooks) AppHooks->Uninstall();
  if (SysColors) SysColors->SetRedirected(false);
  GlobalHookInstalled = false;
}

// The control under the mouse.

void TsSkinManager::SetActiveControl(uintptr_t Value) {
  if (Value == FActiveControl) return;
  if (FActiveControl != 0 && host_.IsWindowVisible(FActiveControl) && host_.CursorInWindow(FActiveControl) &&
      host_.IsSelfOrAncestor(Value, FActiveControl))
    return;
  const intptr_t self = reinterpret_cast<intptr_t>(this);
  if (FActiveGraphControl != nullptr) {
    SetActiveGraphControl(nullptr);
    if (FActiveGraphControl != nullptr) {  // it still has the mouse
      if (FActiveControl != 0) host_.SendSkinCommand(FActiveControl, SC_MOUSELEAVE, self);
      return;
    }
  }
  if (FActiveControl != 0) host_.SendSkinCommand(FActiveControl, SC_MOUSELEAVE, self);
  FActiveControl = Value;
  if (Value != 0) host_.SendSkinCommand(Value, SC_MOUSEENTER, self);
}

void TsSkinManager::SetActiveGraphControl(void* Value) {
  if (host_.OwnerBeingDestroyed() || Value == FActiveGraphControl) return;
  if (Value == nullptr && FActiveGraphControl != nullptr && host_.GraphicControlHasMouse(FActiveGraphControl)) return;
  void* previous = std::exchange(FActiveGraphControl, Value);
  if (previous != nullptr) host_.PerformSkinCommand(previous, SC_MOUSELEAVE, reinterpret_cast<intptr_t>(this));
}

void TsSkinManager::CheckHot() {
  if (FActiveControl == 0) return;
  if (!host_.CursorInWindow(FActiveControl)) SetActiveControl(0);
  void* hot = FActiveGraphControl;
  if (hot != nullptr && !host_.ControlBeingDestroyed(hot) && !host_.GraphicControlHasMouse(hot))
    host_.PerformSkinCommand(hot, SC_MOUSELEAVE, reinterpret_cast<intptr_t>(hot));
}

// Fonts.

void TsSkinManager::ChangeAppFont(const std::string& FontName, bool DoLockForms) {
  if (FontName == DefOldFontName) return;
  TacStateScope changing(ManagerState, msFontChanging);
  auto lock = DoLockForms ? host_.LockForms() : nullptr;
  DefNewFontName = FontName;
  if (FSkinableMenus) FSkinableMenus->ApplyCustomFont();
  StoreDefFont();
  AppBroadcast(SC_FONTCHANGED);
  if (OnFontChanged) OnFontChanged(*this, DefOldFontName, FontName);
  DefOldFontName = FontName;
}

std::optional<std::string> TsSkinManager::UpdateFontName(const TacFontTarget& Ctrl) {
  const std::string& wanted = IsActive() ? DefNewFontName : DefStoredFontName;
  if (Ctrl.UsesParentFont) return std::nullopt;
  if (Ctrl.FontName != DefOldFontName && Ctrl.FontName != DefStoredFontName) return std::nullopt;  // the programmer's
  if (Ctrl.Windowed ? Ctrl.HasWindow : Ctrl.HasParent) return wanted;
  return std::nullopt;
}

void TsSkinManager::StoreDefFont() {
  if (!DefStoredFontName.empty()) return;
  DefStoredFontName = host_.DefaultFontName();
  DefOldFontName = DefStoredFontName;
}

TColor SkinColorToRGB(TColor Color, const TsSkinManager* Manager) {
  if (Manager == nullptr) Manager = TsSkinManager::DefaultManager();
  if (Manager != nullptr) return Manager->SkinColorToRGB(Color);
  // No manager, no system to ask: the colours of a default Windows 10 desktop.
  static const TacFixedSystemLook look;
  return MapSkinColor(Color, nullptr, look);
}
