#pragma once
// The skin list's view of the skin folder: whether it exists, its entries one at a time
// (as a search over the folder hands them out), and the preview of a package file in it.
// The disk answers in the program; tests give a folder of their own making.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct TacFolderEntry {
  std::string Name;  // UTF-8, without the folder
  bool IsDirectory = false;
};

// An open search; each call hands out the next entry, nullopt once none is left.
class IacFolderSearch {
 public:
  virtual ~IacFolderSearch() = default;
  virtual std::optional<TacFolderEntry> Next() = 0;
};

class IacSkinFolder {
 public:
  virtual ~IacSkinFolder() = default;
  virtual bool Exists(const std::string& folder) const = 0;
  // Null when the folder cannot be read.
  virtual std::unique_ptr<IacFolderSearch> Open(const std::string& folder) = 0;
  // The preview picture's bytes of a package file, nullopt without one.
  virtual std::optional<std::vector<uint8_t>> ReadPreview(const std::string& file) = 0;
};

// The folders of the file system; names and paths are UTF-8.
class TacDiskSkinFolder final : public IacSkinFolder {
 public:
  bool Exists(const std::string& folder) const override;
  std::unique_ptr<IacFolderSearch> Open(const std::string& folder) override;
  std::optional<std::vector<uint8_t>> ReadPreview(const std::string& file) override;
};
