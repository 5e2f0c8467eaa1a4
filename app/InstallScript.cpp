#include "app/InstallScript.h"

#include <windows.h>

#include <filesystem>
#include <fstream>

std::optional<std::string> LoadInstallScript(const std::wstring& name) {
  const HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, name.c_str(), L"PS1FILE");
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  return std::string(static_cast<const char*>(bytes), SizeofResource(module, found));
}

bool WriteScriptFile(const std::wstring& path, std::string_view bytes) {
  const std::filesystem::path file(path);
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (out) return true;
  DeleteFileW(path.c_str());  // no half-written script is left behind
  return false;
}
