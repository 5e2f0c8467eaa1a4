#pragma once
// Records as a skin editor would send them.
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "skin/data/acSkinEditorData.h"

inline std::vector<uint8_t> EditorRecord(std::string_view name, std::string_view dir, std::string_view options,
                                         uint32_t magic = kSkinEditorMagic) {
  std::vector<uint8_t> bytes(sizeof(TacSkinEditorData), 0);
  std::memcpy(bytes.data(), &magic, 4);
  std::memcpy(bytes.data() + offsetof(TacSkinEditorData, SkinName), name.data(), name.size());
  std::memcpy(bytes.data() + offsetof(TacSkinEditorData, SkinDir), dir.data(), dir.size());
  std::memcpy(bytes.data() + offsetof(TacSkinEditorData, Data), options.data(), options.size());
  return bytes;
}
