#pragma once
// wchar_t is UTF-16 on Windows: the portable rules, written for std::u16string, take the
// same code units.
#include <string>
#include <string_view>

inline std::u16string ToU16(std::wstring_view text) { return {text.begin(), text.end()}; }
inline std::wstring ToWide(std::u16string_view text) { return {text.begin(), text.end()}; }
