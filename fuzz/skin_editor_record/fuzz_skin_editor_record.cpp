// What another process may send as a skin editor's preview record: the raw bytes, and a
// whole record built from them (fields filled from the input, terminated or not). Short
// or foreign records are refused; every text ends inside its field.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "skin/data/acSkinEditorData.h"

namespace {

// An ANSI byte becomes at most three bytes of UTF-8.
constexpr size_t kMaxGrowth = 3;

void CheckWithin(const std::string& text, size_t fieldSize) {
  if (text.size() > (fieldSize - 1) * kMaxGrowth) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // The bytes as they came: fewer than a record is never accepted.
  if (size < sizeof(TacSkinEditorData) && ParseSkinEditorData({data, size})) std::abort();
  if (size < 1) return 0;

  // A whole record: the first byte chooses the magic and whether fields are padded with
  // zeros or left unterminated; the rest fills the fields in order.
  const uint8_t flags = data[0];
  std::vector<uint8_t> record(sizeof(TacSkinEditorData) + (flags & 4 ? 7 : 0), (flags & 2) ? 'A' : 0);
  const uint32_t magic = (flags & 1) ? kSkinEditorMagic : kSkinEditorMagic + 1;
  std::memcpy(record.data(), &magic, sizeof magic);
  std::memcpy(record.data() + 4, data + 1, std::min(size - 1, record.size() - 4));
  const auto parsed = ParseSkinEditorData(record);
  if (parsed.has_value() != ((flags & 1) != 0)) std::abort();
  if (!parsed) return 0;
  CheckWithin(parsed->SkinName, sizeof(TacSkinEditorData::SkinName));
  CheckWithin(parsed->SkinDir, sizeof(TacSkinEditorData::SkinDir));
  CheckWithin(parsed->OptionsText, sizeof(TacSkinEditorData::Data));
  return 0;
}
