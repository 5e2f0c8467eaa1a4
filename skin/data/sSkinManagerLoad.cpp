// Loading the open skin: its fonts and global information once per skin, and one skin
// data object per pixel density, the 96-PPI one first and the others when first asked for.
#include <algorithm>
#include <charconv>

#include "skin/data/acSkinLoadError.h"
#include "skin/data/acSysColorMap.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/acPreviewHost.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerState.h"

namespace {

constexpr std::string_view kGlobal = "GLOBALINFO";
constexpr int kMaxSkinFonts = 64;  // more "FontCount" than any skin needs is not looped over
constexpr double kNewestSupportedSkin = 14.99;

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// Locale-independent; nullopt when the text is not a number.
std::optional<double> ParseVersion(std::string_view text) {
  text = Trimmed(text);
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::string FormatVersion(double version) {
  char text[32];
  const auto [end, ec] = std::to_chars(text, text + sizeof text, version);
  return ec == std::errc() ? std::string(text, end) : std::string("0");
}

}  // namespace

const TacOptionsFile* TsSkinManager::OptionsFile() const { return SkinFile ? &SkinFile->Options() : nullptr; }

std::optional<std::span<const uint8_t>> TsSkinManager::FindEntry(std::string_view upperName) const {
  return SkinFile ? SkinFile->FindEntry(upperName) : std::nullopt;
}

TColor TsSkinManager::SkinColorToRGB(TColor color) const {
  if (!IsActive() && !ManagerState.Has(msSkinChanging)) return MapSkinColor(color, nullptr, SystemLook());
  const TacSkinData* data = FirstData();
  const auto section = [&](TacSection s) -> const TsGeneralData* {
    const int index = data ? data->Sections[s] : -1;
    return index >= 0 && index < static_cast<int>(data->gd.size()) ? &data->gd[index] : nullptr;
  };
  const TacSkinColors skin{Palette_, section(ssFormTitle), section(ssHint)};
  return MapSkinColor(color, &skin, SystemLook());
}

// The fonts a skin carries are registered for this process while the skin is open.
void TsSkinManager::LoadFonts() {
  EmbeddedFonts.clear();
  const TacOptionsFile& ini = SkinFile->Options();
  const int count = std::clamp(ini.ReadInteger(kGlobal, "FontCount", 0), 0, kMaxSkinFonts);
  const auto fontKey = [](std::string_view key, int i) { return std::string(key) + std::to_string(i); };
  const auto keep = [&](std::span<const uint8_t> bytes, const std::string& name) {
    if (auto font = host_.RegisterFont(bytes, name)) EmbeddedFonts.push_back(std::move(font));
  };
  if (SkinIsPacked) {
    for (const TacFileItem* entry : SkinFile->FontEntries()) {
      std::string name;
      for (int i = 0; i < count && name.empty(); ++i)
        if (ini.ReadString(kGlobal, fontKey("FontFile", i), "") == entry->Name)
          name = ini.ReadString(kGlobal, fontKey("FontName", i), "");
      keep(entry->Stream, name);
    }
    return;
  }
  for (int i = 0; i < count; ++i) {
    const std::string file = ini.ReadString(kGlobal, fontKey("FontFile", i), "");
    if (const auto bytes = IsAbsentValue(file) ? std::nullopt : SkinFile->FindEntry(AsciiUpper(file)))
      keep(*bytes, ini.ReadString(kGlobal, fontKey("FontName", i), ""));
  }
}

// What the manager keeps of GLOBALINFO, read once per opened skin.
void TsSkinManager::LoadCommonInfo() {
  const TacOptionsFile& ini = SkinFile->Options();
  TacSkinCommonInfo& info = SkinCommonInfo;
  info.Author = ini.ReadString(kGlobal, "AUTHOR", "");
  info.Description = ini.ReadString(kGlobal, "DESCRIPTION", "");
  info.MainFont = ini.ReadString(kGlobal, "MainFont", "");
  info.UseAeroBluring = ini.ReadInteger(kGlobal, "AEROBLUR", 0) != 0;
  info.BrightMin = ini.ReadInteger(kGlobal, "BRIGHTMIN", -50);
  info.BrightMax = ini.ReadInteger(kGlobal, "BRIGHTMAX", 50);
  info.BIVAlign = ini.ReadInteger(kGlobal, "BIVALIGN", 0);
  info.BIKeepHUE = ini.ReadInteger(kGlobal, "BIKEEPHUE", 0);
  info.Shadow1Color = static_cast<TColor>(ini.ReadInteger(kGlobal, "SHADOW1COLOR", 0));
  info.ArrowStyle = ini.ReadInteger(kGlobal, "ARROWSTYLE", 0);
  const std::string version = ini.ReadString(kGlobal, "VERSION", "");
  const std::optional<double> number = IsAbsentValue(version) ? std::optional<double>(0) : ParseVersion(version);
  info.VersionIsNumber = number.has_value();
  info.Version = number.value_or(0);
  info.VersionText = number ? FormatVersion(*number) : std::string(Trimmed(version));
  CheckVersion();
}

// A skin newer than this engine knows is used anyway, after a warning.
void TsSkinManager::CheckVersion() {
  if (SkinCommonInfo.VersionIsNumber && SkinCommonInfo.Version <= kNewestSupportedSkin) return;
  if (IsPreviewHostArgument(host_.ProgramArguments())) return;
  versionWarningDue_ = true;
}

void TsSkinManager::ReloadSkin(TacSkinData& data) {
  if (!FActive || !SkinFile) return;
  TColor shadow1 = static_cast<TColor>(SkinFile->Options().ReadInteger(kGlobal, "SHADOW1COLOR", 0));
  data.Reset();
  const bool recolouring = FBrightness != 0 || FHueOffset != 0 || FSaturation != 0;
  if (!MasterBitmap_) {
    MasterBitmap_ = SkinFile->DecodeMaster();
    BuildSkinModel(data, &shadow1);
  } else if (recolouring) {
    BuildWithFreshMaster(data, shadow1);
  } else {
    BuildSkinModel(data, &shadow1);  // nothing changes the master bitmap: share it
  }
  if (&data == FirstData()) {
    SkinCommonInfo.Shadow1Color = shadow1;
    SkinCommonInfo.Sections = data.Sections;
    SkinCommonInfo.IndexGlobalInfo = data.IndexGlobalInfo;
    MakeBrushes();
  }
  if (ManagerState.Has(msRTLFlipped)) FlipTitleImages(data);
  if (OnSkinLoading) OnSkinLoading(*this);
}

// Recolouring changes the master bitmap in place: a further density is built from a
// freshly decoded one, and the master bitmap the loaded densities draw from stays.
void TsSkinManager::BuildWithFreshMaster(TacSkinData& data, TColor& shadow1) {
  std::optional<PixelImage> inUse = std::move(MasterBitmap_);
  MasterBitmap_ = SkinFile->DecodeMaster();
  struct PutBack {
    std::optional<PixelImage>& master;
    std::optional<PixelImage>& inUse;
    ~PutBack() { master = std::move(inUse); }
  } putBack{MasterBitmap_, inUse};
  BuildSkinModel(data, &shadow1);
}

void TsSkinManager::MakeBrushes() {
  for (size_t i = 0; i < Brushes.size(); ++i) Brushes[i] = host_.CreateSolidBrush(Palette_[i]);
}

TacSkinData* TsSkinManager::FirstData() const { return SkinDataArray.empty() ? nullptr : SkinDataArray[0].get(); }

bool TsSkinManager::HasSections() const {
  const TacSkinData* first = FirstData();
  return first != nullptr && !first->gd.empty();
}

int TsSkinManager::LengthOfGD() const {
  const TacSkinData* first = FirstData();
  return first ? static_cast<int>(first->gd.size()) : 0;
}

TacSkinData& TsSkinManager::CommonSkinData(int aPPI) {
  const bool vcl = FOptions.ScaleMode() == smVCL;
  const int slot = vcl ? ScaleSlotOfPPI(aPPI) : 0;
  const bool changing = ManagerState.Has(msSkinChanging);
  if (!SkinCommonInfo.Active && !changing && !ManagerState.Has(msBroadCasting)) {
    TacSkinData& fallback = engine_.DefaultSkinData(slot);
    if (fallback.PPI != aPPI) {
      fallback.PPI = aPPI;
      fallback.ScalePercent = aPPI * 100 / 96;
    }
    return fallback;
  }
  if (slot >= static_cast<int>(SkinDataArray.size())) {
    if (SkinDataArray.empty() && aPPI != 96 && vcl) CommonSkinData(96);
    SkinDataArray.resize(slot + 1);
  }
  std::unique_ptr<TacSkinData>& data = SkinDataArray[slot];
  if (data) {
    if (changing && !data->Initializing && !HasSections()) data->Init();
    return *data;
  }
  data = std::make_unique<TacSkinData>(this, aPPI);
  data->ScaleValue = vcl ? slot : ScaleSlotOfPPI(aPPI);
  TacSkinData& created = *data;  // Init may grow the array
  if ((aPPI != 96 && HasSections()) || (changing && slot == 0 && !HasSections())) {
    if (changing) {
      created.Init();  // a failure belongs to the skin change, which undoes it
    } else {
      try {
        created.Init();
      } catch (const std::exception& error) {
        created.Reset();  // this density stays without skin tables
        host_.Errors().ShowError(error.what());
      }
    }
  }
  return created;
}

void TsSkinManager::LoadCurrentScale() {
  switch (FOptions.ScaleMode()) {
    case smVCL: {
      CommonSkinData(96);
      const int ppi = host_.SystemPPI();
      if (ppi != 96) CommonSkinData(ppi);
      break;
    }
    case smCustomPPI:
      CommonSkinData(FOptions.PixelsPerInch());
      break;
    default:
      CommonSkinData(kSlotPPI[GetScale()]);
      break;
  }
}

void TsSkinManager::ResetSkinData() {
  if (WindowEffects) WindowEffects->RemoveAllGlows();
  SkinCommonInfo.Active = false;
  if (FSkinableMenus) FSkinableMenus->ForgetSkinData();
  SkinCommonInfo.Sections.fill(-1);
  SkinDataArray.clear();
  SkinDataReplaced();
  flippedPictures_.clear();
}

// Everything of a skin that failed or was removed, down to the open files.
void TsSkinManager::ClearSkinData() {
  ResetSkinData();
  SkinFile.reset();
  MasterBitmap_.reset();
  EmbeddedFonts.clear();
  for (auto& brush : Brushes) brush.reset();
}

// After a change of Brightness, HueOffset, Saturation or the scale mode: the same skin,
// loaded again. A failure keeps the tables as they were.
void TsSkinManager::ReloadActiveSkin() {
  if (!FActive || loading_) return;
  TacStateScope changing(ManagerState, msSkinChanging);
  UpdateSettings();
  std::vector<std::unique_ptr<TacSkinData>> previous = std::move(SkinDataArray);
  std::optional<PixelImage> previousMaster = std::move(MasterBitmap_);
  const TacPalette previousPalette = Palette_;
  const TacSkinCommonInfo previousInfo = SkinCommonInfo;
  ResetSkinData();
  MasterBitmap_.reset();
  try {
    LoadCurrentScale();
  } catch (const std::exception& error) {
    SkinDataArray = std::move(previous);
    SkinDataReplaced();  // what was handed out during the failed reload is gone
    MasterBitmap_ = std::move(previousMaster);
    Palette_ = previousPalette;
    SkinCommonInfo = previousInfo;
    host_.Errors().ShowError(error.what());
    return;
  }
  if (!ManagerState.Has(msScaleChanging)) BroadcastNewSkin(true);
  changing.EndEarly();
  if (!NoAutoUpdate) {
    if (OnAfterChange) OnAfterChange(*this);
    if (!ManagerState.Has(msScaleChanging)) RepaintForms(true);
  }
}
