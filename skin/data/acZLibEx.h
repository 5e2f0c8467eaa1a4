#pragma once
// Reading skin packages: a small archive ("ASzf", a count, then entries of name, unpacked
// size and one zlib stream each) with an optional preview picture at its end.
//
// Packages are untrusted input. Every length is checked against the bytes that are there
// and nothing is allocated from a length that was not checked; a damaged package raises
// SkinPackageError with a text for the user, and leaves the convertor empty.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

class SkinErrorSink;

inline constexpr std::string_view kSkinPackageMagic = "ASzf";
inline constexpr std::string_view kPreviewMarker = "previewimg";
inline constexpr std::string_view kOptionsFileName = "Options.dat";
// Limits that keep a hostile package from asking for absurd amounts of memory.
inline constexpr uint64_t kMaxPackageFileSize = uint64_t{1} << 30;
inline constexpr uint32_t kMaxEntrySize = uint32_t{1} << 28;

class SkinPackageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class TacFileType { ftBmp = 0, ftFont = 1, ftOther = 2 };
// From the upper-cased extension: ".BMP" bitmap, ".TTF"/".OTF" font, anything else other.
TacFileType FileTypeOf(std::string_view name);

struct TacFileItem {
  std::string Name;  // UTF-8, case as stored
  TacFileType FileType = TacFileType::ftOther;
  std::vector<uint8_t> Stream;  // unpacked content
};

// An unpacked package: the options file and every other entry, in package order. It keeps
// the entries in memory so that images can be loaded (again) without unpacking.
class TacSkinConvertor {
 public:
  std::optional<std::vector<uint8_t>> Options;  // nullopt when the package had none
  std::string OptionsName;                      // the options entry's name as stored
  std::vector<TacFileItem> Files;

  // Number of entries besides the options file: always the number of items in Files.
  int FileCount() const { return static_cast<int>(Files.size()); }
  // The first item whose upper-cased name equals `wanted` (compared as given), or null.
  const TacFileItem* FindFile(std::string_view wanted) const;
  void Clear();
};

// Fills `Convertor` from the package bytes. Wrong magic: reports kNotPackedSkinText to
// `Errors` and returns false. A damaged package throws SkinPackageError. A package
// without an options entry is read without error (Options stays empty); one with two or
// more options entries is damaged.
bool UnpackSkin(std::span<const uint8_t> PackedData, TacSkinConvertor& Convertor, SkinErrorSink& Errors);
// False when the file does not exist; otherwise loads it and runs UnpackSkin. An unreadable
// or oversized file throws SkinPackageError.
bool UnpackSkinFile(const std::filesystem::path& FileName, TacSkinConvertor& Convertor, SkinErrorSink& Errors);

// Where the preview trailer starts: the first occurrence of kPreviewMarker in the package.
enum class PreviewState { Found, Missing, Truncated };
struct PreviewLocation {
  PreviewState State = PreviewState::Missing;
  std::span<const uint8_t> Bytes;  // the picture's bytes when Found
};
PreviewLocation LocatePreview(std::span<const uint8_t> PackedData);

// Copies the preview picture (PNG bytes) into Dest. False, and Dest untouched, when the
// package has no preview or its declared size runs past the end of the package.
bool ExtractPreview(std::vector<uint8_t>& Dest, std::span<const uint8_t> PackedData);
bool ExtractPreviewFromFile(std::vector<uint8_t>& Dest, const std::filesystem::path& FileName);

// First position of `needle` in `haystack` (Boyer-Moore-Horspool), or nullopt.
std::optional<size_t> FindBytes(std::span<const uint8_t> haystack, std::span<const uint8_t> needle);

// The whole file, or nullopt when it does not exist. Throws SkinPackageError when it
// cannot be read or is larger than `maxSize`.
std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& file,
                                                  uint64_t maxSize = kMaxPackageFileSize);
// Writes (replaces) the file; false when it cannot be written completely.
bool WriteFileBytes(const std::filesystem::path& file, std::span<const uint8_t> bytes);
