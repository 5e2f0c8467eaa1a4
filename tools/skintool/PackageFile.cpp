#include "tools/skintool/PackageFile.h"

#include <algorithm>
#include <ostream>

#include "skin/data/acSkinErrors.h"
#include "tools/skintool/CommandLine.h"

bool StartsWithBytes(std::span<const uint8_t> bytes, std::string_view prefix) {
  return bytes.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), bytes.begin(), [](char a, uint8_t b) { return static_cast<uint8_t>(a) == b; });
}

std::optional<std::vector<uint8_t>> LoadPackageFile(const std::string& file, std::string_view command, ToolIo& io) {
  try {
    auto bytes = ReadFileBytes(PathFromUtf8(file));
    if (!bytes) {
      io.err << "skintool " << command << ": \"" << file << "\" does not exist or is not a file\n";
      return std::nullopt;
    }
    if (!StartsWithBytes(*bytes, kSkinPackageMagic)) {
      io.err << "skintool " << command << ": \"" << file << "\": " << kNotPackedSkinText << '\n';
      return std::nullopt;
    }
    return bytes;
  } catch (const SkinPackageError& e) {
    io.err << "skintool " << command << ": " << e.what() << '\n';
    return std::nullopt;
  }
}

bool UnpackForTool(const std::vector<uint8_t>& bytes, TacSkinConvertor& convertor, const std::string& file,
                   std::string_view command, ToolIo& io) {
  RecordingErrorSink errors;
  try {
    if (UnpackSkin(bytes, convertor, errors)) return true;
  } catch (const SkinPackageError& e) {
    errors.ShowError(e.what());
  }
  for (const std::string& error : errors.errors) io.err << "skintool " << command << ": \"" << file << "\": " << error << '\n';
  return false;
}

bool WriteOutputFile(const std::filesystem::path& file, std::span<const uint8_t> bytes, std::string_view command,
                     ToolIo& io) {
  if (WriteFileBytes(file, bytes)) return true;
  io.err << "skintool " << command << ": cannot write \"" << Utf8FromPath(file) << "\"\n";
  return false;
}
