#pragma once
// A window the program did not make (a system dialog or one of its children) as its skin
// binding sees it: the same view the skinned controls give their bindings, read straight
// from the window. A dialog's binding paints its client area, so the dialog answers its
// client rectangle as its bounds; a child answers its place in the parent's client area.
#include <windows.h>

#include "skin/paint/acSkinOwner.h"

class TacWindowSkinOwner final : public IacSkinOwner {
 public:
  enum class Area { Window, Client };
  TacWindowSkinOwner(HWND window, Area area) : window_(window), area_(area) {}

  void SetDestroying() { destroying_ = true; }

  TRect Bounds() const override;
  bool HasParent() const override;
  bool Enabled() const override { return IsWindowEnabled(window_) != FALSE; }
  bool Visible() const override { return IsWindowVisible(window_) != FALSE; }
  bool HasFocus() const override { return GetFocus() == window_; }
  bool Destroying() const override { return destroying_ || !IsWindow(window_); }
  bool Windowed() const override { return true; }
  bool HasWindow() const override { return IsWindow(window_) != FALSE; }
  bool CursorInside() const override;
  // The system's dialog colours: such windows have no colours of their own.
  uint32_t Color() const override { return GetSysColor(COLOR_BTNFACE); }
  uint32_t ParentColor() const override { return GetSysColor(COLOR_BTNFACE); }
  uint32_t FontColor() const override { return GetSysColor(COLOR_BTNTEXT); }
  uint32_t ParentFontColor() const override { return GetSysColor(COLOR_BTNTEXT); }
  void ApplyColors(uint32_t, uint32_t) override {}  // the adapter paints in the skin's colours itself
  intptr_t SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) override;
  intptr_t SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) override;
  void SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) override;
  bool HasChildren() const override { return GetWindow(window_, GW_CHILD) != nullptr; }
  void Redraw(bool now) override;
  void ShowPicture(const PixelBuffer& picture) override;
  // Children are windows of their own and paint themselves.
  void PaintChildrenInto(const PixelBuffer&) override {}
  std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) override;

 private:
  HWND Parent() const;

  HWND window_;
  Area area_;
  bool destroying_ = false;
};
