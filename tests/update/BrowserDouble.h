#pragma once
// Watches what the shell opens in the web browser: Wine's winebrowser is told to run a
// script that logs each address instead of starting a browser (value "Browsers" of
// HKCU\Software\Wine\WineBrowser in the test's own Wine prefix). The setting is left in place
// afterwards: the shell hands addresses over asynchronously, and one that arrives late
// must still never reach a real browser.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

class BrowserDouble {
 public:
  // Installs the double and starts a fresh log.
  BrowserDouble();
  BrowserDouble(const BrowserDouble&) = delete;
  BrowserDouble& operator=(const BrowserDouble&) = delete;

  // The addresses opened so far, once `count` of them have arrived or the time is up.
  std::vector<std::wstring> WaitForOpened(size_t count,
                                          std::chrono::milliseconds limit = std::chrono::seconds(10));
  // The addresses opened within the given time (to show that nothing was).
  std::vector<std::wstring> OpenedWithin(std::chrono::milliseconds time);

 private:
  std::vector<std::wstring> Opened() const;
};
