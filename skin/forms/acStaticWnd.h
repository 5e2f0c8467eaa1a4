#pragma once
// TacStaticWnd: a dialog's static text, drawn in the section's font colour straight over
// what the dialog shows under it ("TRANSPARENT"). A static whose text needs more room in
// the font it is painted with than the system gave it grows to fit (no move).
#include "skin/forms/acChildWnd.h"

class TacStaticWnd final : public TacChildWnd {
 public:
  TacStaticWnd(HWND window, TsSkinManager& manager, const std::string& section);

 protected:
  void AfterCreation() override;
  LRESULT acWndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintsItself() const override;
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;

 private:
  uint32_t Format() const;
  void FitToText();
};
