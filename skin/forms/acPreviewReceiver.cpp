#include "skin/forms/acPreviewReceiver.h"

#include <span>
#include <utility>

#include "skin/base/acSkinCommands.h"
#include "skin/data/acPreviewHost.h"
#include "skin/data/acSkinPreviewApply.h"

bool TacPreviewReceiver::OnCopyData(marv::Message& m, HWND window) {
  if (copying_ || m.Result != 0) return false;
  const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(m.LParam);
  if (data == nullptr || (data->lpData == nullptr && data->cbData != 0)) return false;
  copying_ = true;
  auto preview = AcceptEditorCopyData(
      static_cast<uintptr_t>(m.WParam), std::span(static_cast<const uint8_t*>(data->lpData), data->cbData));
  copying_ = false;
  if (!preview) return false;
  pending_ = std::move(preview);
  PostMessageW(window, WM_SKINCOMMAND, SkinCommandWParam(SC_APPLYPREVIEW), 0);
  m.Result = 1;
  return true;
}

bool TacPreviewReceiver::OnApply(marv::Message& m) {
  if (!pending_) return false;  // nothing was sent: another sender's command does nothing
  const TacSkinPreview preview = *std::exchange(pending_, std::nullopt);
  ApplySkinPreview(manager_, preview);
  m.Result = 0;
  return true;
}
