#include "skin/windows/acSkinEditorLink.h"

#include "common/UniqueHandle.h"

uintptr_t TacSkinEditorWindowLink::FindEditor() {
  return reinterpret_cast<uintptr_t>(FindWindowW(nullptr, kSkinEditorTitle));
}

std::optional<intptr_t> TacSkinEditorWindowLink::OfferHost(uintptr_t editor, uintptr_t hostWindow) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(reinterpret_cast<HWND>(editor), kSkinEditorMessage, kEditorRegisterHost,
                           static_cast<LPARAM>(hostWindow), SMTO_ABORTIFHUNG | SMTO_BLOCK, kEditorAnswerTimeoutMs,
                           &answer))
    return std::nullopt;
  return static_cast<intptr_t>(answer);
}

bool ProcessIsElevated() {
  HANDLE raw = nullptr;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
  const marv::UniqueHandle token = marv::AdoptHandle(raw);
  TOKEN_ELEVATION elevation{};
  DWORD size = 0;
  return GetTokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
         elevation.TokenIsElevated;
}

bool OpenWindowToEditor(HWND window, bool startedAsPreviewHost) {
  using FilterFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
  constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
  // Looked up at run time: the call is missing from older systems and some import libraries.
  const auto filter = reinterpret_cast<FilterFn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "ChangeWindowMessageFilterEx")));
  bool allowed = true;
  for (const uint32_t message : EditorMessagesToAllow(startedAsPreviewHost, ProcessIsElevated()))
    allowed = filter != nullptr && filter(window, message, kAllow, nullptr) && allowed;
  return allowed;
}
