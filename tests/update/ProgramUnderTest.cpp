#include "tests/update/ProgramUnderTest.h"

#include <algorithm>

#include "tests/support/WineHost.h"

ProgramUnderTest::ProgramUnderTest(const std::wstring& executable) {
  std::wstring commandLine = L"\"" + executable + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &started))
    return;
  process_.reset(started.hProcess);
  marv::UniqueHandle thread(started.hThread);
  id_ = started.dwProcessId;
}

ProgramUnderTest::~ProgramUnderTest() {
  if (Running()) {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
  }
}

bool ProgramUnderTest::Running() const {
  return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

bool ProgramUnderTest::WaitForExit(std::chrono::milliseconds limit, DWORD* exitCode) {
  if (!process_ ||
      WaitForSingleObject(process_.get(), static_cast<DWORD>(limit.count())) != WAIT_OBJECT_0)
    return false;
  if (exitCode) GetExitCodeProcess(process_.get(), exitCode);
  return true;
}

std::vector<HWND> ProgramUnderTest::Windows() const {
  struct Search {
    DWORD id;
    std::vector<HWND> found;
  } search{id_, {}};
  EnumWindows(
      [](HWND window, LPARAM context) -> BOOL {
        auto* s = reinterpret_cast<Search*>(context);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        // Border and effect windows are tool windows beside the forms: not counted.
        const bool tool = GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW;
        if (owner == s->id && IsWindowVisible(window) && !tool) s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND ProgramUnderTest::WaitForWindow(const std::function<bool(HWND)>& matches,
                                     std::chrono::milliseconds limit) const {
  HWND found = nullptr;
  winehost::WaitUntil(
      [&] {
        for (HWND window : Windows()) {
          if (matches(window)) {
            found = window;
            return true;
          }
        }
        return false;
      },
      limit);
  return found;
}

std::wstring ProgramBesideTest(const std::wstring& fileName) {
  wchar_t self[MAX_PATH];
  const std::wstring path(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  return path.substr(0, path.find_last_of(L'\\') + 1) + fileName;
}

std::wstring FileUrl(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return L"file:///" + path;
}

std::wstring WindowText(HWND window) {
  wchar_t text[512] = L"";
  GetWindowTextW(window, text, static_cast<int>(std::size(text)));
  return text;
}

std::wstring WindowClass(HWND window) {
  wchar_t name[256] = L"";
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

bool IsMessageBox(HWND window) { return WindowClass(window) == L"#32770"; }

std::wstring MessageBoxText(HWND box) {
  wchar_t text[512] = L"";
  GetDlgItemTextW(box, 0xFFFF, text, static_cast<int>(std::size(text)));
  return text;
}

HWND FindChildWithText(HWND parent, const std::wstring& text) {
  return FindWindowExW(parent, nullptr, nullptr, text.c_str());
}

RECT BoundsInParent(HWND child) {
  RECT r;
  GetWindowRect(child, &r);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
  return r;
}

SIZE ClientSizeAt96(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  return SIZE{MulDiv(client.right, 96, dpi), MulDiv(client.bottom, 96, dpi)};
}

void ClickAt(HWND window, int x, int y) {
  const int dpi = static_cast<int>(GetDpiForWindow(window));
  const LPARAM at = MAKELPARAM(MulDiv(x, dpi, 96), MulDiv(y, dpi, 96));
  PostMessageW(window, WM_MOUSEMOVE, 0, at);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, at);
  PostMessageW(window, WM_LBUTTONUP, 0, at);
}

void Press(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }
