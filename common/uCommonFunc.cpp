#include "common/uCommonFunc.h"

#include <shellapi.h>
#include <urlmon.h>
#include <wininet.h>

#include <array>
#include <vector>

#include "common/HttpStatusCallback.h"
#include "common/ThreadWindowsDisabled.h"
#include "common/UniqueHandle.h"

int32_t RunProcess(const std::wstring& commandLine, uint16_t show, bool wait,
                   uint32_t* processId) {
  std::wstring writable = commandLine;  // CreateProcessW may write into its buffer
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  // No busy-cursor feedback: the commands run hidden and never show a window.
  startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_FORCEOFFFEEDBACK;
  startup.wShowWindow = show;
  PROCESS_INFORMATION started{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup,
                      &started))
    return -1;
  marv::UniqueHandle process(started.hProcess);
  marv::UniqueHandle thread(started.hThread);
  if (!wait) {
    if (processId) *processId = started.dwProcessId;
    return -1;
  }
  DWORD exitCode = 0;
  if (WaitForSingleObject(process.get(), INFINITE) != WAIT_OBJECT_0 ||
      !GetExitCodeProcess(process.get(), &exitCode))
    return -1;
  return static_cast<int32_t>(exitCode);
}

void OpenUrl(const std::wstring& url) {
  ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring GetFileVersion(const std::wstring& path, int parts) {
  if (parts < 2 || parts > 4) return {};
  std::array<WORD, 4> version{};  // stays all zeros unless the record is sound
  if (DWORD size = GetFileVersionInfoSizeW(path.c_str(), nullptr)) {
    std::vector<BYTE> record(size);
    void* fixedPart = nullptr;
    UINT fixedLength = 0;
    if (GetFileVersionInfoW(path.c_str(), 0, size, record.data()) &&
        VerQueryValueW(record.data(), L"\\", &fixedPart, &fixedLength) && fixedPart &&
        fixedLength >= sizeof(VS_FIXEDFILEINFO)) {
      const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(fixedPart);
      version = {HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
                 HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS)};
    }
  }
  std::wstring text = std::to_wstring(version[0]);
  for (int i = 1; i < parts; ++i) text += L"." + std::to_wstring(version[i]);
  return text;
}

std::wstring GetOwnVersion(int parts) {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return GetFileVersion(L"", parts);
    if (length < path.size()) {
      path.resize(length);
      return GetFileVersion(path, parts);
    }
    path.resize(path.size() * 2);  // truncated: try a larger buffer
  }
}

namespace {

// URL monikers want COM on the calling thread; a thread that already has it keeps it.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

}  // namespace

bool DownloadFile(const std::wstring& url, const std::wstring& fileName) {
  ComScope com;
  HttpStatusCallback::Owner watcher = HttpStatusCallback::Create();
  if (URLDownloadToFileW(nullptr, url.c_str(), fileName.c_str(), 0, watcher.get()) != S_OK)
    return false;
  const DWORD status = watcher->status();
  if (status == 0 || (status >= 200 && status < 300)) return true;
  // The call saved the server's error page under the name asked for: it is no download.
  DeleteFileW(fileName.c_str());
  return false;
}

bool CheckNetwork(const std::wstring& probeUrl) {
  return InternetCheckConnectionW(probeUrl.c_str(), FLAG_ICC_FORCE_CONNECTION, 0) != FALSE;
}

namespace {

// The first visible top-level window of this thread that no other window owns: the main
// window (the program's other windows are owned by it).
HWND ThreadMainWindow() {
  HWND found = nullptr;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND w, LPARAM result) -> BOOL {
        if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER)) return TRUE;
        *reinterpret_cast<HWND*>(result) = w;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// The active window; while the program is in the background (no window is active), the
// one of its windows the user had last, else the main window. A box without an owner
// would leave the program usable under it.
HWND BoxOwner() {
  if (HWND active = GetActiveWindow()) return active;
  HWND main = ThreadMainWindow();
  if (!main) return nullptr;
  HWND last = GetLastActivePopup(main);
  return last && IsWindowVisible(last) && IsWindowEnabled(last) ? last : main;
}

int ShowBox(const std::wstring& text, const std::wstring& caption, UINT style) {
  HWND owner = BoxOwner();
  // The box disables its owner itself; the program's other windows wait as well.
  const ThreadWindowsDisabled others(owner);
  return MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}

}  // namespace

bool ShowMsg(const std::wstring& text, const std::wstring& caption, bool ask) {
  if (ask) return ShowBox(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
  return ShowBox(text, caption, MB_OK | MB_ICONINFORMATION) != 0;
}

bool ShowMsg(const std::wstring& text, const std::wstring& caption, MsgIcon icon) {
  const UINT style = MB_OK | (icon == MsgIcon::Warning ? MB_ICONWARNING : MB_ICONINFORMATION);
  return ShowBox(text, caption, style) != 0;
}

void DeletePath(const std::wstring& path, bool isFolder) {
  if (isFolder)
    DeleteFolder(path);
  else
    DeleteFileW(path.c_str());
}

namespace {

bool IsFolderLink(DWORD attributes) {
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) &&
         (attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

bool IsFolder(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

bool DeleteFolder(const std::wstring& path) {
  // A link handed in as the folder itself goes the same way as one met inside it.
  if (IsFolderLink(GetFileAttributesW(path.c_str()))) return RemoveDirectoryW(path.c_str());
  std::wstring folder = path;
  if (folder.empty() || folder.back() != L'\\') folder += L'\\';
  WIN32_FIND_DATAW entry;
  if (marv::UniqueFindHandle find = marv::AdoptFindHandle(FindFirstFileW((folder + L"*.*").c_str(), &entry))) {
    do {
      const std::wstring name = entry.cFileName;
      const std::wstring full = folder + name;
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        DeleteFileW(full.c_str());
      else if (name == L"." || name == L"..")
        continue;
      else if (IsFolderLink(entry.dwFileAttributes))
        RemoveDirectoryW(full.c_str());  // the link only, never its target
      else if (IsFolder(full))
        DeleteFolder(full);
    } while (FindNextFileW(find.get(), &entry));
  }
  return RemoveDirectoryW(path.c_str());
}
