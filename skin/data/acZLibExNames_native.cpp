#include "skin/data/acZLibExNames.h"

std::string AnsiToUtf8(std::span<const uint8_t> ansi) {
  std::string utf8;
  utf8.reserve(ansi.size());
  for (uint8_t b : ansi) {
    if (b < 0x80) {
      utf8 += static_cast<char>(b);
    } else {
      utf8 += static_cast<char>(0xC0 | (b >> 6));
      utf8 += static_cast<char>(0x80 | (b & 0x3F));
    }
  }
  return utf8;
}

std::optional<std::string> Utf8ToAnsi(std::string_view utf8) {
  std::string ansi;
  for (size_t i = 0; i < utf8.size(); ++i) {
    const auto b = static_cast<uint8_t>(utf8[i]);
    if (b < 0x80) {
      ansi += static_cast<char>(b);
      continue;
    }
    // Only two-byte sequences for U+0080..U+00FF have a Latin-1 form.
    if ((b != 0xC2 && b != 0xC3) || i + 1 >= utf8.size()) return std::nullopt;
    const auto next = static_cast<uint8_t>(utf8[++i]);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    ansi += static_cast<char>(((b & 0x03) << 6) | (next & 0x3F));
  }
  return ansi;
}
