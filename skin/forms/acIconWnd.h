#pragma once
// TacIconWnd: a dialog's icon (or bitmap) static, drawn over what the dialog shows under it.
#include "skin/forms/acChildWnd.h"

class TacIconWnd final : public TacChildWnd {
 public:
  TacIconWnd(HWND window, TsSkinManager& manager);

 protected:
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;
};
