#include <algorithm>

#include "skin/data/acByteReader.h"
#include "skin/data/acSkinErrors.h"
#include "skin/data/acZLibEx.h"
#include "skin/data/acZLibExNames.h"
#include "skin/data/acZLibExStream.h"

namespace {

// Deflate never packs more than 1032 bytes into one input byte: a declared size above
// that bound cannot be true, so it is refused before anything is allocated for it.
constexpr uint64_t kMaxDeflateRatio = 1032;

std::string EntryLabel(uint32_t index, uint32_t count, const std::string& name) {
  std::string label = "entry " + std::to_string(index + 1) + " of " + std::to_string(count);
  return name.empty() ? label : label + " (\"" + name + "\")";
}

void ReadEntry(ByteReader& in, ZlibInflater& inflater, std::string& name, TacSkinConvertor& convertor) {
  const uint32_t nameLength = in.U32("its name length");
  name = AnsiToUtf8(in.Bytes(nameLength, "its name"));
  const uint32_t size = in.U32("its size");
  if (size > kMaxEntrySize || size > in.Remaining() * kMaxDeflateRatio)
    throw SkinPackageError("its declared size is impossibly large");
  std::vector<uint8_t> content(size);
  in.Skip(inflater.InflateExact(in.Rest(), content), "its data");
  if (SameTextAscii(name, kOptionsFileName)) {
    if (convertor.Options) throw SkinPackageError("the package holds more than one options file");
    convertor.Options = std::move(content);
    convertor.OptionsName = name;
  } else {
    convertor.Files.push_back({name, FileTypeOf(name), std::move(content)});
  }
}

void ReadEntries(ByteReader& in, TacSkinConvertor& convertor) {
  const uint32_t count = in.U32("the entry count");
  ZlibInflater inflater;
  for (uint32_t i = 0; i < count; ++i) {
    std::string name;
    try {
      ReadEntry(in, inflater, name, convertor);
    } catch (const SkinPackageError& e) {
      throw SkinPackageError(EntryLabel(i, count, name) + ": " + e.what());
    }
  }
}

}  // namespace

TacFileType FileTypeOf(std::string_view name) {
  const size_t dot = name.rfind('.');
  const std::string ext = dot == std::string_view::npos ? std::string() : AsciiUpper(name.substr(dot));
  if (ext == ".BMP") return TacFileType::ftBmp;
  if (ext == ".TTF" || ext == ".OTF") return TacFileType::ftFont;
  return TacFileType::ftOther;
}

const TacFileItem* TacSkinConvertor::FindFile(std::string_view wanted) const {
  const auto it = std::find_if(Files.begin(), Files.end(),
                               [&](const TacFileItem& item) { return AsciiUpper(item.Name) == wanted; });
  return it == Files.end() ? nullptr : &*it;
}

void TacSkinConvertor::Clear() {
  Files.clear();
  Options.reset();
  OptionsName.clear();
}

bool UnpackSkin(std::span<const uint8_t> PackedData, TacSkinConvertor& Convertor, SkinErrorSink& Errors) {
  Convertor.Clear();
  const auto magic = AsBytes(kSkinPackageMagic);
  if (PackedData.size() < magic.size() || !std::equal(magic.begin(), magic.end(), PackedData.begin())) {
    Errors.ShowError(kNotPackedSkinText);
    return false;
  }
  ByteReader in(PackedData);
  in.Skip(magic.size(), "the signature");
  try {
    ReadEntries(in, Convertor);
  } catch (const SkinPackageError& e) {
    Convertor.Clear();
    throw SkinPackageError(std::string("The skin package is damaged: ") + e.what() + ".");
  } catch (...) {
    Convertor.Clear();
    throw;
  }
  return true;
}

bool UnpackSkinFile(const std::filesystem::path& FileName, TacSkinConvertor& Convertor, SkinErrorSink& Errors) {
  const auto bytes = ReadFileBytes(FileName);
  if (!bytes) return false;
  return UnpackSkin(*bytes, Convertor, Errors);
}
