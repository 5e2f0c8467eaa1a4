#pragma once
// Writing skin packages in the layout acZLibEx.h reads: the entries in the order given,
// each compressed as one zlib stream, and the preview trailer when a preview is given.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct SkinPackageItem {
  std::string Name;  // UTF-8 plain file name, stored in the ANSI code page
  std::span<const uint8_t> Data;
};

// Throws SkinPackageError when a name is empty, holds a path separator or has no ANSI
// form, when an entry is too large, or when the packed entries would contain the preview
// marker (the reader would then find a false preview).
std::vector<uint8_t> PackSkin(std::span<const SkinPackageItem> Entries,
                              std::optional<std::span<const uint8_t>> Preview = std::nullopt);
