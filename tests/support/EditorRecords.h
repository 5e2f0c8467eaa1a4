#pragma once
// Records as a skin editor would send them, and options texts to send in them.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <utility>
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

// The options text with keys of one section set to new values; an empty value removes
// the key, with its variants for other densities ("KEY*125=").
inline std::string WithSectionKeys(const std::string& text, std::string_view section,
                                   const std::vector<std::pair<std::string, std::string>>& keys) {
  std::string out;
  bool inSection = false;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = end == std::string::npos ? text.size() : end + 1;
    const std::string_view line(text.data() + start, end - start);
    const std::string_view eol = line.ends_with("\r\n") ? "\r\n" : line.ends_with('\n') ? "\n" : "";
    if (line.starts_with('[')) inSection = line.starts_with("[" + std::string(section) + "]");
    bool replaced = false;
    for (const auto& [key, value] : keys) {
      if (!inSection || !line.starts_with(key)) continue;
      const char after = line.size() > key.size() ? line[key.size()] : '\0';
      if (after == '*') replaced = true;  // a density variant goes with its key
      if (after == '=') {
        if (!value.empty()) out += key + "=" + value + std::string(eol);
        replaced = true;
      }
    }
    if (!replaced) out += line;
    start = end;
  }
  return out;
}
