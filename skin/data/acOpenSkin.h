#pragma once
// The skin the manager has opened: its options file and where its image and font files
// come from (the entries of a package, or the files of a skin folder).
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/PixelBuffer.h"
#include "skin/data/acOptionsFile.h"
#include "skin/data/acZLibEx.h"

class TacSkinFiles;

class TacOpenSkin {
 public:
  // An unpacked package; null when it holds no options file.
  static std::unique_ptr<TacOpenSkin> FromPackage(TacSkinConvertor package);
  // A skin folder whose "Options.dat" exists.
  static std::unique_ptr<TacOpenSkin> FromFolder(const std::filesystem::path& folder);
  ~TacOpenSkin();

  const TacOptionsFile& Options() const { return options_; }
  // Reads these options instead of the skin's own file (a preview from a skin editor).
  void UseOptionsText(std::string text) { options_ = TacOptionsFile(std::move(text)); }
  bool IsPacked() const { return !folder_; }
  // The bytes of a file the options name (compared upper-cased), or nullopt.
  std::optional<std::span<const uint8_t>> FindEntry(std::string_view upperName) const;
  // The package's font entries, in package order (none for a folder).
  std::vector<const TacFileItem*> FontEntries() const;
  // The master bitmap decoded from the file GLOBALINFO names: nullopt without a name or a
  // file. Throws SkinLoadError when the file is there but is no image.
  std::optional<PixelImage> DecodeMaster() const;

 private:
  TacOpenSkin() = default;

  TacOptionsFile options_;
  TacSkinConvertor package_;
  std::unique_ptr<TacSkinFiles> folder_;
};
