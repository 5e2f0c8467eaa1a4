#pragma once
// The base of every control, windowed or not: its place in the parent/child tree, its
// layout (96-DPI units, drawn at the form's density), caption, font, colour, cursor and
// click event, and the one entry point for messages, Perform, through the replaceable
// WindowProc. Window-less controls get mouse and paint messages from their parent this
// way, so code that watches a control's messages works the same for both kinds.
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "framework/Color.h"
#include "framework/Font.h"
#include "framework/Messages.h"
#include "framework/MouseCursor.h"

namespace marv {

class Form;
class WinControl;
class Control;

using NotifyEvent = std::function<void(Control& sender)>;
using MessageHandler = std::function<void(Message&)>;

class Control {
 public:
  explicit Control(std::wstring name);
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::wstring& Name() const { return name_; }
  WinControl* Parent() const { return parent_; }
  // The form this control sits on (the form itself for a form); null when unparented.
  Form* ParentForm();
  virtual bool IsWindowed() const { return false; }

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  const std::wstring& Caption() const { return caption_; }
  void SetCaption(std::wstring caption);

  // Position and size in the parent's client area, in 96-DPI layout units.
  void SetBounds(int left, int top, int width, int height);
  const RECT& LayoutBounds() const { return layout_; }
  // The same at the current density, in pixels (a form: its window on the screen).
  virtual RECT BoundsRect();
  int Left() { return BoundsRect().left; }
  int Top() { return BoundsRect().top; }
  int Width();
  int Height();
  // Dots per inch the control is drawn at: its form's; 96 without one.
  int Dpi();

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Own colour, or the parent's while none is set.
  Color BackColor() const;
  void SetColor(Color color);
  // Own font, or the parent's while none is set.
  const Font& GetFont() const;
  void SetFont(Font font);
  MouseCursor Cursor() const { return cursor_; }
  void SetCursor(MouseCursor cursor);

  NotifyEvent OnClick;

  // Every message of the control passes through WindowProc. It starts as the control's
  // own WndProc; skin code may put its own in front and restore the previous one later.
  MessageHandler WindowProc;
  LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
  // Handlers for messages by number (posted ones included); a handler replaces the
  // control's own handling of that message.
  void SetMessageHandler(UINT msg, MessageHandler handler);

  virtual void Invalidate() = 0;
  // What a click does: runs OnClick.
  virtual void Click();

  // Shows the keyboard focus look: it has the focus and the keyboard was used (CM_FOCUSCUE).
  bool FocusCue() const { return focusCue_; }
  bool MouseInside() const { return mouseInside_; }
  bool MousePressed() const { return mousePressed_; }
  // Converts between this control's client coordinates and the screen's.
  virtual POINT ClientToScreen(POINT p);
  POINT ScreenToClient(POINT p);
  // The cursor shown over the control: its own, else its parent's.
  MouseCursor EffectiveCursor() const;

 protected:
  virtual void WndProc(Message& m);
  // What happens to a message nobody handled: nothing for a window-less control, the
  // window class's procedure for a windowed one.
  virtual void DefaultHandler(Message& m);
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(POINT) {}
  virtual void MouseUp(POINT) {}
  // The control moved, resized or changed density.
  virtual void BoundsChanged() {}
  // For controls that start hidden (forms), without the side effects of SetVisible.
  void StoreVisible(bool visible) { visible_ = visible; }

 private:
  friend class WinControl;
  bool RunMessageHandler(Message& m);

  std::wstring name_;
  WinControl* parent_ = nullptr;
  int tag_ = 0;
  std::wstring caption_;
  RECT layout_{};
  bool visible_ = true;
  bool enabled_ = true;
  std::optional<Color> color_;
  std::optional<Font> font_;
  MouseCursor cursor_ = MouseCursor::Default;
  bool mouseInside_ = false;
  bool mousePressed_ = false;
  bool focusCue_ = false;
  std::vector<std::pair<UINT, MessageHandler>> handlers_;
};

}  // namespace marv
