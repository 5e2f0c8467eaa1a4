#pragma once
// The Windows error sink: a modal box captioned "Error" with the error icon and an OK
// button, owned by the active window; the thread's other windows are disabled while it
// is up and the previously active window gets the focus back afterwards.
#include "skin/data/acSkinErrors.h"

class MessageBoxErrorSink final : public SkinErrorSink {
 public:
  void ShowError(std::string_view text) override;
};
