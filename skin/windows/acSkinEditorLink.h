#pragma once
// The preview host's side of the conversation with an external skin editor, on Windows:
// finding the editor's window, offering it the host's window without ever hanging on an
// editor that does not answer, and opening the host's window to the editor's messages.
#include <windows.h>

#include "skin/data/acPreviewHost.h"

// The title of the editor's main window, by which the host finds it.
inline constexpr wchar_t kSkinEditorTitle[] = L"Marvolena Skin Editor";
inline constexpr UINT kEditorAnswerTimeoutMs = 1000;

class TacSkinEditorWindowLink final : public IacSkinEditorLink {
 public:
  uintptr_t FindEditor() override;
  std::optional<intptr_t> OfferHost(uintptr_t editor, uintptr_t hostWindow) override;
};

// Whether this process runs elevated.
bool ProcessIsElevated();
// Lets WM_COPYDATA and the editor's message reach `window` from a less privileged editor
// when EditorMessagesToAllow says so. False when the system refused.
bool OpenWindowToEditor(HWND window, bool startedAsPreviewHost);
