#pragma once
// TacBtnWnd: a dialog's push button, painted from "BUTTON" in its state (pressed, hot or
// focused, the default button's own look) with its caption, and washed out with the
// dialog's background when disabled. The system's own painting of state, focus and text
// changes is held back; the adapter paints after each.
#include "skin/forms/acChildWnd.h"

class TacBtnWnd final : public TacChildWnd {
 public:
  TacBtnWnd(HWND window, TsSkinManager& manager, const std::string& section);

  // The state the button is painted in now.
  int CurrentState();

 protected:
  LRESULT acWndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool OwnSkinCommand(uint16_t command, uint16_t argument, LPARAM lParam, LRESULT& result) override;
  int CacheState() override { return CurrentState(); }
  void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) override;

 private:
  void SetHot(bool hot);
};
