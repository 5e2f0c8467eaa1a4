#include "skin/data/acOpenSkin.h"

#include "skin/data/acBmpReader.h"
#include "skin/data/acSkinFiles.h"
#include "skin/data/acSkinLoadError.h"
#include "skin/data/acZLibExNames.h"

namespace {
// Why a picture could not be read, where the reader says: our BMP reader does.
std::string DecodeFailureReason(std::span<const uint8_t> bytes) {
  if (SniffImageFormat(bytes) != TacImageFormat::Bmp) return {};
  const std::string error = ReadBmp(bytes).Error;
  return error.empty() ? error : ": " + error;
}
}  // namespace

std::unique_ptr<TacOpenSkin> TacOpenSkin::FromPackage(TacSkinConvertor package) {
  if (!package.Options) return nullptr;
  std::unique_ptr<TacOpenSkin> skin(new TacOpenSkin());
  skin->options_ = TacOptionsFile(OptionsTextFromBytes(*package.Options));
  skin->package_ = std::move(package);
  return skin;
}

std::unique_ptr<TacOpenSkin> TacOpenSkin::FromFolder(const std::filesystem::path& folder) {
  std::unique_ptr<TacOpenSkin> skin(new TacOpenSkin());
  skin->folder_ = TacSkinFiles::FromFolder(folder);
  skin->options_ = *skin->folder_->OptionsFile();
  return skin;
}

TacOpenSkin::~TacOpenSkin() = default;

std::optional<std::span<const uint8_t>> TacOpenSkin::FindEntry(std::string_view upperName) const {
  if (folder_) return folder_->FindEntry(upperName);
  const TacFileItem* item = package_.FindFile(upperName);
  return item ? std::optional<std::span<const uint8_t>>(item->Stream) : std::nullopt;
}

std::vector<const TacFileItem*> TacOpenSkin::FontEntries() const {
  std::vector<const TacFileItem*> fonts;
  for (const TacFileItem& item : package_.Files)
    if (item.FileType == TacFileType::ftFont) fonts.push_back(&item);
  return fonts;
}

std::optional<PixelImage> TacOpenSkin::DecodeMaster() const {
  const std::string name = options_.ReadString("GLOBALINFO", "MASTERBITMAP", "");
  if (IsAbsentValue(name)) return std::nullopt;
  // A package entry is matched by the name as written; a folder's files in any case.
  const auto bytes = FindEntry(folder_ ? AsciiUpper(name) : name);
  if (!bytes) return std::nullopt;
  auto master = DecodeMasterBitmap(*bytes);
  if (!master)
    throw SkinLoadError("The master bitmap \"" + name + "\" of the skin is damaged" + DecodeFailureReason(*bytes) + ".");
  return master;
}
