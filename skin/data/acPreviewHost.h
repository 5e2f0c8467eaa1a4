#pragma once
// The program as a preview host of an external skin editor. Started with "/acpreview", it
// offers its main window to the editor once; the editor then sends skins to preview
// (acSkinEditorData.h) and a few requests of its own. These are the rules; the window
// side talks to the editor through IacSkinEditorLink.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/data/acSkinEditorData.h"

inline constexpr std::string_view kPreviewHostArgument = "/acpreview";
inline constexpr uint32_t kSkinEditorMessage = 0xA400;  // both ways between editor and host
inline constexpr uintptr_t kEditorRegisterHost = 3;     // wParam: lParam is the host's window
inline constexpr int kEditorLookups = 101;
inline constexpr uint32_t kCopyDataMessage = 0x4A;      // WM_COPYDATA

// The first program argument is exactly "/acpreview".
bool IsPreviewHostArgument(const std::vector<std::string>& arguments);

// The editor as the host reaches it.
class IacSkinEditorLink {
 public:
  virtual ~IacSkinEditorLink() = default;
  // The editor's top-level window, 0 when none is open.
  virtual uintptr_t FindEditor() = 0;
  // Offers `hostWindow` to the editor; the editor's answer, nullopt when it gave none in time.
  virtual std::optional<intptr_t> OfferHost(uintptr_t editor, uintptr_t hostWindow) = 0;
};

struct TacPreviewHostState {
  bool PreviewMode = false;       // started with "/acpreview" and not registered yet
  uintptr_t RegisteredWindow = 0;  // the window offered to the editor; 0 until then
};

// Registers `window` once: only while in preview mode with nothing registered, and only
// for a window that qualifies (the main form's, or any form's without a main form). The
// window counts as registered from the first try, found or not; the editor is looked up
// and offered the window until it answers 1, at most kEditorLookups times, and not again
// once no editor is found. Answers how many lookups were made.
int RegisterPreviewHost(TacPreviewHostState& state, uintptr_t window, bool qualifies, IacSkinEditorLink& editor);

// What the registered window does with the editor's kSkinEditorMessage, by wParam.
enum class TacEditorRequest { CloseForm, PassOn, AnswerOne };
TacEditorRequest EditorRequest(uintptr_t wParam);  // 1 close, 4 answer 1, anything else passed on

// The messages a preview host lets through from an editor of lower rights (a program
// that runs elevated refuses them otherwise): only for a host started with "/acpreview",
// and only when the host runs elevated.
std::vector<uint32_t> EditorMessagesToAllow(bool startedAsPreviewHost, bool elevated);

// A copy-data message that is a skin preview: wParam 7 and a valid record.
std::optional<TacSkinPreview> AcceptEditorCopyData(uintptr_t wParam, std::span<const uint8_t> data);
