#pragma once
// Captions of skinned controls: the control's font as the painters take it, and the GDI
// text painter a control keeps for its cache pictures.
#include <memory>
#include <string>

#include "framework/Control.h"
#include "skin/paint/acGdiTextPainter_win.h"
#include "skin/paint/acTextPainter.h"

// The control's font at a density.
TacFont TextFontOf(const marv::Control& control, int dpi);
std::u16string ToU16(const std::wstring& text);

// A text painter made on first use and kept with the control.
class TacControlTextPainter {
 public:
  ITextPainter& Get() {
    if (!painter_) painter_ = std::make_unique<TacGdiTextPainter>();
    return *painter_;
  }

 private:
  std::unique_ptr<TacGdiTextPainter> painter_;
};
