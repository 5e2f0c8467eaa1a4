#include "skin/forms/acPreviewHostWindow.h"

#include "skin/windows/acSkinEditorLink.h"

TacPreviewHostWindow::TacPreviewHostWindow(const std::vector<std::string>& arguments,
                                           std::unique_ptr<IacSkinEditorLink> editor)
    : startedAsHost_(IsPreviewHostArgument(arguments)), editor_(std::move(editor)) {
  state_.PreviewMode = startedAsHost_;
}

void TacPreviewHostWindow::Register(HWND window) {
  if (!state_.PreviewMode || state_.RegisteredWindow != 0) return;
  OpenWindowToEditor(window, startedAsHost_);
  RegisterPreviewHost(state_, reinterpret_cast<uintptr_t>(window), true, *editor_);
}

bool TacPreviewHostWindow::OnMessage(marv::Message& m, HWND window) {
  if (m.Msg == WM_SHOWWINDOW && m.WParam) {
    Register(window);
    return false;
  }
  if (m.Msg != kSkinEditorMessage || window == nullptr || window != Registered()) return false;
  switch (EditorRequest(static_cast<uintptr_t>(m.WParam))) {
    case TacEditorRequest::CloseForm:
      PostMessageW(window, WM_CLOSE, 0, 0);
      m.Result = 0;
      return true;
    case TacEditorRequest::AnswerOne:
      m.Result = 1;
      return true;
    case TacEditorRequest::PassOn:
      return false;
  }
  return false;
}
