// powershell.exe for Windows tests: appends to the log named by PSDOUBLE_LOG how it was
// started (command line, start-up show command and flags, the bytes of every .ps1 file it
// names), waits PSDOUBLE_SLEEP_MS, then exits with PSDOUBLE_EXIT.
#include <windows.h>

#include <cwchar>
#include <string>
#include <string_view>

#include "common/UniqueHandle.h"
#include "tests/doubles/powershell/PsDoubleLog.h"

namespace {

std::wstring EnvVar(const wchar_t* name) {
  DWORD size = GetEnvironmentVariableW(name, nullptr, 0);
  if (size == 0) return {};
  std::wstring value(size, L'\0');
  value.resize(GetEnvironmentVariableW(name, value.data(), size));
  return value;
}

long EnvNumber(const wchar_t* name) { return std::wcstol(EnvVar(name).c_str(), nullptr, 10); }

bool EndsWithPs1(std::wstring_view token) {
  if (token.size() < 4) return false;
  std::wstring_view tail = token.substr(token.size() - 4);
  for (size_t i = 0; i < 4; ++i) {
    wchar_t c = tail[i];
    if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
    if (c != L".ps1"[i]) return false;
  }
  return true;
}

std::string FileBytesAsHex(const std::wstring& path) {
  marv::UniqueHandle file = marv::AdoptHandle(CreateFileW(
      path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return kPsDoubleMissing;
  std::string bytes;
  char buffer[4096];
  DWORD n = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &n, nullptr) && n > 0) bytes.append(buffer, n);
  return psdouble::ToHex(bytes);
}

std::string Record() {
  std::wstring_view commandLine = GetCommandLineW();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);

  std::string record = "CMD " + psdouble::ToUtf8(commandLine) + "\n";
  record += "SHOW " + std::to_string(startup.wShowWindow) + " FLAGS " +
            std::to_string(startup.dwFlags) + "\n";
  while (!commandLine.empty()) {
    size_t end = commandLine.find_first_of(L" \t");
    std::wstring token(commandLine.substr(0, end));
    commandLine = end == std::wstring_view::npos ? std::wstring_view{} : commandLine.substr(end + 1);
    if (!EndsWithPs1(token)) continue;
    record += "SCRIPT " + psdouble::ToUtf8(token) + "\n";
    record += "BYTES " + FileBytesAsHex(token) + "\n";
  }
  return record + "END\n";
}

// Tests may run several doubles at once: append-only access plus a lock over the whole
// file keep each record in one piece.
void Append(const std::wstring& logPath, const std::string& record) {
  marv::UniqueHandle log = marv::AdoptHandle(CreateFileW(
      logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
      nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!log) return;
  OVERLAPPED whole{};
  const bool locked = LockFileEx(log.get(), LOCKFILE_EXCLUSIVE_LOCK, 0, MAXDWORD, MAXDWORD, &whole);
  DWORD written = 0;
  WriteFile(log.get(), record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
  if (locked) UnlockFileEx(log.get(), 0, MAXDWORD, MAXDWORD, &whole);
}

}  // namespace

int main() {
  const std::wstring logPath = EnvVar(kPsDoubleLogVar);
  if (!logPath.empty()) Append(logPath, Record());
  if (long ms = EnvNumber(kPsDoubleSleepVar); ms > 0) Sleep(static_cast<DWORD>(ms));
  return static_cast<int>(EnvNumber(kPsDoubleExitVar));
}
