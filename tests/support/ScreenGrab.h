#pragma once
// What a window shows on the screen, read back as pixels.
#include <windows.h>

#include "framework/DibBitmap.h"
#include "pixels/PixelBuffer.h"

namespace uitest {

// What a window shows in r of its client area, colours only.
inline PixelImage Grab(HWND window, RECT r) {
  const int w = r.right - r.left, h = r.bottom - r.top;
  marv::DibBitmap dib(w, h);
  HDC dc = GetDC(window);
  BitBlt(dib.Dc(), 0, 0, w, h, dc, r.left, r.top, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  PixelImage out(w, h);
  const PixelBuffer in = dib.Pixels();
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.at(x, y) = in.at(x, y) & 0xFFFFFF;
  return out;
}

}  // namespace uitest
