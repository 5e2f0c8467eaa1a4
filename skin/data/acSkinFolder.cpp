#include "skin/data/acSkinFolder.h"

#include <filesystem>
#include <system_error>

#include "skin/data/acZLibEx.h"

namespace fs = std::filesystem;

namespace {

fs::path PathFromUtf8(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::string Utf8Of(const fs::path& path) {
  const std::u8string name = path.u8string();
  return std::string(name.begin(), name.end());
}

class DiskSearch final : public IacFolderSearch {
 public:
  explicit DiskSearch(fs::directory_iterator it) : it_(std::move(it)) {}

  std::optional<TacFolderEntry> Next() override {
    std::error_code ec;
    if (it_ == fs::directory_iterator()) return std::nullopt;
    TacFolderEntry entry{Utf8Of(it_->path().filename()), it_->is_directory(ec)};
    it_.increment(ec);
    if (ec) it_ = fs::directory_iterator();  // an unreadable rest ends the search
    return entry;
  }

 private:
  fs::directory_iterator it_;
};

}  // namespace

bool TacDiskSkinFolder::Exists(const std::string& folder) const {
  std::error_code ec;
  return fs::is_directory(PathFromUtf8(folder), ec);
}

std::unique_ptr<IacFolderSearch> TacDiskSkinFolder::Open(const std::string& folder) {
  std::error_code ec;
  fs::directory_iterator it(PathFromUtf8(folder), ec);
  if (ec) return nullptr;
  return std::make_unique<DiskSearch>(std::move(it));
}

std::optional<std::vector<uint8_t>> TacDiskSkinFolder::ReadPreview(const std::string& file) {
  std::vector<uint8_t> preview;
  try {
    if (ExtractPreviewFromFile(preview, PathFromUtf8(file))) return preview;
  } catch (const SkinPackageError&) {
    // an unreadable or oversized file is listed without a preview
  }
  return std::nullopt;
}
