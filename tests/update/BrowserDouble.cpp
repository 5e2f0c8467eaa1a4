#include "tests/update/BrowserDouble.h"

#include <thread>

#include "tests/support/TestFiles.h"
#include "tests/support/WineHost.h"

namespace {

constexpr wchar_t kKey[] = L"Software\\Wine\\WineBrowser";
constexpr wchar_t kValue[] = L"Browsers";

std::wstring LogFile() { return winehost::WindowsPath(BROWSER_DOUBLE_LOG); }

// Creates the key when it is missing; no key handle stays open.
void WriteSetting(const std::wstring& value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, kKey, kValue, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

}  // namespace

BrowserDouble::BrowserDouble() {
  DeleteFileW(LogFile().c_str());
  WriteSetting(winehost::FromUtf8(BROWSER_DOUBLE_SCRIPT));
}

std::vector<std::wstring> BrowserDouble::Opened() const {
  std::vector<std::wstring> lines;
  const std::string log = ReadBytes(LogFile());
  size_t start = 0;
  for (size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1)
    lines.push_back(winehost::FromUtf8(log.substr(start, end - start)));
  return lines;
}

std::vector<std::wstring> BrowserDouble::WaitForOpened(size_t count,
                                                       std::chrono::milliseconds limit) {
  winehost::WaitUntil([&] { return Opened().size() >= count; }, limit);
  return Opened();
}

std::vector<std::wstring> BrowserDouble::OpenedWithin(std::chrono::milliseconds time) {
  std::this_thread::sleep_for(time);
  return Opened();
}
