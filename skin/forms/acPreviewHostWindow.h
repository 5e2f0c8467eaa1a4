#pragma once
// The main form as a skin editor's preview host. Started with "/acpreview", the program
// offers the main form's window to the editor once, when it is first shown (opening it to
// the editor's messages first when the program runs elevated), and answers the editor's
// requests to that window: close the form, or say that it is there.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "framework/Messages.h"
#include "skin/data/acPreviewHost.h"

class TacPreviewHostWindow {
 public:
  // `arguments`: the program's, after its path.
  TacPreviewHostWindow(const std::vector<std::string>& arguments, std::unique_ptr<IacSkinEditorLink> editor);

  // A message of the main form (`window`), ahead of the form; true when handled.
  bool OnMessage(marv::Message& m, HWND window);
  HWND Registered() const { return reinterpret_cast<HWND>(state_.RegisteredWindow); }

 private:
  void Register(HWND window);

  TacPreviewHostState state_;
  bool startedAsHost_ = false;
  std::unique_ptr<IacSkinEditorLink> editor_;
};
