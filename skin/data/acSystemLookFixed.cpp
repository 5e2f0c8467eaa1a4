#include "skin/data/acSystemLook.h"

#include <array>

namespace {
// Windows 10 defaults, indexes 0..30 (COLORREF, red in the low byte).
constexpr std::array<uint32_t, 31> kWindows10Colors = {
    0xC8C8C8, 0x000000, 0xD1B499, 0xDBCDBF, 0xF0F0F0, 0xFFFFFF, 0x646464, 0x000000,
    0x000000, 0x000000, 0xB4B4B4, 0xFCF7F4, 0xABABAB, 0xD77800, 0xFFFFFF, 0xF0F0F0,
    0xA0A0A0, 0x6D6D6D, 0x000000, 0x000000, 0xFFFFFF, 0x696969, 0xE3E3E3, 0x000000,
    0xE1FFFF, 0x000000, 0xCC6600, 0xEAD1B9, 0xF2E4D7, 0xD77800, 0xF0F0F0,
};
}  // namespace

uint32_t TacFixedSystemLook::SysColor(int index) const {
  return index >= 0 && index < static_cast<int>(kWindows10Colors.size()) ? kWindows10Colors[index] : 0;
}
