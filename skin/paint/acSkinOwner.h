#pragma once
// The control as its skin binding sees it. The binding (TsCommonData) is portable and
// reaches its control only through this view: the Windows build implements it on the
// window framework (skin/controls/acControlSkinOwner), tests on a tree of fakes.
#include <cstdint>
#include <functional>
#include <memory>

#include "pixels/Geometry.h"
#include "pixels/PixelBuffer.h"
#include "skin/data/acManagerHost.h"  // TacHeldResource

class IacSkinOwner {
 public:
  virtual ~IacSkinOwner() = default;

  // The control's place in its parent's client area, in pixels.
  virtual TRect Bounds() const = 0;
  virtual bool HasParent() const = 0;
  virtual bool Enabled() const = 0;
  virtual bool Visible() const = 0;
  // The control's window has the keyboard focus (always false without a window).
  virtual bool HasFocus() const = 0;
  // Going away: nothing may be painted or asked any more.
  virtual bool Destroying() const = 0;
  // A control with a window of its own (false: painted by its parent).
  virtual bool Windowed() const = 0;
  // Windowed and its window exists.
  virtual bool HasWindow() const = 0;
  // The cursor is over the control's visible area right now.
  virtual bool CursorInside() const = 0;

  // Colours as RGB (system colours resolved): the control's own and its parent's.
  virtual uint32_t Color() const = 0;
  virtual uint32_t ParentColor() const = 0;
  virtual uint32_t FontColor() const = 0;
  virtual uint32_t ParentFontColor() const = 0;
  // The skin sets the control's colours (kinds whose colours follow the section).
  virtual void ApplyColors(uint32_t color, uint32_t fontColor) = 0;

  // Skin commands through the control's whole message path (its own handling first).
  virtual intptr_t SendToSelf(uint16_t command, uint16_t argument, intptr_t lParam) = 0;
  // To the parent control; 0 without one.
  virtual intptr_t SendToParent(uint16_t command, uint16_t argument, intptr_t lParam) = 0;
  // To every child control; windowedOnly skips the window-less ones.
  virtual void SendToChildren(uint16_t command, uint16_t argument, intptr_t lParam, bool windowedOnly) = 0;
  virtual bool HasChildren() const = 0;

  // Repaints the control (and a windowed control's children); now: before returning.
  virtual void Redraw(bool now) = 0;
  // Puts a finished picture straight onto the control's window (windowed controls).
  virtual void ShowPicture(const PixelBuffer& picture) = 0;
  // Paints the control's child controls into picture, each at its place.
  virtual void PaintChildrenInto(const PixelBuffer& picture) = 0;

  // A timer of the control's thread; ticks until the returned object is released.
  virtual std::unique_ptr<TacHeldResource> StartTimer(int milliseconds, std::function<void()> tick) = 0;
};
