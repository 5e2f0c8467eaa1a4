#include "skin/data/sStoredSkin.h"

#include <filesystem>
#include <system_error>

#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"

namespace {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

constexpr std::string_view kExtractedSuffix = " extracted.asz";

}  // namespace

TsStoredSkin& TsStoredSkins::Add() {
  items_.push_back(std::make_unique<TsStoredSkin>());
  if (owner_) owner_->StoredSkinAdded();
  return *items_.back();
}

int TsStoredSkins::IndexOf(std::string_view SkinName) const {
  for (size_t i = 0; i < items_.size(); ++i)
    if (items_[i]->Name == SkinName) return static_cast<int>(i);
  return -1;
}

void TsStoredSkins::Update(int index) {
  (void)items_.at(static_cast<size_t>(index));
  if (owner_) owner_->StoredSkinUpdated();
}

PathRules NativePathRules() {
#ifdef _WIN32
  return PathRules::Windows;
#else
  return PathRules::Posix;
#endif
}

std::string NormalizeSkinDir(std::string_view dir, PathRules rules) {
  const char separator = rules == PathRules::Windows ? '\\' : '/';
  std::string normal(dir);
  if (rules == PathRules::Windows && normal.size() == 1) return normal + ":\\";
  if (!normal.empty() && (normal.back() == '/' || normal.back() == '\\')) normal.pop_back();
  return normal + separator;
}

void ExtractInternalSkin(const TsStoredSkins& Skins, std::string_view NameOfSkin, std::string_view DestDir,
                         SkinErrorSink& Errors) {
  bool found = false;
  for (int i = 0; i < Skins.Count(); ++i) {
    if (Skins[i].Name != NameOfSkin) continue;
    found = true;
    std::error_code ec;
    if (std::filesystem::is_directory(PathFromUtf8(DestDir), ec))
      ExtractByIndex(Skins, i, DestDir, Errors);
    else
      Errors.ShowError(kNoDirectoryText);
  }
  if (!found) Errors.ShowError(kNoSkinText);
}

bool ExtractByIndex(const TsStoredSkins& Skins, int Index, std::string_view DestDir, SkinErrorSink& Errors) {
  const std::string dir = NormalizeSkinDir(DestDir, NativePathRules());
  std::error_code ec;
  std::filesystem::create_directories(PathFromUtf8(dir), ec);
  if (ec || !std::filesystem::is_directory(PathFromUtf8(dir), ec)) {
    Errors.ShowError(dir + std::string(kDirectoryCreationErrorSuffix));
    return false;
  }
  const TsStoredSkin& skin = Skins[Index];
  if (skin.PackedData.empty()) return false;
  return WriteFileBytes(PathFromUtf8(dir + skin.Name + std::string(kExtractedSuffix)), skin.PackedData);
}
