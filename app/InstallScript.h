#pragma once
// The install scripts the executable carries (resource type "PS1FILE"), written out byte
// for byte.
#include <optional>
#include <string>
#include <string_view>

// The script of that name, found in any letter case; nothing when there is none.
std::optional<std::string> LoadInstallScript(const std::wstring& name);
// Writes the bytes to path, replacing any file there; false when that failed.
bool WriteScriptFile(const std::wstring& path, std::string_view bytes);
