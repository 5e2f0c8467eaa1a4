#pragma once
// The main form's side of a skin editor's live preview: a copy-data message carrying a
// valid editor record is kept and answered at once, and the skin is applied later, from
// the queue (SC_APPLYPREVIEW posted to the form), so the editor never waits for a load.
// A short or malformed record is not handled and changes nothing.
#include <windows.h>

#include <optional>

#include "framework/Messages.h"
#include "skin/data/acSkinEditorData.h"

class TsSkinManager;

class TacPreviewReceiver {
 public:
  explicit TacPreviewReceiver(TsSkinManager& manager) : manager_(manager) {}

  // WM_COPYDATA; `window` gets SC_APPLYPREVIEW. True when it was a preview.
  bool OnCopyData(marv::Message& m, HWND window);
  // WM_SKINCOMMAND with SC_APPLYPREVIEW: applies the kept preview, when there is one.
  bool OnApply(marv::Message& m);

 private:
  TsSkinManager& manager_;
  std::optional<TacSkinPreview> pending_;
  bool copying_ = false;
};
