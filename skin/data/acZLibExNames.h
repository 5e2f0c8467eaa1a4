#pragma once
// Entry names of skin packages. A package stores them in the system ANSI code page; the
// engine uses UTF-8. Every conversion between the two happens here. Case-insensitive
// matching folds ASCII letters only, so both builds agree on which names match.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Windows: the system ANSI code page. Linux: ISO 8859-1, so every byte string round-trips.
std::string AnsiToUtf8(std::span<const uint8_t> ansi);
// nullopt when the text is not valid UTF-8 or a character has no ANSI form.
std::optional<std::string> Utf8ToAnsi(std::string_view utf8);

std::string AsciiUpper(std::string_view text);
bool SameTextAscii(std::string_view a, std::string_view b);
