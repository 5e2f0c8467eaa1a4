#include <zlib.h>

#include <array>

#include "skin/data/acByteReader.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/acZLibExStream.h"
#include "skin/data/acZLibExWriter.h"

namespace {

struct Compression {
  int level;
  int strategy;
};
// Tried in order until no packed entry contains the preview marker by chance.
constexpr std::array<Compression, 3> kCompressions{{{Z_DEFAULT_COMPRESSION, Z_DEFAULT_STRATEGY},
                                                     {Z_BEST_COMPRESSION, Z_FILTERED},
                                                     {Z_BEST_COMPRESSION, Z_FIXED}}};

std::string AnsiName(const std::string& name) {
  if (name.empty()) throw SkinPackageError("An entry has an empty name.");
  if (name.find_first_of("/\\") != std::string::npos)
    throw SkinPackageError("The entry name \"" + name + "\" holds a path separator.");
  auto ansi = Utf8ToAnsi(name);
  if (!ansi) throw SkinPackageError("The entry name \"" + name + "\" has no form in the ANSI code page.");
  return *ansi;
}

std::vector<uint8_t> PackEntries(std::span<const SkinPackageItem> entries, std::span<const std::string> ansiNames,
                                 Compression compression) {
  std::vector<uint8_t> out(AsBytes(kSkinPackageMagic).begin(), AsBytes(kSkinPackageMagic).end());
  AppendU32(out, static_cast<uint32_t>(entries.size()));
  ZlibDeflater deflater(compression.level, compression.strategy);
  for (size_t i = 0; i < entries.size(); ++i) {
    AppendU32(out, static_cast<uint32_t>(ansiNames[i].size()));
    out.insert(out.end(), ansiNames[i].begin(), ansiNames[i].end());
    AppendU32(out, static_cast<uint32_t>(entries[i].Data.size()));
    deflater.Deflate(entries[i].Data, out);
  }
  return out;
}

}  // namespace

std::vector<uint8_t> PackSkin(std::span<const SkinPackageItem> Entries,
                              std::optional<std::span<const uint8_t>> Preview) {
  std::vector<std::string> ansiNames;
  for (const SkinPackageItem& entry : Entries) {
    ansiNames.push_back(AnsiName(entry.Name));
    if (entry.Data.size() > kMaxEntrySize)
      throw SkinPackageError("The entry \"" + entry.Name + "\" is too large for a skin package.");
  }
  if (Preview && Preview->size() > kMaxPackageFileSize) throw SkinPackageError("The preview is too large.");

  for (const Compression compression : kCompressions) {
    std::vector<uint8_t> out = PackEntries(Entries, ansiNames, compression);
    if (FindBytes(out, AsBytes(kPreviewMarker))) continue;
    if (Preview) {
      out.insert(out.end(), AsBytes(kPreviewMarker).begin(), AsBytes(kPreviewMarker).end());
      AppendU32(out, static_cast<uint32_t>(Preview->size()));
      out.insert(out.end(), Preview->begin(), Preview->end());
    }
    return out;
  }
  throw SkinPackageError("The packed entries contain the text \"" + std::string(kPreviewMarker) +
                         "\", which would be taken for the preview.");
}
