#include "framework/Control.h"

#include <windowsx.h>

#include "framework/Dpi.h"
#include "framework/Form.h"
#include "framework/WinControl.h"

namespace marv {

Control::Control(std::wstring name) : name_(std::move(name)) {
  WindowProc = [this](Message& m) {
    if (!RunMessageHandler(m)) WndProc(m);
  };
}

Control::~Control() = default;

Form* Control::ParentForm() {
  for (Control* c = this; c; c = c->parent_) {
    if (auto* form = dynamic_cast<Form*>(c)) return form;
  }
  return nullptr;
}

void Control::SetCaption(std::wstring caption) {
  if (caption == caption_) return;
  caption_ = std::move(caption);
  Perform(CM_TEXTCHANGED);
}

void Control::SetBounds(int left, int top, int width, int height) {
  const RECT bounds{left, top, left + width, top + height};
  if (EqualRect(&bounds, &layout_)) return;
  Invalidate();
  layout_ = bounds;
  BoundsChanged();
  Invalidate();
}

RECT Control::BoundsRect() {
  const int dpi = Dpi();
  return RECT{ScaleToDpi(layout_.left, dpi), ScaleToDpi(layout_.top, dpi),
              ScaleToDpi(layout_.right, dpi), ScaleToDpi(layout_.bottom, dpi)};
}

int Control::Width() {
  const RECT r = BoundsRect();
  return r.right - r.left;
}

int Control::Height() {
  const RECT r = BoundsRect();
  return r.bottom - r.top;
}

int Control::Dpi() {
  Form* form = ParentForm();
  return form ? form->CurrentDpi() : kLayoutDpi;
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  if (!visible) Invalidate();
  visible_ = visible;
  Perform(CM_VISIBLECHANGED, visible);
  if (visible) Invalidate();
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(CM_ENABLEDCHANGED, enabled);
}

Color Control::BackColor() const {
  if (color_) return *color_;
  return parent_ ? parent_->BackColor() : kButtonFaceColor;
}

void Control::SetColor(Color color) {
  color_ = color;
  Perform(CM_COLORCHANGED);
}

const Font& Control::GetFont() const {
  if (font_) return *font_;
  if (parent_) return parent_->GetFont();
  static const Font fallback(L"Tahoma", -11);
  return fallback;
}

void Control::SetFont(Font font) {
  font_ = std::move(font);
  Perform(CM_FONTCHANGED);
}

void Control::SetCursor(MouseCursor cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(CM_CURSORCHANGED);
}

MouseCursor Control::EffectiveCursor() const {
  if (cursor_ != MouseCursor::Default || !parent_) return cursor_;
  return parent_->EffectiveCursor();
}

LRESULT Control::Perform(UINT msg, WPARAM wParam, LPARAM lParam) {
  Message m{msg, wParam, lParam, 0};
  WindowProc(m);
  return m.Result;
}

void Control::SetMessageHandler(UINT msg, MessageHandler handler) {
  for (auto& [number, existing] : handlers_) {
    if (number == msg) {
      existing = std::move(handler);
      return;
    }
  }
  handlers_.emplace_back(msg, std::move(handler));
}

void Control::Click() {
  if (OnClick) OnClick(*this);
}

POINT Control::ClientToScreen(POINT p) {
  if (!parent_) return p;
  const RECT r = BoundsRect();
  return parent_->ClientToScreen(POINT{p.x + r.left, p.y + r.top});
}

POINT Control::ScreenToClient(POINT p) {
  const POINT origin = ClientToScreen(POINT{0, 0});
  return POINT{p.x - origin.x, p.y - origin.y};
}

void Control::DefaultHandler(Message&) {}

bool Control::RunMessageHandler(Message& m) {
  for (auto& [number, handler] : handlers_) {
    if (number == m.Msg && handler) {
      handler(m);
      return true;
    }
  }
  return false;
}

void Control::WndProc(Message& m) {
  const POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  switch (m.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (enabled_) {
        mousePressed_ = true;
        MouseDown(at);
      }
      break;
    case WM_LBUTTONUP: {
      const bool wasPressed = std::exchange(mousePressed_, false);
      MouseUp(at);
      DefaultHandler(m);
      // Last, because a click may run a modal loop (a menu, a box, a window).
      if (wasPressed && enabled_ && at.x >= 0 && at.y >= 0 && at.x < Width() && at.y < Height())
        Click();
      return;
    }
    case CM_MOUSEENTER:
      if (reinterpret_cast<Control*>(m.LParam) == this && !mouseInside_) {
        mouseInside_ = true;
        MouseEnter();
      }
      break;
    case CM_MOUSELEAVE:
      if (reinterpret_cast<Control*>(m.LParam) == this && mouseInside_) {
        mouseInside_ = false;
        MouseLeave();
      }
      break;
    case WM_CANCELMODE:  // the mouse was taken away while pressed
      mousePressed_ = false;
      Invalidate();
      break;
    case CM_FOCUSCUE:
      focusCue_ = m.WParam != 0;
      Invalidate();
      break;
    case CM_TEXTCHANGED:
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
    case CM_ENABLEDCHANGED:
      Invalidate();
      break;
    default:
      break;
  }
  DefaultHandler(m);
}

}  // namespace marv
