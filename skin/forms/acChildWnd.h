#pragma once
// What the adapters of a dialog's children share: the window's picture is built in a
// cache over what the dialog shows under it (asked with SC_GETBG), the section in the
// adapter's state, then the adapter's own content; painting copies the cache once.
#include <windows.h>

#include <memory>

#include "skin/forms/acMainWnd.h"
#include "skin/paint/acGdiTextPainter_win.h"

class TacChildWnd : public TacMainWnd {
 public:
  using TacMainWnd::TacMainWnd;

 protected:
  LRESULT acWndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool PaintTo(HDC dc) override;
  void ReleasePainting() override { text_.reset(); }

  // False: the system paints the window (the adapter only carries the binding).
  virtual bool PaintsItself() const { return true; }
  virtual int CacheState() { return 0; }
  virtual void PaintContent(const TCacheInfo& background, int state, const PixelBuffer& cache) = 0;
  // The window's place in the dialog's client area.
  TPoint Offset();
  ITextPainter& TextPainter();

 private:
  bool PrepareCache();
  std::unique_ptr<TacGdiTextPainter> text_;
};
