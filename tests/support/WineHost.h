#pragma once
// Reaching the Linux host from Windows tests that run under Wine: path conversion both
// ways and starting host shell scripts (the python web server, symbolic links).
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

#include "common/UniqueHandle.h"
#include "tests/support/TestFiles.h"

namespace winehost {

// Wine's kernel32 exports these; they hand back buffers from the process heap.
using ToUnixFn = char*(CDECL*)(const wchar_t*);
using ToDosFn = wchar_t*(CDECL*)(const char*);

struct HeapFreer {
  void operator()(void* p) const noexcept { HeapFree(GetProcessHeap(), 0, p); }
};

template <typename Fn>
Fn Export(const char* name) {
  return reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), name)));
}

inline std::wstring FromUtf8(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  out.resize(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                 out.data(), static_cast<int>(out.size())));
  return out;
}

// Empty when not running under Wine.
inline std::string UnixPath(const std::wstring& windowsPath) {
  auto toUnix = Export<ToUnixFn>("wine_get_unix_file_name");
  if (!toUnix) return {};
  std::unique_ptr<char, HeapFreer> path(toUnix(windowsPath.c_str()));
  return path ? std::string(path.get()) : std::string();
}

// Unchanged when not running under Wine (then the path already is a Windows one).
inline std::wstring WindowsPath(const std::string& hostPath) {
  auto toDos = Export<ToDosFn>("wine_get_dos_file_name");
  if (toDos) {
    std::unique_ptr<wchar_t, HeapFreer> path(toDos(hostPath.c_str()));
    if (path) return path.get();
  }
  return FromUtf8(hostPath);
}

// Starts /bin/sh on a script file; Wine gives no handle for host processes, so callers
// watch for the script's effects.
inline bool StartShellScript(const TempFolder& folder, const std::wstring& name,
                             const std::string& script) {
  const std::wstring file = folder / name;
  WriteBytes(file, script);
  // Host programs get their arguments as they are: the script goes by its host path.
  std::wstring commandLine =
      L"\"" + WindowsPath("/bin/sh") + L"\" \"" + FromUtf8(UnixPath(file)) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &started))
    return false;
  marv::UniqueHandle process(started.hProcess);
  marv::UniqueHandle thread(started.hThread);
  return true;
}

// Polls until done() holds or the time is up; the result is done()'s last answer.
template <typename Done>
bool WaitUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto end = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() >= end) return done();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace winehost
