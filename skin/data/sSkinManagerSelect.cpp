// Selecting a skin: which skin a name stands for, opening it, and the load that either
// replaces the active skin as a whole or leaves it as it was.
#include <filesystem>
#include <utility>
#include <system_error>

#include "skin/data/acSkinLoadError.h"
#include "skin/data/acSkinSelection.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/sSkinManager.h"
#include "skin/data/sSkinManagerState.h"

namespace {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

bool FileExists(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

// Everything that belongs to the active skin, put aside while another one loads.
struct TsSkinManager::SavedSkin {
  std::unique_ptr<TacOpenSkin> SkinFile;
  std::vector<std::unique_ptr<TacSkinData>> SkinDataArray;
  std::optional<PixelImage> MasterBitmap;
  TacPalette Palette{};
  TacSkinCommonInfo CommonInfo;
  std::vector<std::unique_ptr<TacHeldResource>> EmbeddedFonts;
  std::array<std::unique_ptr<TacHeldResource>, 6> Brushes;
  bool SkinIsPacked = false;
};

TsSkinManager::SavedSkin TsSkinManager::TakeSkin() {
  SavedSkin saved{std::move(SkinFile),      std::move(SkinDataArray), std::move(MasterBitmap_), Palette_,
                  SkinCommonInfo,           std::move(EmbeddedFonts), std::move(Brushes),       SkinIsPacked};
  SkinFile.reset();
  SkinDataArray.clear();
  MasterBitmap_.reset();
  EmbeddedFonts.clear();
  SkinDataReplaced();
  return saved;
}

void TsSkinManager::RestoreSkin(SavedSkin saved) {
  SkinFile = std::move(saved.SkinFile);
  SkinDataArray = std::move(saved.SkinDataArray);
  MasterBitmap_ = std::move(saved.MasterBitmap);
  Palette_ = saved.Palette;
  SkinCommonInfo = std::move(saved.CommonInfo);
  EmbeddedFonts = std::move(saved.EmbeddedFonts);
  Brushes = std::move(saved.Brushes);
  SkinIsPacked = saved.SkinIsPacked;
  SkinDataReplaced();  // what was handed out during the failed load is gone
}

void TsSkinManager::SetSkinName(std::string Value) {
  const std::string oldName = std::exchange(FSkinName, std::move(Value));
  const bool wasActive = SkinCommonInfo.Active;
  if (FActive) {
    if (OnBeforeChange) OnBeforeChange(*this);
    ManagerState.Exclude(msRTLFlipped);
    bool allowChanging = true;
    if (OnSkinChanging) OnSkinChanging(*this, FSkinName, allowChanging);
    if (!allowChanging) return;
    TacStateScope changing(ManagerState, msSkinChanging);
    FSkinName = StripPackageExtension(FSkinName);
    if (LoadSelectedSkin(oldName)) {
      if (!FActive) BroadcastRemoveSkin();
      else if (!NoAutoUpdate) BroadcastNewSkin(true);
      if (!wasActive && HasSections()) {
        if (loading_) activatedWhileLoading_ = true;
        else if (OnActivate) OnActivate(*this);
      }
    }
    changing.EndEarly();
    SkinCommonInfo.Active = HasSections();
    if (!NoAutoUpdate && OnAfterChange) OnAfterChange(*this);
    // Boxes wait until every control knows the skin: they let windows repaint meanwhile.
    ShowPendingMessages();
  }
  if (!ManagerState.Has(msSkinChanging)) NotifySkinChanged();
  UpdateDialogSkinning();
}

// Loads the skin FSkinName names. On failure the skin that was active stays so, and
// FSkinName goes back to oldName; the error is shown once that skin is back.
bool TsSkinManager::LoadSelectedSkin(const std::string& oldName) {
  UpdateSettings();
  SavedSkin saved = TakeSkin();
  ResetSkinData();
  const auto giveUp = [&] {
    ClearSkinData();
    RestoreSkin(std::move(saved));
    FSkinName = oldName;
    ShowPendingMessages();
    return false;
  };
  try {
    switch (InitSkinFile()) {
      case OpenResult::NoSkin:
        return true;  // no skin at all: the old one goes with the removal broadcast
      case OpenResult::Failed:
        return giveUp();
      case OpenResult::Opened:
        break;
    }
    if (previewOptions_) SkinFile->UseOptionsText(*previewOptions_);
    if (SkinFile->Options().Sections().empty()) throw SkinLoadError(InternalFormatErrorText(FSkinName));
    LoadFonts();
    LoadCommonInfo();
    LoadCurrentScale();
    if (host_.RightToLeft()) FlipImages(true);
    return true;
  } catch (const std::exception& error) {
    pendingErrors_.errors.emplace_back(error.what());
    return giveUp();
  }
}

void TsSkinManager::ShowPendingMessages() {
  for (const std::string& text : std::exchange(pendingErrors_.errors, {})) host_.Errors().ShowError(text);
  if (std::exchange(versionWarningDue_, false)) {
    TacEngineSwitchScope noDialogSkinning(engine_, TacEngineSwitchScope::Switch::DialogSkinning, false);
    host_.ShowWarning(kVersionWarning);
  }
}

// Opens the skin FSkinName names: a skin folder, else a package file in the skin folder,
// else an internal skin (the first one when none has that name).
TsSkinManager::OpenResult TsSkinManager::InitSkinFile() {
  const std::string directory = GetFullSkinDirectory();
  const char separator = host_.PathStyle() == PathRules::Windows ? '\\' : '/';
  SkinCommonInfo.SkinPath = directory + FSkinName + separator;
  SkinIsPacked = false;
  if (IsPlainSkinName(FSkinName)) {
    if (FileExists(PathFromUtf8(SkinCommonInfo.SkinPath + std::string(kOptionsFileName)))) {
      SkinFile = TacOpenSkin::FromFolder(PathFromUtf8(SkinCommonInfo.SkinPath));
      return OpenResult::Opened;
    }
    const std::string package = directory + FSkinName + std::string(kPackageExtension);
    if (FileExists(PathFromUtf8(package))) {
      SkinCommonInfo.SkinPath.clear();
      return OpenPackageFile(package);
    }
  }
  SkinCommonInfo.SkinPath.clear();
  int index = FBuiltInSkins.IndexOf(FSkinName);
  if (index < 0) {
    if (FBuiltInSkins.Count() == 0) {
      FActive = false;
      UpdateSettings();
      return OpenResult::NoSkin;
    }
    index = 0;
    FSkinName = FBuiltInSkins[0].Name;
  }
  return OpenPackage(FBuiltInSkins[index].PackedData);
}

TsSkinManager::OpenResult TsSkinManager::OpenPackageFile(const std::string& path) {
  auto bytes = ReadFileBytes(PathFromUtf8(path));
  return bytes ? OpenPackage(*bytes) : OpenResult::Failed;
}

TsSkinManager::OpenResult TsSkinManager::OpenPackage(std::span<const uint8_t> bytes) {
  TacSkinConvertor package;
  if (!bytes.empty() && !UnpackSkin(bytes, package, pendingErrors_)) return OpenResult::Failed;
  SkinFile = TacOpenSkin::FromPackage(std::move(package));
  if (!SkinFile) {
    pendingErrors_.ShowError(InternalFormatErrorText(FSkinName));
    return OpenResult::Failed;
  }
  SkinIsPacked = true;
  return OpenResult::Opened;
}
