#pragma once
// A control with a window of its own that can hold child controls. It owns its children,
// paints the window-less ones over its background (through a back buffer, so nothing
// flickers), routes mouse messages to them with capture and enter/leave notifications,
// picks the cursor, and reflects notifications from child windows to their controls.
#include <windows.h>

#include <memory>
#include <string_view>
#include <vector>

#include "framework/Control.h"
#include "framework/DibBitmap.h"

namespace marv {

class WinControl : public Control {
 public:
  explicit WinControl(std::wstring name);
  ~WinControl() override;

  bool IsWindowed() const override { return true; }
  HWND Handle() const { return hwnd_; }
  // The control behind a window that this framework made in this process; null for any
  // other window. Lets tests find a form from what is on the screen.
  static WinControl* FromHandle(HWND window) {
    DWORD process = 0;
    if (!window || !GetWindowThreadProcessId(window, &process) || process != GetCurrentProcessId() ||
        GetClassLongPtrW(window, GCLP_WNDPROC) != reinterpret_cast<ULONG_PTR>(&WindowProcedure))
      return nullptr;
    return reinterpret_cast<WinControl*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  }
  // The control whose window this thread is creating right now (hooks that see the
  // window before its first message); null outside a creation.
  static WinControl* BeingCreated();
  // Creates the window (and the windows of windowed children) once the parent has one.
  void HandleNeeded();
  void DestroyHandle();

  // Takes ownership of a child control and places it on this control.
  Control& Insert(std::unique_ptr<Control> child);
  template <class T, class... Args>
  T& Add(Args&&... args) {
    auto child = std::make_unique<T>(std::forward<Args>(args)...);
    T& added = *child;
    Insert(std::move(child));
    return added;
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  // The descendant with this name, depth first; null when there is none.
  Control* FindControl(std::wstring_view name) const;
  // The child control with this window; null when there is none.
  Control* FindControl(HWND window) const;
  // The topmost visible, enabled window-less child at a client point.
  Control* ControlAtPos(POINT client) const;
  // Sends a message to every descendant, children before their own children.
  void Broadcast(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);

  void Invalidate() override;
  POINT ClientToScreen(POINT p) override;
  // Paints the window-less children that meet `area` (client coordinates) into dc.
  void PaintControls(HDC dc, const RECT& area);

 protected:
  struct CreateParams {
    std::wstring className;
    const wchar_t* baseClassName = nullptr;  // a system class to build on; null: none
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
    DWORD exStyle = 0;
    HWND parent = nullptr;
    RECT bounds{};  // pixels, parent client coordinates
  };
  virtual void FillCreateParams(CreateParams& params);
  // Runs right after the window exists, before the children's windows are made.
  virtual void WindowCreated() {}
  // Runs on WM_DESTROY: the window still exists, nothing can reach it afterwards.
  virtual void WindowDestroying() {}

  void WndProc(Message& m) override;
  void DefaultHandler(Message& m) override;
  void BoundsChanged() override;
  // Fills the background of `area` in dc; the control's colour by default.
  virtual void PaintBackground(HDC dc, const RECT& area);
  // Draws the control's own content over the background, under the window-less children.
  virtual void Paint(HDC) {}
  // Sets the window's font from GetFont() at the current density.
  void ApplyFont();

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  bool RouteMouse(Message& m);
  void SetHoverChild(Control* child);
  bool SetCursorFor(Message& m);
  void PaintWindow();
  void ApplyDensity();

  HWND hwnd_ = nullptr;
  WNDPROC baseProc_ = DefWindowProcW;
  std::vector<std::unique_ptr<Control>> controls_;
  Control* hoverChild_ = nullptr;
  Control* captureChild_ = nullptr;
  bool trackingLeave_ = false;
  DibBitmap backBuffer_;
};

}  // namespace marv
