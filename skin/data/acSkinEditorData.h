#pragma once
// The record an external skin editor sends (as copy-data with wParam 7) to show a skin
// live in the program: a magic number, the skin's name and folder, and the text of its
// options file. It arrives from another process, so it is read defensively: a record that
// is short or carries another magic is refused, and every text ends at its field's last
// byte whether or not the sender terminated it.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

inline constexpr uint32_t kSkinEditorMagic = 0xA400;
inline constexpr uintptr_t kSkinEditorCopyDataKind = 7;  // the copy-data message's wParam

#pragma pack(push, 1)
struct TacSkinEditorData {
  int32_t Magic;
  char SkinName[128];
  char SkinDir[512];
  char Data[30001];
};
#pragma pack(pop)
static_assert(sizeof(TacSkinEditorData) == 30645);
static_assert(offsetof(TacSkinEditorData, SkinName) == 4);
static_assert(offsetof(TacSkinEditorData, SkinDir) == 132);
static_assert(offsetof(TacSkinEditorData, Data) == 644);

// What a valid record says, as UTF-8 (the editor writes ANSI).
struct TacSkinPreview {
  std::string SkinName;
  std::string SkinDir;
  std::string OptionsText;
  bool operator==(const TacSkinPreview&) const = default;
};

// The record's texts, or nullopt when the bytes are fewer than a whole record or do not
// start with the magic. Bytes past the record are ignored.
std::optional<TacSkinPreview> ParseSkinEditorData(std::span<const uint8_t> bytes);
