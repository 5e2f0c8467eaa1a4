#pragma once
// A skin opened without a skin manager, from a package or a skin folder: it owns the
// options file, the image files and the decoded master bitmap, and loads skin data the
// way the manager does. Tools and tests use it; the manager implements the same interface.
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "skin/data/acOptionsFile.h"
#include "skin/data/acSkinSource.h"
#include "skin/data/acSystemLook.h"
#include "skin/data/acZLibEx.h"

// The skin's master bitmap from its file bytes: straight BGRA in which key-colour pixels
// are transparent. nullopt when the bytes are no image we can decode.
std::optional<PixelImage> DecodeMasterBitmap(std::span<const uint8_t> bytes);

// The options text as UTF-8: a UTF-8 byte-order mark is dropped, UTF-16 text with a
// byte-order mark is converted, anything else is ANSI text converted like the package's
// entry names (AnsiToUtf8), so that names in the options match the entries' names.
std::string OptionsTextFromBytes(std::span<const uint8_t> bytes);

class TacSkinFiles final : public IacSkinSource {
 public:
  // A package's bytes. Throws SkinPackageError when they are no package, are damaged or
  // hold no options file.
  static std::unique_ptr<TacSkinFiles> FromPackage(std::span<const uint8_t> package);
  // A folder holding "Options.dat" (any letter case) and the image files. Throws
  // SkinPackageError when there is no options file.
  static std::unique_ptr<TacSkinFiles> FromFolder(const std::filesystem::path& folder);
  // A package file or a skin folder.
  static std::unique_ptr<TacSkinFiles> Open(const std::filesystem::path& path);

  TacSkinSettings& MutableSettings() { return settings_; }
  void SetSystemLook(const ISystemLook& look) { look_ = &look; }
  TColor Shadow1Color() const { return shadow1Color_; }

  const TacOptionsFile* OptionsFile() const override { return &options_; }
  std::optional<std::span<const uint8_t>> FindEntry(std::string_view upperName) const override;
  PixelImage* MasterBitmap() override { return master_ ? &*master_ : nullptr; }
  const ISystemLook& SystemLook() const override { return *look_; }
  TacPalette& Palette() override { return palette_; }
  const TacSkinSettings& Settings() const override { return settings_; }
  // Decodes the master bitmap afresh and builds the data.
  void ReloadSkin(TacSkinData& data) override;

 private:
  TacSkinFiles() = default;
  std::optional<std::span<const uint8_t>> FindMasterBitmapFile(const std::string& name) const;

  TacOptionsFile options_;
  TacSkinConvertor package_;
  std::optional<std::filesystem::path> folder_;
  mutable std::map<std::string, std::vector<uint8_t>> folderFiles_;  // read on first use
  std::optional<PixelImage> master_;
  TacPalette palette_{};
  TColor shadow1Color_ = 0;
  TacSkinSettings settings_;
  TacFixedSystemLook fixedLook_;
  const ISystemLook* look_ = &fixedLook_;
};
