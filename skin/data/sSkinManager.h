#pragma once
// TsSkinManager: the component that chooses the active skin and loads it, keeps one skin
// data object per pixel density in use, tells every form and control about skin changes
// (WM_SKINCOMMAND broadcasts), answers the lookups painting needs, and holds the global
// options of the skinning system. The first manager made is the engine's default one.
// Painting and controls see it as IacSkinManagerView.
//
// A skin is loaded as a whole or not at all: a load that fails leaves the previous skin
// (or none) in place, and only a complete skin is ever broadcast.
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acEngineParts.h"
#include "skin/data/acManagerHost.h"
#include "skin/data/acManagerOptions.h"
#include "skin/data/acOpenSkin.h"
#include "skin/data/acScaleMode.h"
#include "skin/data/acShowState.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinEngine.h"
#include "skin/data/acSkinManagerView.h"
#include "skin/data/acTimerSource.h"
#include "skin/data/sStoredSkin.h"

inline constexpr std::string_view kSkinEngineVersion = "14.31";
inline constexpr std::string_view kVersionMessage = "Skin engine v14.31";
inline constexpr std::string_view kNoSkinInfo = "N/A";
inline constexpr std::string_view kVersionWarning =
    "This version of the skin has not complete support by used skin engine release.\r\n"
    "Components must be updated to latest version for using this skin.";
std::string InternalFormatErrorText(std::string_view skinName);

enum TacManagerStateValue : uint8_t {
  msFontChanging, msScaleChanging, msSkinRemoving, msSkinChanging, msBroadCasting, msAnimScaling, msFormScaling,
  msRTLFlipped,
};
enum TacSkinningRule : uint8_t { srStdForms, srStdDialogs, srThirdParty };
enum TacSkinsFilterValue : uint8_t { sfiInternal, sfiExternal };

// What the manager knows of the active skin besides its tables.
struct TacSkinCommonInfo {
  bool Active = false;  // a skin with at least one section is loaded
  bool UseAeroBluring = false;
  double Version = 0;
  bool VersionIsNumber = true;
  std::string VersionText = "0";  // as SkinInfo shows it
  std::string Author;
  std::string SkinPath;  // folder of a skin folder, with a trailing separator; empty for packages
  std::string MainFont;
  std::string Description;
  TColor FXColor = 0;
  TColor Shadow1Color = 0;
  TColor SysInactiveBorderColor = 0;
  int ArrowStyle = 0;
  int BIVAlign = 0;
  int BIKeepHUE = 0;
  int BrightMin = -50;
  int BrightMax = 50;
  int IndexGlobalInfo = -1;
  TacSectionTable Sections{};
};

// Handlers that Parts of the menu skinning fill in.
struct TacMenuExtraLineData {
  const void* FirstItem = nullptr;
  std::string SkinSection = "EXTRALINE";
  std::string Caption;
  bool HaveExtraLine = true;
  const PixelImage* Glyph = nullptr;
};
struct TacPopupItemData {
  const void* Item = nullptr;
  int State = 0;
  TacFontSpec Font;
  TColor FontColor = 0;
};

class TsSkinManager final : public IacSkinSource,
                            public IacSkinManagerView,
                            private IacOptionsOwner,
                            private StoredSkinsOwner {
 public:
  using NotifyEvent = std::function<void(TsSkinManager& Sender)>;

  explicit TsSkinManager(IacManagerHost& host);
  ~TsSkinManager() override;
  TsSkinManager(const TsSkinManager&) = delete;
  TsSkinManager& operator=(const TsSkinManager&) = delete;

  // The engine's default manager (the first one made), or null.
  static TsSkinManager* DefaultManager();

  // Settings read from stored data are applied between BeginLoad and Loaded: the skin
  // is loaded while SkinName is set, and Loaded broadcasts it.
  void BeginLoad();
  void Loaded();
  bool Loading() const { return loading_; }

  // Published properties.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  const std::string& SkinName() const { return FSkinName; }
  void SetSkinName(std::string Value);
  const std::string& SkinDirectory() const { return FSkinDirectory; }
  void SetSkinDirectory(std::string Value);
  TsStoredSkins& InternalSkins() { return FBuiltInSkins; }
  const TsStoredSkins& InternalSkins() const { return FBuiltInSkins; }
  void SetInternalSkins(const TsStoredSkins& Value) { FBuiltInSkins.Assign(Value); }
  bool ExtendedBorders() const { return FExtendedBorders; }
  void SetExtendedBorders(bool Value);
  bool SkinnedPopups() const { return FSkinnedPopups; }
  void SetSkinnedPopups(bool Value);
  bool IsDefault() const { return engine_.DefaultManager() == this; }
  void SetIsDefault(bool Value);
  int Brightness() const { return FBrightness; }
  void SetBrightness(int Value);
  int HueOffset() const { return FHueOffset; }
  void SetHueOffset(int Value);
  int Saturation() const { return FSaturation; }
  void SetSaturation(int Value);
  TacSet<TacSkinningRule> SkinningRules() const { return FSkinningRules; }
  void SetSkinningRules(TacSet<TacSkinningRule> Value);
  TacSet<TacSkinsFilterValue> SkinsFilter() const { return FSkinsFilter; }
  void SetSkinsFilter(TacSet<TacSkinsFilterValue> Value);
  const std::vector<std::string>& CommonSections() const { return FCommonSections; }
  void SetCommonSections(const std::vector<std::string>& Lines);
  TacSkinEffects& Effects() { return FEffects; }
  const TacSkinEffects& Effects() const override { return FEffects; }
  TacAnimEffects& AnimEffects() { return FAnimEffects; }
  const TacAnimEffects& AnimEffects() const override { return FAnimEffects; }
  TacButtonsSupport& ButtonsOptions() { return FButtonsSupport; }
  const TacButtonsSupport& ButtonsOptions() const override { return FButtonsSupport; }
  TacLabelsSupport& LabelsOptions() { return FLabelsSupport; }
  TacScrollBarsSupport& ScrollsOptions() { return FScrollsOptions; }
  TacMenuSupport& MenuSupport() { return FMenuSupport; }
  TacOptions& Options() { return FOptions; }
  const TacOptions& Options() const override { return FOptions; }
  TacFonts& Fonts() { return FFonts; }
  const TsThirdPartyList& ThirdParty() const { return FThirdParty; }
  void SetThirdParty(TacThirdPartyKind Kind, std::string Text) { FThirdParty[Kind] = std::move(Text); }
  // The mirrored lists, one class name per entry (case-sensitive).
  const std::vector<std::string>& ThirdLists(TacThirdPartyKind Kind) const { return FThirdLists[Kind]; }
  std::string SkinInfo() const;
  std::string_view Version() const { return kSkinEngineVersion; }

  // Events.
  NotifyEvent OnActivate, OnDeactivate, OnSkinLoading, OnBeforeChange, OnAfterChange, OnSkinListChanged;
  std::function<void(TsSkinManager& Sender, const std::string& NewName, bool& AllowChanging)> OnSkinChanging;
  std::function<void(TsSkinManager& Sender, const std::string& OldName, const std::string& NewName)> OnFontChanged;
  std::function<void(TsSkinManager& Sender, TScaleChangeData& Data)> OnScaleModeChange;
  std::function<void(TacOptions& Sender)> OnScaleChanged;
  std::function<void(TsSkinManager& Sender, uintptr_t Dialog, bool& Allow)> OnSysDlgInit;
  std::function<void(TsSkinManager& Sender, TacMenuExtraLineData& Data)> OnGetMenuExtraLineData;
  std::function<void(TsSkinManager& Sender, TacPopupItemData& Data)> OnGetPopupItemData;

  // Public, not published.
  int GroupIndex = 0;
  IacMenuSkinning* SkinableMenus() const { return FSkinableMenus.get(); }
  uintptr_t ActiveControl() const { return FActiveControl; }
  void SetActiveControl(uintptr_t Value);
  void* ActiveGraphControl() const override { return FActiveGraphControl; }
  // The one timer that the fades of this manager's controls tick on.
  TacTimerSource& FadeTimers() override { return fadeTimers_; }
  void SetActiveGraphControl(void* Value) override;

  // Parts built on the manager register here (the manager owns what it is given).
  void SetMenuSkinning(std::unique_ptr<IacMenuSkinning> menus) { FSkinableMenus = std::move(menus); }
  void SetSkinListController(std::unique_ptr<IacSkinListController> list) { SkinListController = std::move(list); }
  void SetAppHooks(std::unique_ptr<IacAppHooks> hooks) { AppHooks = std::move(hooks); }
  void SetSysColorRedirect(std::unique_ptr<IacSysColorRedirect> redirect) { SysColors = std::move(redirect); }
  void SetWindowEffects(IacWindowEffects* effects) { WindowEffects = effects; }
  IacSkinListController* SkinList() const { return SkinListController.get(); }

  // The skin list's names, sorted into sl (with each one's preview index when asked for);
  // the answer is the first name in the list's own order (internal skins first). The
  // external names are the package files; a manager that shares the default manager's
  // folder takes them from its list.
  std::string GetSkinNames(std::vector<TacSkinNameItem>& sl, bool CreateDataObject = false,
                           TacSkinTypes SkinType = stAllSkins);
  std::string GetExternalSkinNames(std::vector<TacSkinNameItem>& sl, bool CreateDataObject = false);
  // A skin of the list picked at random; empty without any.
  std::string GetRandomSkin();

  // Lookups. SkinData null means the 96-PPI data; names compare exactly; first match wins.
  int GetSkinIndex(std::string_view SkinSection) override { return GetSkinIndex(SkinSection, nullptr); }
  int GetSkinIndex(std::string_view SkinSection, const TacSkinData* SkinData);
  int GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view mask,
                   const TacSkinData* SkinData = nullptr);
  int GetMaskIndex(std::string_view SkinSection, std::string_view mask, const TacSkinData* SkinData = nullptr);
  int GetMaskIndex(int SkinIndex, std::string_view mask, const TacSkinData* SkinData = nullptr);
  int GetTextureIndex(int aSkinIndex, std::string_view SkinSection, std::string_view PropName,
                      const TacSkinData* SkinData = nullptr);
  int GetTextureIndex(int aSkinIndex, std::string_view PropName, const TacSkinData* SkinData = nullptr);
  bool IsValidSkinIndex(int SkinIndex) const { return SkinIndex >= 0 && SkinIndex < LengthOfGD(); }
  int LengthOfGD() const override;
  bool IsValidImgIndex(int ImageIndex);
  std::vector<TsGeneralData>& gd() { return CommonSkinData(96).gd; }
  std::vector<TsMaskData>& ma() { return CommonSkinData(96).ma; }
  std::array<TacOutEffData, 2>& oe() { return CommonSkinData(96).oe; }
  void GetSkinSections(std::vector<std::string>& sl, const TacSkinData* SkinData = nullptr);
  // A complete element record for any density, read from the open options file; answers
  // aMulPPI, or -1. The image in md (when one was made) belongs to the caller.
  int GetScaledMaskData(std::string_view aSectionName, std::string_view aPropName, int aMulPPI, TsMaskData& md,
                        std::unique_ptr<PixelImage>& image);
  // The data object for a pixel density (loaded when first asked for).
  TacSkinData& CommonSkinData(int aPPI = 96) override;
  // Changes whenever the data CommonSkinData handed out may have been replaced or freed:
  // a skin loaded, reloaded, restored or removed, a change of the scale mode.
  uint64_t SkinDataGeneration() const override { return skinDataGeneration_; }
  const TacSectionTable& StandardSections() const override { return SkinCommonInfo.Sections; }

  // Colours.
  TColor GetGlobalColor() const override { return Palette_[pcMainColor]; }
  TColor GetGlobalFontColor() const override { return Palette_[pcLabelText]; }
  TColor GetActiveEditColor() const { return Palette_[pcEditBG]; }
  TColor GetActiveEditFontColor() const { return Palette_[pcEditText]; }
  TColor GetHighLightColor(bool Focused) const { return Palette_[Focused ? pcSelectionBG_Focused : pcSelectionBG]; }
  TColor GetHighLightFontColor(bool Focused) const {
    return Palette_[Focused ? pcSelectionText_Focused : pcSelectionText];
  }
  const TacPalette& PaletteColors() const { return Palette_; }

  // Scaling.
  int GetScale() const;
  int ScaleInt(int Value, int SysScale) const;
  void UpdateScale(IacScalableControl& Ctrl, int iCurrentPPI, int iNewDPI);
  void UpdateAllScale();
  // Pixels per inch a control is drawn at when the mode decides it; nullopt when the
  // control's own density counts (smVCL, or no active skin when OnlyActive).
  std::optional<int> ModePPI(bool OnlyActive) const;
  int SysFontScale() const { return SysFontScale_; }

  // Change notification and repainting.
  void UpdateSkin(bool Repaint = true);
  void RepaintForms(bool DoLockForms = true);
  void UpdateSkinSection(const std::string& SectionName);
  void BeginUpdate() { NoAutoUpdate = true; }
  void EndUpdate(bool Repaint = false, bool AllowAnimation = true);

  // Fonts.
  void ChangeAppFont(const std::string& FontName, bool DoLockForms);
  // The font name a control should get, or nullopt to leave it alone.
  std::optional<std::string> UpdateFontName(const TacFontTarget& Ctrl);
  void StoreDefFont();

  // Loading.
  bool IsActive() const override { return SkinCommonInfo.Active; }
  std::string GetFullSkinDirectory() const;
  // Writes internal skins out as package files; errors go to the host's error boxes.
  void ExtractInternalSkin(std::string_view NameOfSkin, std::string_view DestDir);
  bool ExtractByIndex(int Index, std::string_view DestDir);
  void ResetSkinData();
  void InstallHook();
  void UnInstallHook();
  // While set, the skin being opened reads this options text instead of its own file
  // (a skin editor's preview, see ApplySkinPreview).
  void SetPreviewOptionsText(std::optional<std::string> text) { previewOptions_ = std::move(text); }
  void FlipImages(bool RTL);

  // IacSkinSource: what each density's data reads while it is built.
  const TacOptionsFile* OptionsFile() const override;
  std::optional<std::span<const uint8_t>> FindEntry(std::string_view upperName) const override;
  PixelImage* MasterBitmap() override { return MasterBitmap_ ? &*MasterBitmap_ : nullptr; }
  const ISystemLook& SystemLook() const override { return host_.SystemLook(); }
  TacPalette& Palette() override { return Palette_; }
  const TacSkinSettings& Settings() const override { return settings_; }
  TColor SkinColorToRGB(TColor color) const override;
  void ReloadSkin(TacSkinData& data) override;

  // IacSkinManagerView: the skin-changing state, and whether a command names this manager.
  bool SkinChanging() const override { return ManagerState.Has(msSkinChanging); }
  bool SkinApplying() const override { return engine_.SkinApplying(); }
  bool NamedBy(intptr_t commandParam) const override { return commandParam == reinterpret_cast<intptr_t>(this); }

  TacSet<TacManagerStateValue> ManagerState;
  TacSkinCommonInfo SkinCommonInfo;
  TacShowState ShowState;
  bool NoAutoUpdate = false;
  bool SkinIsPacked = false;
  bool GlobalHookInstalled = false;
  std::string DefStoredFontName, DefOldFontName, DefNewFontName;
  // One brush per palette entry 0-5, made when a skin's palette is filled.
  std::array<std::unique_ptr<TacHeldResource>, 6> Brushes;

 private:
  struct SavedSkin;
  enum class OpenResult { Opened, NoSkin, Failed };

  // IacOptionsOwner
  void OptionChanged(TacOptionChange change) override;
  void ChangeScaleMode(TacScaleMode mode) override;
  void ChangePixelsPerInch(int ppi) override;
  // StoredSkinsOwner
  void StoredSkinAdded() override;
  void StoredSkinUpdated() override;

  void ApplyListDefaults();
  void UpdateSettings();
  void UpdateDialogSkinning();
  void NotifySkinChanged();

  // Selecting and loading a skin.
  bool LoadSelectedSkin(const std::string& oldName);
  SavedSkin TakeSkin();
  void RestoreSkin(SavedSkin saved);
  OpenResult InitSkinFile();
  OpenResult OpenPackage(std::span<const uint8_t> bytes);
  OpenResult OpenPackageFile(const std::string& path);
  void ShowPendingMessages();
  void LoadFonts();
  void LoadCommonInfo();
  void CheckVersion();
  void LoadCurrentScale();
  void ReloadActiveSkin();
  void MakeBrushes();
  void FlipTitleImages(TacSkinData& data);
  void BuildWithFreshMaster(TacSkinData& data, TColor& shadow1);
  void ClearSkinData();
  void SkinDataReplaced() { skinDataGeneration_ = engine_.NewGeneration(); }
  bool HasSections() const;
  TacSkinData* FirstData() const;

  // Broadcasting.
  void BroadcastNewSkin(bool Repaint);
  void BroadcastRemoveSkin();
  void AppBroadcast(uint16_t command);
  void CheckHot();

  // Scaling.
  int PercentOfMode() const;
  void RunScaleChange(TacScaleMode newMode, std::optional<int> givenPPI);
  void ApplyScaleChange(const TScaleChangeData& change);

  IacManagerHost& host_;
  TacSkinEngine& engine_ = TacSkinEngine::Current();  // the engine in use when the manager was made
  uint64_t skinDataGeneration_ = engine_.NewGeneration();
  TacTimerSource fadeTimers_{
      [this](int milliseconds, std::function<void()> tick) { return host_.StartTimer(milliseconds, std::move(tick)); }};
  bool loading_ = false;
  bool activatedWhileLoading_ = false;

  bool FActive = true;
  bool FSkinnedPopups = true;
  bool FExtendedBorders = false;
  std::vector<std::string> FCommonSections;
  TacOptions FOptions{*this};
  uintptr_t FActiveControl = 0;
  std::string FSkinName;
  TacSkinEffects FEffects{*this};
  std::string FSkinDirectory;
  TsStoredSkins FBuiltInSkins{this};
  TacMenuSupport FMenuSupport;
  TacAnimEffects FAnimEffects;
  TacSet<TacSkinsFilterValue> FSkinsFilter{sfiInternal, sfiExternal};
  TsThirdPartyList FThirdParty;
  TacSet<TacSkinningRule> FSkinningRules{srStdForms, srStdDialogs, srThirdParty};
  TacLabelsSupport FLabelsSupport;
  TacButtonsSupport FButtonsSupport{*this};
  TacScrollBarsSupport FScrollsOptions;
  std::unique_ptr<IacMenuSkinning> FSkinableMenus;
  TacFonts FFonts{*this};
  int FBrightness = 0, FHueOffset = 0, FSaturation = 0;
  void* FActiveGraphControl = nullptr;
  std::unique_ptr<TacHeldResource> TimerCheckHot;
  std::unique_ptr<TacOpenSkin> SkinFile;  // the open skin: options and files
  std::optional<TacOptionsFile> CommonSectionsFile;
  int SysFontScale_ = 0;
  std::array<std::vector<std::string>, tpKindCount> FThirdLists;
  std::vector<std::unique_ptr<TacHeldResource>> EmbeddedFonts;
  std::unique_ptr<IacSkinListController> SkinListController;
  std::unique_ptr<IacAppHooks> AppHooks;
  std::unique_ptr<IacSysColorRedirect> SysColors;
  IacWindowEffects* WindowEffects = nullptr;
  std::optional<PixelImage> MasterBitmap_;
  TacPalette Palette_{};
  std::vector<std::unique_ptr<TacSkinData>> SkinDataArray;
  TacSkinSettings settings_;
  struct FlippedPicture {
    const void* Picture;  // an element's own picture; null for the master bitmap
    TRect R;
    bool operator==(const FlippedPicture&) const = default;
  };
  std::vector<FlippedPicture> flippedPictures_;  // mirrored while msRTLFlipped holds
  RecordingErrorSink pendingErrors_;  // shown when a skin change is over
  bool versionWarningDue_ = false;
  std::optional<std::string> previewOptions_;
};

// Pixels per inch to draw a control at: the mode's when it decides, else `controlPPI`
// (asked only then). Manager null means the default manager.
int GetControlPPI(const TsSkinManager* Manager, bool OnlyActive, const std::function<int()>& controlPPI);

// A colour value as RGB, system colours through the skin (Manager null: the default one).
TColor SkinColorToRGB(TColor Color, const TsSkinManager* Manager);
