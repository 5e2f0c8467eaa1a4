#pragma once
// UTF-8 (the engine's strings) to and from UTF-16 (the Windows calls').
#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);
