#include "skin/forms/logic/acTaskbarTarget.h"

TRect TaskbarTargetRect(const std::optional<TRect>& tray, const TRect& form) {
  if (!tray) return {};
  const int w = form.Width(), h = form.Height();
  const int cx = tray->Left + tray->Width() / 2, cy = tray->Top + tray->Height() / 2;
  return {cx + w / 8 - w / 2, cy + h / 8 - h / 2, cx + w / 2 - w / 8, cy + h / 2 - h / 8};
}
