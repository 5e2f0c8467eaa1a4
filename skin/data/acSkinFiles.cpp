#include "skin/data/acSkinFiles.h"

#include "skin/data/acImageDecode.h"
#include "skin/data/acSkinData.h"
#include "skin/data/acSkinErrors.h"
#include "skin/base/acSkinPixels.h"
#include "skin/data/acZLibExNames.h"

namespace {

void AppendUtf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | cp >> 6);
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | cp >> 12);
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | cp >> 18);
    out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
    out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

std::string Utf16ToUtf8(std::span<const uint8_t> bytes, bool bigEndian) {
  std::string out;
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
    uint32_t unit = bigEndian ? (bytes[i] << 8 | bytes[i + 1]) : (bytes[i] | bytes[i + 1] << 8);
    if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < bytes.size()) {
      const uint32_t low = bigEndian ? (bytes[i + 2] << 8 | bytes[i + 3]) : (bytes[i + 2] | bytes[i + 3] << 8);
      if (low >= 0xDC00 && low < 0xE000) {
        unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
        i += 2;
      }
    }
    AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
  }
  return out;
}

const std::string kMasterBitmapKey = "MASTERBITMAP";

}  // namespace

std::optional<PixelImage> DecodeMasterBitmap(std::span<const uint8_t> bytes) {
  auto decoded = DecodeImage(bytes);
  if (!decoded) return std::nullopt;
  if (decoded->Format == TacImageFormat::Png) ClearOpaqueKeyAlpha(decoded->Pixels.view());
  else if (!decoded->HasAlpha) KeyColorToAlpha(decoded->Pixels.view());
  return std::move(decoded->Pixels);
}

std::string OptionsTextFromBytes(std::span<const uint8_t> b) {
  if (b.size() >= 2 && b[0] == 0xFF && b[1] == 0xFE) return Utf16ToUtf8(b.subspan(2), false);
  if (b.size() >= 2 && b[0] == 0xFE && b[1] == 0xFF) return Utf16ToUtf8(b.subspan(2), true);
  if (b.size() >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF) return std::string(b.begin() + 3, b.end());
  // Without a mark the text is ANSI, in the code page the package's entry names are in:
  // read the same way, the image and font names it gives match the entries' names.
  return AnsiToUtf8(b);
}

std::unique_ptr<TacSkinFiles> TacSkinFiles::FromPackage(std::span<const uint8_t> package) {
  std::unique_ptr<TacSkinFiles> skin(new TacSkinFiles());
  RecordingErrorSink errors;
  if (!UnpackSkin(package, skin->package_, errors)) throw SkinPackageError(std::string(kNotPackedSkinText));
  if (!skin->package_.Options) throw SkinPackageError("the package holds no options file");
  skin->options_ = TacOptionsFile(OptionsTextFromBytes(*skin->package_.Options));
  return skin;
}

std::unique_ptr<TacSkinFiles> TacSkinFiles::FromFolder(const std::filesystem::path& folder) {
  std::unique_ptr<TacSkinFiles> skin(new TacSkinFiles());
  skin->folder_ = folder;
  const auto options = skin->FindEntry(AsciiUpper(kOptionsFileName));
  if (!options) throw SkinPackageError("the folder holds no " + std::string(kOptionsFileName));
  skin->options_ = TacOptionsFile(OptionsTextFromBytes(*options));
  return skin;
}

std::unique_ptr<TacSkinFiles> TacSkinFiles::Open(const std::filesystem::path& path) {
  if (std::filesystem::is_directory(path)) return FromFolder(path);
  const auto bytes = ReadFileBytes(path);
  if (!bytes) throw SkinPackageError("no such file: " + path.string());
  return FromPackage(*bytes);
}

std::optional<std::span<const uint8_t>> TacSkinFiles::FindEntry(std::string_view upperName) const {
  if (!folder_) {
    const TacFileItem* item = package_.FindFile(upperName);
    return item ? std::optional<std::span<const uint8_t>>(item->Stream) : std::nullopt;
  }
  const std::string key(upperName);
  if (const auto it = folderFiles_.find(key); it != folderFiles_.end()) return std::span<const uint8_t>(it->second);
  // Names are plain file names of the folder, matched without regard to letter case.
  if (key.find_first_of("/\\") != std::string::npos) return std::nullopt;
  std::error_code ec;
  for (const auto& entry : std::filesystem::directory_iterator(*folder_, ec)) {
    if (!entry.is_regular_file(ec) || AsciiUpper(entry.path().filename().string()) != key) continue;
    auto bytes = ReadFileBytes(entry.path());
    if (!bytes) return std::nullopt;
    return std::span<const uint8_t>(folderFiles_.emplace(key, std::move(*bytes)).first->second);
  }
  return std::nullopt;
}

// The master bitmap's name is compared as written with the upper-cased entry names.
std::optional<std::span<const uint8_t>> TacSkinFiles::FindMasterBitmapFile(const std::string& name) const {
  return FindEntry(folder_ ? AsciiUpper(name) : name);
}

void TacSkinFiles::ReloadSkin(TacSkinData& data) {
  master_.reset();
  const std::string name = options_.ReadString("GLOBALINFO", kMasterBitmapKey, "");
  if (const auto bytes = name.empty() ? std::nullopt : FindMasterBitmapFile(name)) master_ = DecodeMasterBitmap(*bytes);
  shadow1Color_ = static_cast<TColor>(options_.ReadInteger("GLOBALINFO", "SHADOW1COLOR", 0));
  data.Reset();
  BuildSkinModel(data, &shadow1Color_);
}
