#include "skin/data/acPreviewHost.h"

bool IsPreviewHostArgument(const std::vector<std::string>& arguments) {
  return !arguments.empty() && arguments.front() == kPreviewHostArgument;
}

int RegisterPreviewHost(TacPreviewHostState& state, uintptr_t window, bool qualifies, IacSkinEditorLink& editor) {
  if (!state.PreviewMode || state.RegisteredWindow != 0 || window == 0 || !qualifies) return 0;
  state.RegisteredWindow = window;
  state.PreviewMode = false;
  int lookups = 0;
  while (lookups < kEditorLookups) {
    ++lookups;
    const uintptr_t found = editor.FindEditor();
    if (found == 0) break;
    if (editor.OfferHost(found, window) == 1) break;
  }
  return lookups;
}

TacEditorRequest EditorRequest(uintptr_t wParam) {
  switch (wParam) {
    case 1: return TacEditorRequest::CloseForm;
    case 4: return TacEditorRequest::AnswerOne;
    default: return TacEditorRequest::PassOn;
  }
}

std::vector<uint32_t> EditorMessagesToAllow(bool startedAsPreviewHost, bool elevated) {
  if (!startedAsPreviewHost || !elevated) return {};
  return {kCopyDataMessage, kSkinEditorMessage};
}

std::optional<TacSkinPreview> AcceptEditorCopyData(uintptr_t wParam, std::span<const uint8_t> data) {
  if (wParam != kSkinEditorCopyDataKind) return std::nullopt;
  return ParseSkinEditorData(data);
}
