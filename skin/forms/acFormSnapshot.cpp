#include "skin/forms/acFormSnapshot.h"

#include "framework/DibBitmap.h"
#include "skin/forms/acLayeredWindow.h"

namespace {

// GDI leaves alpha 0 where it draws: the copy is made opaque.
PixelImage OpaqueCopy(const PixelBuffer& pixels) {
  PixelImage out(pixels.width, pixels.height);
  for (int y = 0; y < pixels.height; ++y)
    for (int x = 0; x < pixels.width; ++x) out.at(x, y) = pixels.at(x, y) | 0xFF000000u;
  return out;
}

// Children print after their parent, the bottom of the z-order first, at their place in
// the top window.
void PrintChildren(HWND parent, HDC dc, const RECT& top) {
  for (HWND child = GetWindow(GetWindow(parent, GW_CHILD), GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV)) {
    if (!IsWindowVisible(child)) continue;
    RECT r{};
    GetWindowRect(child, &r);
    POINT old{};
    SetViewportOrgEx(dc, r.left - top.left, r.top - top.top, &old);
    SendMessageW(child, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
    PrintChildren(child, dc, top);
  }
}

}  // namespace

PixelImage MakeFormSnapshot(HWND window) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds) || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return {};
  marv::DibBitmap bits(bounds.right - bounds.left, bounds.bottom - bounds.top);
  if (bits.Empty()) return {};
  HDC dc = bits.Dc();
  const int saved = SaveDC(dc);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
  PrintChildren(window, dc, bounds);
  RestoreDC(dc, saved);
  GdiFlush();
  return OpaqueCopy(bits.Pixels());
}

bool MakeCoverForm(HWND window, HWND cover) {
  RECT bounds{};
  if (!GetWindowRect(window, &bounds) || bounds.right <= bounds.left || bounds.bottom <= bounds.top) return false;
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  marv::DibBitmap bits(width, height);
  if (bits.Empty()) return false;
  HDC source = GetWindowDC(window);
  BitBlt(bits.Dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
  ReleaseDC(window, source);
  GdiFlush();
  const PixelImage image = OpaqueCopy(bits.Pixels());
  const PixelBuffer picture = image.view();
  SetWindowPos(cover, nullptr, bounds.left, bounds.top, width, height,
               SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  UpdateLayeredPicture(cover, &picture, 255, POINT{bounds.left, bounds.top});
  SetWindowPos(cover, HWND_TOPMOST, bounds.left, bounds.top, 0, 0,
               SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
  return true;
}
