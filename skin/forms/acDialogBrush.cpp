#include "skin/forms/acDialogBrush.h"

HBRUSH TacDialogBrush::For(COLORREF color) {
  if (!brush_ || color != color_) {
    brush_.reset(CreateSolidBrush(color));
    color_ = color;
  }
  return brush_.get();
}
