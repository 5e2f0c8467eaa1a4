#include "app/AppCommands.h"

#include <windows.h>

#include <string_view>

#include "common/uCommonFunc.h"

namespace {

std::wstring EnvironmentVariable(const wchar_t* name) {
  const DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

// Whether PowerShell takes the path, given as a command, as one plain path.
bool PlainForPowerShell(std::wstring_view path) {
  return !path.empty() && path.find_first_of(L" \t'\"`$&(){};,|@<>[]#") == std::wstring_view::npos;
}

std::wstring ShortPath(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring shortPath(size, L'\0');
  shortPath.resize(GetShortPathNameW(path.c_str(), shortPath.data(), size));
  return shortPath;
}

}  // namespace

std::wstring UninstallAppCommand(const std::wstring& appName) {
  return L"PowerShell.exe Get-AppxPackage *" + appName + L"* | Remove-AppxPackage";
}

std::wstring TempScriptPath(const std::wstring& fileName) {
  return EnvironmentVariable(L"temp") + L"\\" + fileName;
}

std::wstring BulkScriptName() {
  // Thread ids are unique among the system's running threads.
  return L"ps-" + std::to_wstring(GetCurrentThreadId()) + L".ps1";
}

std::wstring ScriptCommandFor(const std::wstring& path, const std::wstring& shortPath) {
  if (PlainForPowerShell(path)) return L"powershell.exe " + path;
  if (PlainForPowerShell(shortPath)) return L"powershell.exe " + shortPath;
  return L"powershell.exe -File \"" + path + L"\"";
}

std::wstring ScriptCommand(const std::wstring& path) {
  return ScriptCommandFor(path, PlainForPowerShell(path) ? std::wstring() : ShortPath(path));
}

bool RunStep(const std::wstring& commandLine) {
  return RunProcess(commandLine, SW_HIDE, true) == 0;
}

bool RunInstallScript(const std::wstring& path) {
  const bool opened = RunStep(kOpenPolicyCommand);
  const bool ran = RunStep(ScriptCommand(path));
  const bool closed = RunStep(kClosePolicyCommand);
  return opened && ran && closed;
}
