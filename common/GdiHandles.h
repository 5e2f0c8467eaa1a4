#pragma once
// Owners for GDI handles and device-context state, so that every object, DC and
// selection is released exactly once.
#include <windows.h>

#include <memory>
#include <type_traits>

namespace marv {

struct GdiObjectDeleter {
  void operator()(HGDIOBJ h) const noexcept { DeleteObject(h); }
};
template <class H>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<H>, GdiObjectDeleter>;
using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBrush = UniqueGdiObject<HBRUSH>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePen = UniqueGdiObject<HPEN>;

struct MemoryDcDeleter {
  void operator()(HDC dc) const noexcept { DeleteDC(dc); }
};
using UniqueMemoryDc = std::unique_ptr<std::remove_pointer_t<HDC>, MemoryDcDeleter>;

// Selects an object into a DC for the scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

// Saves the whole DC state for the scope (origin, clip region, selections, colours).
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
  ~SavedDcState() { RestoreDC(dc_, saved_); }
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;

 private:
  HDC dc_;
  int saved_;
};

// BeginPaint/EndPaint for the scope of a WM_PAINT.
class PaintScope {
 public:
  explicit PaintScope(HWND window) : window_(window) { dc_ = BeginPaint(window, &ps_); }
  ~PaintScope() { EndPaint(window_, &ps_); }
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;
  HDC Dc() const { return dc_; }
  const RECT& Area() const { return ps_.rcPaint; }

 private:
  HWND window_;
  PAINTSTRUCT ps_{};
  HDC dc_ = nullptr;
};

// A window's DC for the scope: its client area, or the whole window with its frame.
class WindowDcScope {
 public:
  explicit WindowDcScope(HWND window, bool wholeWindow = false)
      : window_(window), dc_(wholeWindow ? GetWindowDC(window) : GetDC(window)) {}
  ~WindowDcScope() {
    if (dc_) ReleaseDC(window_, dc_);
  }
  WindowDcScope(const WindowDcScope&) = delete;
  WindowDcScope& operator=(const WindowDcScope&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

}  // namespace marv
