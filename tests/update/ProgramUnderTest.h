#pragma once
// Runs the program as a separate process and watches its windows from outside, the way a
// user meets it. The process inherits this process's environment (temporary folder,
// server addresses); one still running at the end is terminated.
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "common/UniqueHandle.h"

class ProgramUnderTest {
 public:
  explicit ProgramUnderTest(const std::wstring& executable);
  ~ProgramUnderTest();
  ProgramUnderTest(const ProgramUnderTest&) = delete;
  ProgramUnderTest& operator=(const ProgramUnderTest&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  bool Running() const;
  // True when the process has ended within the time; its exit code goes to *exitCode.
  bool WaitForExit(std::chrono::milliseconds limit, DWORD* exitCode = nullptr);

  // The process's visible top-level windows.
  std::vector<HWND> Windows() const;
  // Its first visible top-level window that matches, waiting up to the limit; null if none.
  HWND WaitForWindow(const std::function<bool(HWND)>& matches,
                     std::chrono::milliseconds limit = std::chrono::seconds(20)) const;

 private:
  marv::UniqueHandle process_;
  DWORD id_ = 0;
};

// The path of a program built beside this test executable.
std::wstring ProgramBesideTest(const std::wstring& fileName);
// A local path as a file: URL.
std::wstring FileUrl(std::wstring path);

// What can be read and done from outside.
std::wstring WindowText(HWND window);
std::wstring WindowClass(HWND window);
bool IsMessageBox(HWND window);
// The text of a message box.
std::wstring MessageBoxText(HWND box);
// The child window with this text (a push button); null when there is none.
HWND FindChildWithText(HWND parent, const std::wstring& text);
// A child window's place in its parent's client area, in pixels.
RECT BoundsInParent(HWND child);
// The client area's size in 96-DPI units.
SIZE ClientSizeAt96(HWND window);
// A mouse click at a point of the client area given in 96-DPI units (window-less
// controls see it through their parent).
void ClickAt(HWND window, int x, int y);
// Presses a push button as a click would.
void Press(HWND button);
