#pragma once
// Internal skins: skin packages carried in the program's stored form data, as items of
// the skin manager's InternalSkins collection.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "pixels/PixelBuffer.h"

class SkinErrorSink;

struct TsStoredSkin {
  std::string Name;
  std::string Author;
  std::string Description;
  int Shadow1Blur = -1;
  int Shadow1Offset = 0;
  int Shadow1Transparency = 0;
  uint32_t BorderColor = 0xFF00FF;
  uint32_t Shadow1Color = 0;
  double Version = 0;
  PixelImage MasterBitmap;
  std::string OrigName;              // file the package came from, stored as "OriginName"
  std::vector<uint8_t> PackedData;   // the whole package, stored as "Data"
};

// What the collection tells its owner (the skin manager).
class StoredSkinsOwner {
 public:
  virtual ~StoredSkinsOwner() = default;
  // A new item exists: the skin list stops a running scan and needs an update.
  virtual void StoredSkinAdded() = 0;
  // An item was changed (the manager fires OnSkinListChanged).
  virtual void StoredSkinUpdated() = 0;
};

class TsStoredSkins {
 public:
  explicit TsStoredSkins(StoredSkinsOwner* owner = nullptr) : owner_(owner) {}

  TsStoredSkin& Add();
  int Count() const { return static_cast<int>(items_.size()); }
  TsStoredSkin& operator[](int index) { return *items_.at(static_cast<size_t>(index)); }
  const TsStoredSkin& operator[](int index) const { return *items_.at(static_cast<size_t>(index)); }
  // First item whose Name equals SkinName exactly (case-sensitive), or -1.
  int IndexOf(std::string_view SkinName) const;
  void Update(int index);
  // Assigning another collection leaves this one as it is (the manager's property works so).
  void Assign(const TsStoredSkins&) {}
  void Clear() { items_.clear(); }

 private:
  StoredSkinsOwner* owner_;  // not owned; may be null
  std::vector<std::unique_ptr<TsStoredSkin>> items_;
};

// Writes the internal skin named NameOfSkin (every item of that name) into DestDir, as
// "<DestDir>/<Name> extracted.asz". Reports kNoDirectoryText when DestDir does not exist
// and kNoSkinText when no item has that name.
void ExtractInternalSkin(const TsStoredSkins& Skins, std::string_view NameOfSkin, std::string_view DestDir,
                         SkinErrorSink& Errors);
// Writes item Index into DestDir, creating the folder when missing (a failure reports the
// folder followed by kDirectoryCreationErrorSuffix). An item without package data writes
// nothing. True when the file was written.
bool ExtractByIndex(const TsStoredSkins& Skins, int Index, std::string_view DestDir, SkinErrorSink& Errors);

// DestDir with its trailing separator: a trailing "/" or "\" becomes the platform's one;
// on Windows a one-character value is a drive ("D" → "D:\").
enum class PathRules { Windows, Posix };
std::string NormalizeSkinDir(std::string_view dir, PathRules rules);
PathRules NativePathRules();

// The item's stored properties in the form-data stream layout: name/value pairs, values
// tagged by type, defaults left out, ended by a zero byte. Unknown properties and damaged
// data throw SkinPackageError. MasterBitmap is not stored (items carry their images inside
// the package).
void WriteStoredSkin(const TsStoredSkin& Skin, std::vector<uint8_t>& Out);
void ReadStoredSkin(std::span<const uint8_t> Data, TsStoredSkin& Skin);
// The whole collection: a collection marker, one property list per item, an end byte.
std::vector<uint8_t> WriteStoredSkins(const TsStoredSkins& Skins);
void ReadStoredSkins(std::span<const uint8_t> Data, TsStoredSkins& Skins);
