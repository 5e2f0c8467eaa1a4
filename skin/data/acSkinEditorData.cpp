#include "skin/data/acSkinEditorData.h"

#include <cstring>

#include "skin/data/acZLibExNames.h"

namespace {

// A field's text up to its first zero; the field's last byte counts as one in any case.
template <size_t N>
std::string FieldText(const char (&field)[N]) {
  const size_t length = strnlen(field, N - 1);
  return AnsiToUtf8(std::span(reinterpret_cast<const uint8_t*>(field), length));
}

}  // namespace

std::optional<TacSkinPreview> ParseSkinEditorData(std::span<const uint8_t> bytes) {
  if (bytes.size() < sizeof(TacSkinEditorData)) return std::nullopt;
  TacSkinEditorData record;
  std::memcpy(&record, bytes.data(), sizeof record);
  if (static_cast<uint32_t>(record.Magic) != kSkinEditorMagic) return std::nullopt;
  return TacSkinPreview{FieldText(record.SkinName), FieldText(record.SkinDir), FieldText(record.Data)};
}
