#include <fstream>
#include <system_error>

#include "skin/data/acZLibEx.h"

namespace {
std::string Utf8Name(const std::filesystem::path& file) {
  const std::u8string name = file.u8string();
  return {name.begin(), name.end()};
}
}  // namespace

std::optional<std::vector<uint8_t>> ReadFileBytes(const std::filesystem::path& file, uint64_t maxSize) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
  const uint64_t size = std::filesystem::file_size(file, ec);
  if (ec) throw SkinPackageError("Cannot read \"" + Utf8Name(file) + "\": " + ec.message() + ".");
  if (size > maxSize) throw SkinPackageError("\"" + Utf8Name(file) + "\" is too large to be a skin file.");
  std::vector<uint8_t> bytes(static_cast<size_t>(size));
  std::ifstream in(file, std::ios::binary);
  if (!in || !in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)) ||
      in.peek() != std::ifstream::traits_type::eof())
    throw SkinPackageError("Cannot read \"" + Utf8Name(file) + "\".");
  return bytes;
}

bool WriteFileBytes(const std::filesystem::path& file, std::span<const uint8_t> bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  out.close();
  return static_cast<bool>(out);
}
