#include "tools/skintool/PlainFileName.h"

#include <array>

#include "skin/data/acZLibExNames.h"

namespace {

bool IsDeviceName(std::string_view name) {
  const std::string base = AsciiUpper(name.substr(0, name.find('.')));
  static constexpr std::array<std::string_view, 4> kDevices{"CON", "PRN", "AUX", "NUL"};
  for (std::string_view device : kDevices)
    if (base == device) return true;
  return base.size() == 4 && (base.starts_with("COM") || base.starts_with("LPT")) && base[3] >= '0' &&
         base[3] <= '9';
}

}  // namespace

bool IsPlainFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name)
    if (static_cast<unsigned char>(c) < 0x20 || std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
      return false;
  if (name.back() == '.' || name.back() == ' ') return false;  // Windows would drop them
  return !IsDeviceName(name);
}
