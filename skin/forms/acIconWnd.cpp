#include "skin/forms/acIconWnd.h"

#include <cstring>

#include "framework/DibBitmap.h"

// An icon lies on whatever the dialog shows: the see-through section.
TacIconWnd::TacIconWnd(HWND window, TsSkinManager& manager) : TacChildWnd(window, manager, 0, "TRANSPARENT") {}

void TacIconWnd::PaintContent(const TCacheInfo&, int, const PixelBuffer& cache) {
  const HWND w = CtrlHandle();
  const auto icon = reinterpret_cast<HICON>(SendMessageW(w, STM_GETICON, 0, 0));
  const auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(w, STM_GETIMAGE, IMAGE_BITMAP, 0));
  if (!icon && !bitmap) return;
  marv::DibBitmap canvas(cache.width, cache.height);
  if (canvas.Empty() || !canvas.Dc()) return;
  const PixelBuffer pixels = canvas.Pixels();
  for (int y = 0; y < cache.height; ++y) std::memcpy(pixels.row(y), cache.row(y), sizeof(uint32_t) * cache.width);
  if (icon) {
    DrawIconEx(canvas.Dc(), 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
  } else {
    marv::UniqueMemoryDc source(CreateCompatibleDC(canvas.Dc()));
    const HGDIOBJ previous = SelectObject(source.get(), bitmap);
    BitBlt(canvas.Dc(), 0, 0, cache.width, cache.height, source.get(), 0, 0, SRCCOPY);
    SelectObject(source.get(), previous);
  }
  GdiFlush();
  for (int y = 0; y < cache.height; ++y) std::memcpy(cache.row(y), pixels.row(y), sizeof(uint32_t) * cache.width);
}
